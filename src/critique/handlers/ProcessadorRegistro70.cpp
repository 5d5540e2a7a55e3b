#include "critique/handlers/ProcessadorRegistro70.h"

#include "critique/totais/CalculosCritica.h"
#include "critique/totais/DiferencaValores.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

// Above 100 % of divergence between the total and its parts the document is rejected.
constexpr std::int64_t kDivergenciaMaxima = 10000;

bool FretePermitido(char modalidade) { return modalidade == '0' || modalidade == '1' || modalidade == '2'; }

}  // namespace

void ProcessadorRegistro70::Processar(const LinhaCritica& linha) {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    ++declaracao.quantidade70;
    declaracao.existe70 = true;
    try {
        const bool leiauteAntigo = declaracao.codigoConvenio == 1;
        if (registro_.LeiauteAntigo() != leiauteAntigo) registro_.SetLeiauteAntigo(leiauteAntigo);
        registro_.SetLinha(linha.texto);
        const char situacao = registro_.Situacao();
        if (situacao == 'N' || situacao == 'E') {
            ConferirNota();
        } else if (!SituacaoCancelada(situacao)) {
            contexto_.mensagens.ListaRejeicoes.push_back(
                Formatar("REJEIÇÃO (Reg.70): Foi encontrada uma situação do documento fiscal (campo 17) não prevista. "
                         "A situação encontrada foi '%s' na NF %s.",
                         {Colunas(linha.texto, 126, 1), registro_.NumeroTexto()}));
        }
        if (!FretePermitido(registro_.CifFob())) {
            contexto_.mensagens.ListaRejeicoes.push_back(
                Formatar("REJEIÇÃO (Reg.70): A modalidade do frete informada não é permitida. Informada: '%s' na NF "
                         "%s.",
                         {Colunas(linha.texto, 125, 1), registro_.NumeroTexto()}));
        }
    } catch (const std::exception&) {
        // A record 70 that cannot be read is left to the national validator.
    }
}

void ProcessadorRegistro70::ConferirNota() {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    MensagensCritica& mensagens = contexto_.mensagens;
    const TCfop& cfop = registro_.Cfop();
    const ValoresNota valores{registro_.ValorTotal(), registro_.BaseCalculo(), registro_.Isentas(), registro_.Outras()};

    if (cfop.IsSaida()) objetos_.vlrRegistros.reg70.Adicionar(valores.total);
    if (cfop.IsEntrada()) {
        declaracao.creditosEntradas70 += registro_.ValorIcms();
        objetos_.complementos.simplesNacional->AcumularEntrada(valores.total);
        if (registro_.CifFob() == '2') objetos_.complementos.epp->AcumularAquisicao(cfop.Codigo(), valores.total);
    }

    const Moeda soma = valores.Soma();
    if (valores.total != soma) {
        const std::string numero = registro_.NumeroTexto();
        const std::string data = DataDMA(registro_.DataEmissao(), Colunas(registro_.Linha(), 31, 8));
        if (valores.total > soma) {
            mensagens.ListaRejeicoes.push_back(MensagemDiferencaValores("REJEIÇÃO", 70, ">", valores, numero, data));
        }
        if (valores.total != Moeda()) {
            const std::int64_t divergencia = DivergenciaRelativa(valores.total, soma);
            if (divergencia > kDivergenciaMaxima) {
                mensagens.ListaRejeicoes.push_back(
                    "REJEIÇÃO (Reg 70): ValorContabil(VC) <> BaseCalculo(BC) + Isentas(I) + Outras(O) e o percentual "
                    "encontrado de " + PercentualDaDivergencia(divergencia) +
                    "% ao resolver a expressão |{[(BC + I + O) - VC]/VC * 100}| é superior a 100% em uma operação com "
                    "o CFOP " + cfop.Texto() + ". Valores encontrados: " + ValoresEncontrados(valores, numero, data));
            } else {
                mensagens.ListaAdvertencias.push_back(
                    "ADVERTÊNCIA (Reg 70): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP " +
                    cfop.Texto() + ". Valores encontrados: " + ValoresEncontrados(valores, numero, data));
            }
        }
    }

    if (cfop.IsSaida()) {
        declaracao.debitosSaidas70 += registro_.ValorIcms();
        objetos_.complementos.epp->AcumularSaida(cfop.Codigo(), valores.total);
    }
}

}  // namespace zq
