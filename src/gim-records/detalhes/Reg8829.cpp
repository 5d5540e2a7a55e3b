#include "gim-records/detalhes/Reg8829.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 5, Inteiro, "Código do município"},
    {4, 10, 13, Monetario, "Valor Adicionado do município"},
    {5, 23, 104},
};

}  // namespace

TReg8829::TReg8829()
    : TRegDetalhe("8829 - Informação sobre valores agregados para o cálculo do valor adicionado por Municípios ",
                  kCampos) {}

}  // namespace zq
