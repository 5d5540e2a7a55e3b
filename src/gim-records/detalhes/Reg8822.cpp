#include "gim-records/detalhes/Reg8822.h"

#include "gim-records/detalhes/InscricaoDoEstado.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 1, Inteiro, "Tipo Ressarcimento"},
    {4, 6, 20},
    {5, 26, 9, Inteiro64, "Inscrição estadual"},
    {6, 35, 13, Monetario, "Valor Ressarcido"},
    {7, 48, 79},
};

}  // namespace

TReg8822::TReg8822() : TRegDetalhe("8822 - Informações Ações Judiciais", kCampos) {}

void TReg8822::VerificarTipo(std::vector<std::string>& rejeicoes) const {
    const int tipo = TipoRessarcimento();
    if (tipo == 1 || tipo == 2) return;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8822) Campo 3: Tipo de ressarcimento inválido: %d", {tipo}));
}

void TReg8822::VerificarInscricao(std::vector<std::string>& rejeicoes) const {
    const std::string_view inscricao = InscricaoEstadual();
    if (!InscricaoDoEstado(inscricao)) {
        rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8822) Campo 5: Inscrição Estadual inválida: %s", {inscricao}));
    } else if (!DigitoMod11Valido(Inteiro64(5))) {
        rejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8822) Campo 5: Inscrição Estadual com dígito errado: %s", {inscricao}));
    }
}

void TReg8822::VerificarRegistro8821(int quantidade8821, std::vector<std::string>& rejeicoes) const {
    if (totalRessarcido_ <= Moeda() || quantidade8821 != 0) return;
    rejeicoes.push_back(
        "REJEIÇÃO (Reg.8822): Os valores do ressarcimento foram informados no registro 8822 (campo 6); contudo, no "
        "arquivo, não existe o registro 8821 onde é informado o total dos valores ressarcidos");
}

}  // namespace zq
