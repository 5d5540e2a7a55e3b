#include "gim-records/detalhes/Reg8820.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 6},
    {4, 11, 2, Inteiro, "Número de identificação"},
    {5, 13, 14, Inteiro64, "Código do produto ou serviço do informante"},
    {6, 27, 7, Inteiro, "Informar o estoque físico do fechamento do último dia do mês"},
    {7, 34, 93},
};

}  // namespace

TReg8820::TReg8820()
    : TRegDetalhe("8820 - Informações de Estoque Físico do fechamento do último dia do mês", kCampos) {}

std::optional<int> TReg8820::TanqueDaLinha(std::string_view linha) const {
    const std::string_view colunas = ColunasDoCampo(linha, 4);
    try {
        if (colunas.size() == 2) return InteiroDoTexto(colunas);
    } catch (const Excecao&) {
        // its format rejection names it already
    }
    return std::nullopt;
}

}  // namespace zq
