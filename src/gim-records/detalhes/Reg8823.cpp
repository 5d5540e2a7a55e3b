#include "gim-records/detalhes/Reg8823.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 6},
    {4, 11, 13, Monetario, "Valor de outros débitos"},
    {5, 24, 103},
};

}  // namespace

TReg8823::TReg8823() : TRegDetalhe("8823 - Informações dos Ajustes a Débito da Substituição Tributária", kCampos) {}

}  // namespace zq
