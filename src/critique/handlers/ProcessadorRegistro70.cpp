#include "critique/handlers/ProcessadorRegistro70.h"

#include "critique/totais/CalculosCritica.h"
#include "critique/totais/DiferencaValores.h"
#include "record-model/campos/Cfop.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/totais/TabelasCfop.h"

namespace zq {
namespace {

// Above 100 % of divergence between the total and its parts the document is rejected.
constexpr std::int64_t kDivergenciaMaxima = 10000;

bool FretePermitido(std::string_view modalidade) { return modalidade == "0" || modalidade == "1" || modalidade == "2"; }

}  // namespace

void ProcessadorRegistro70::Processar(const LinhaCritica& linha) {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    ++declaracao.quantidade70;
    declaracao.existe70 = true;
    const std::string& texto = linha.texto;
    const std::string_view situacao = Colunas(texto, 126, 1);
    const std::string_view numero = Colunas(texto, 46, 6);
    if (situacao == "N" || situacao == "E") {
        try {
            ConferirNota(texto, numero);
        } catch (const std::exception&) {
            // Amounts that cannot be read are left to the national validator.
        }
    } else if (situacao.empty() || !SituacaoCancelada(situacao.front())) {
        contexto_.mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.70): Foi encontrada uma situação do documento fiscal (campo 17) não prevista. "
                     "A situação encontrada foi '%s' na NF %s.",
                     {situacao, numero}));
    }
    const std::string_view frete = Colunas(texto, 125, 1);
    if (!FretePermitido(frete)) {
        contexto_.mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.70): A modalidade do frete informada não é permitida. Informada: '%s' na NF %s.",
                     {frete, numero}));
    }
}

void ProcessadorRegistro70::ConferirNota(const std::string& linha, std::string_view numero) {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    MensagensCritica& mensagens = contexto_.mensagens;
    const bool leiauteAntigo = declaracao.codigoConvenio == 1;
    cfop_.SetTexto(Colunas(linha, 52, leiauteAntigo ? 3 : 4));
    const ValoresNota valores{leiauteAntigo ? MonetarioDoCampo(linha, 55, 14, 2) : MonetarioDoCampo(linha, 56, 13, 2),
                              MonetarioDoCampo(linha, 69, 14, 2), MonetarioDoCampo(linha, 97, 14, 2),
                              MonetarioDoCampo(linha, 111, 14, 2)};
    const Moeda icms = MonetarioDoCampo(linha, 83, 14, 2);
    const bool freteFob = Colunas(linha, 125, 1) == "2";

    if (cfop_.IsSaida()) objetos_.vlrRegistros.reg70.Adicionar(valores.total);
    if (cfop_.IsEntrada()) {
        declaracao.creditosEntradas70 += icms;
        objetos_.complementos.simplesNacional->AcumularEntrada(valores.total);
        if (freteFob) objetos_.complementos.epp->AcumularAquisicao(cfop_.Codigo(), valores.total);
    }

    const Moeda soma = valores.Soma();
    if (valores.total != soma) {
        const std::string_view dataLida = Colunas(linha, 31, 8);
        const std::string data = DataDaNota(dataLida).value_or(std::string(dataLida));
        if (valores.total > soma) {
            mensagens.ListaRejeicoes.push_back(MensagemDiferencaValores("REJEIÇÃO", 70, ">", valores, numero, dataLida));
        }
        if (valores.total != Moeda()) {
            const std::int64_t divergencia = DivergenciaRelativa(valores.total, soma);
            if (divergencia > kDivergenciaMaxima) {
                mensagens.ListaRejeicoes.push_back(
                    "REJEIÇÃO (Reg 70): ValorContabil(VC) <> BaseCalculo(BC) + Isentas(I) + Outras(O) e o percentual "
                    "encontrado de " + PercentualDaDivergencia(divergencia) +
                    "% ao resolver a expressão |{[(BC + I + O) - VC]/VC * 100}| é superior a 100% em uma operação com "
                    "o CFOP " + cfop_.Texto() + ". Valores encontrados: " + ValoresEncontrados(valores, numero, data));
            } else {
                mensagens.ListaAdvertencias.push_back(
                    "ADVERTÊNCIA (Reg 70): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP " +
                    cfop_.Texto() + ". Valores encontrados: " + ValoresEncontrados(valores, numero, data));
            }
        }
    }

    if (cfop_.IsSaida()) {
        declaracao.debitosSaidas70 += icms;
        objetos_.complementos.epp->AcumularSaida(cfop_.Codigo(), valores.total);
    }
}

}  // namespace zq
