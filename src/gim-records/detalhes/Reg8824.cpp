#include "gim-records/detalhes/Reg8824.h"

#include "gim-records/detalhes/InscricaoDoEstado.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 6},
    {4, 11, 20},
    {5, 31, 13, Monetario, "Valor da ação"},
    {6, 44, 9, Inteiro64, "Inscrição estadual"},
    {7, 53, 74},
};

}  // namespace

TReg8824::TReg8824() : TRegDetalhe("8824 - Informações Ações Judiciais ", kCampos) {}

void TReg8824::VerificarPeriodo(std::string_view periodo, std::vector<std::string>& rejeicoes) const {
    if (Periodo() == periodo) return;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8824) Campo 3: O período informado no registro 8824: %s está "
                                 "diferente do informado no registro 10: %s",
                                 {Periodo(), periodo}));
}

void TReg8824::VerificarInscricao(std::string_view inscricaoDeclarante, std::vector<std::string>& rejeicoes) const {
    const std::string_view inscricao = InscricaoBeneficiario();
    if (!InscricaoDoEstado(inscricao)) {
        rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8824) Campo 6: Inscrição Estadual inválida: %s", {inscricao}));
    }
    if (!DigitoMod11Valido(Inteiro64(6))) {
        rejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8824) Campo 6: Inscrição Estadual com o dígito errado: %s", {inscricao}));
    }
    if (inscricao == inscricaoDeclarante) {
        rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8824) Campo 6: A inscrição do beneficiário não pode ser a mesma do "
                                     "contribuinte que está entregando a GIM. A inscrição do beneficiário é %s",
                                     {inscricao}));
    }
}

}  // namespace zq
