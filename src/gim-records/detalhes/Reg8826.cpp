#include "gim-records/detalhes/Reg8826.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 9, Inteiro, "Inscrição estadual"},
    {4, 14, 6, Inteiro, "Período"},
    {5, 20, 1},
    {6, 21, 13, Monetario, "Valor do ICMS a recolher"},
    {7, 34, 1, Inteiro, "Tipo Revendedor"},
    {8, 35, 92},
};

}  // namespace

TReg8826::TReg8826() : TRegDetalhe("8826 - OPERAÇÕES COM VEÍCULOS AUTOMOTORES ", kCampos) {}

}  // namespace zq
