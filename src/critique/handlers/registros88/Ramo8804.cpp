#include "critique/handlers/registros88/Ramos88.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/ValidacaoCampos.h"

namespace zq {
namespace {

constexpr std::string_view kTitulo = "8804 - Informações Complementares";

}  // namespace

void Ramo8804::Processar(const LinhaRegistro88& linha) {
    Registrar(4);
    AplicarRegime(linha.texto);
    ValidarCampos(linha.texto);
    // The comparisons only make sense for a declaration without any rejection so far, from any line.
    if (SemRejeicoes()) Comparar(linha.texto);
}

// The payment regime (column 99) decides which records the declaration must, or must not, carry.
void Ramo8804::AplicarRegime(const std::string& linha) {
    EstadoDeclaracao& declaracao = Declaracao();
    const std::string_view regime = Colunas(linha, 99, 1);
    if (regime == "1") {
        declaracao.regimeNormal = true;
        declaracao.regimeEpp = false;
        if (!declaracao.dadosAnuais) {
            Exigir(1, "REJEIÇÃO (Reg.8804): Não Existe Registro 8801. O regime de pagamento informado exige esse "
                      "registro.");
            Exigir(2, "REJEIÇÃO (Reg.8804): Não Existe Registro 8802. O regime de pagamento informado exige esse "
                      "registro.");
        }
        if (!declaracao.chaveGim.empty() && Colunas(linha, 5, 16) != declaracao.chaveGim) {
            Rejeitar("REJEIÇÃO (Reg.8804): Inscrição, Periodo e Tipo devem ser iguais ao registro 8801:" +
                     std::string(Colunas(linha, 5, 16)));
        }
        return;
    }
    Ocorrencia88& registro8801 = declaracao.Registro88(1);
    Ocorrencia88& registro8802 = declaracao.Registro88(2);
    if (regime == "3" || regime == "7") {
        const bool simples = regime == "3";
        declaracao.regimeSimples = declaracao.regimeSimples || simples;
        declaracao.regimeEpp = !simples;
        declaracao.regimeNormal = false;
        if (registro8801.presente || registro8802.presente) {
            Rejeitar(simples ? "REJEIÇÃO (Reg.8804): Não é permitido registro 8801 e 8802 em GIM do simples"
                             : "REJEIÇÃO (Reg.88): Não informar registros 8801 e 8802 em GIM EPP!");
        } else {
            registro8801.presente = true;
            registro8802.presente = true;
        }
        return;
    }
    Rejeitar(Formatar("REJEIÇÃO (Reg.8804): Tipo de regime de pagamento inválido. Informado: '%s'.", {regime}));
}

// Every field is checked, whatever the result of the others.
void Ramo8804::ValidarCampos(const std::string& linha) {
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    ValidarCampoMonetario(linha, 21, 13, kTitulo, "Diferencial de Alíquota", rejeicoes);
    ValidarCampoMonetario(linha, 34, 13, kTitulo, "ICMS ST Retido em Outras UF", rejeicoes);
}

void Ramo8804::Comparar(const std::string& linha) {
    const Moeda diferencialApurado = objetos_.procReg50.DiferencaAliquota();
    const Moeda diferencialLido = MonetarioDoCampo(linha, 21, 13, 2);
    if (diferencialApurado > Moeda() && diferencialLido == Moeda()) {
        Advertir("ADVERTÊNCIA(Reg.8804) Campo 06: Diferencial de Alíquota - Ativo Fixo. Lido: " +
                 FormatarValor(diferencialLido) + " Apurado: " + FormatarValor(diferencialApurado));
    }
    const std::string_view restante = ColunasAparadas(linha, 100, 27);
    if (!restante.empty()) {
        Rejeitar("REJEIÇÃO (Reg.8804): Posição (100 a 126) deve conter apenas brancos: " + std::string(restante));
    }
}

}  // namespace zq
