#include "gim-records/detalhes/Reg8819.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 6},
    {4, 11, 14, Inteiro64, "Código do produto ou serviço do informante"},
    {5, 25, 2},
    {6, 27, 20},
    {7, 47, 20, Decimal, "Leitura do encerrante do início do mês", 3},
    {8, 67, 20, Decimal, "Leitura do encerrante do fim do mês", 3},
    {9, 87, 2, Inteiro, "Tanque"},
    {10, 89, 38},
};

}  // namespace

TReg8819::TReg8819() : TRegDetalhe("8819 - Informações de encerrantes das Bombas de Combustível", kCampos) {}

}  // namespace zq
