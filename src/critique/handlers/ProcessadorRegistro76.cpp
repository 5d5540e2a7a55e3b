#include "critique/handlers/ProcessadorRegistro76.h"

#include "critique/totais/CalculosCritica.h"
#include "critique/totais/DiferencaValores.h"
#include "record-model/campos/Cfop.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Texto.h"
#include "record-model/totais/TabelasCfop.h"

namespace zq {
namespace {

constexpr Moeda kToleranciaValores = Moeda::DeReais(9);

bool CfopTransferenciaRecebida(int cfop) { return cfop == 1601 || cfop == 1602 || cfop == 1603 || cfop == 2603; }
bool CfopTransferenciaEnviada(int cfop) { return cfop == 5601 || cfop == 5602 || cfop == 5603 || cfop == 6603; }

}  // namespace

void ProcessadorRegistro76::Processar(const LinhaCritica& linha) {
    ++contexto_.declaracao.quantidade76;
    const std::string_view situacao = Colunas(linha.texto, 126, 1);
    if (situacao != "N" && situacao != "E") return;
    if (contexto_.declaracao.codigoConvenio == 1) {
        contexto_.mensagens.ListaRejeicoes.push_back("REJEIÇÃO: Reg 76: Código do Convênio Inválido!");
        return;
    }
    try {
        ConferirNota(linha.texto, situacao.front());
    } catch (const std::exception&) {
        contexto_.mensagens.ListaRejeicoes.push_back(std::string("REJEIÇÃO: Reg 76: Erro ao validar nota fiscal NF: ")
                                                         .append(Colunas(linha.texto, 37, 10))
                                                         .append(" Data: ")
                                                         .append(Colunas(linha.texto, 52, 8)));
    }
}

void ProcessadorRegistro76::ConferirNota(const std::string& linha, char situacao) {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    MensagensCritica& mensagens = contexto_.mensagens;
    const std::string_view cnpj = Colunas(linha, 3, 14);
    const std::string_view inscricao = Colunas(linha, 17, 14);
    const std::string_view numero = Colunas(linha, 37, 10);
    cfop_.SetTexto(Colunas(linha, 47, 4));
    const std::string_view data = Colunas(linha, 52, 8);
    const std::string_view uf = Colunas(linha, 60, 2);
    const ValoresNota valores{MonetarioDoCampo(linha, 62, 13, 2), MonetarioDoCampo(linha, 75, 13, 2),
                              MonetarioDoCampo(linha, 100, 12, 2), MonetarioDoCampo(linha, 112, 12, 2)};
    const Moeda icms = MonetarioDoCampo(linha, 88, 12, 2);

    if (cfop_.IsSaida()) objetos_.vlrRegistros.reg76.Adicionar(valores.total);
    if (Abs(valores.total - valores.Soma()) > kToleranciaValores && !CfopSemConferenciaDeValores(cfop_.Texto())) {
        mensagens.ListaAdvertencias.push_back(MensagemDiferencaValores("ADVERTÊNCIA", 76, "<>", valores, numero, data));
    }

    bool creditoTransferencia = true;
    if (CfopForaDaListaC(cfop_.Texto()) && Aparar(inscricao) == "ISENTO") creditoTransferencia = false;
    if (cnpj.size() == 14 && ValidarCpf(cnpj.substr(3))) {
        creditoTransferencia = false;
    } else if (uf != "EX" && !ValidarCnpj(cnpj)) {
        mensagens.ListaAdvertencias.push_back(std::string("(Reg 50) CNPJ Inválido: ")
                                                  .append(cnpj)
                                                  .append(" NF: ")
                                                  .append(numero)
                                                  .append(" Data: ")
                                                  .append(data));
        creditoTransferencia = false;
    }

    if ((cfop_.IsEntrada() && CfopForaDaListaC(cfop_.Texto()) && situacao == 'N') || situacao == 'E') {
        declaracao.creditosEntradas50e76 += icms;
    }
    if (cfop_.IsSaida() && !CfopTransferenciaEnviada(cfop_.Codigo())) declaracao.debitosSaidas50e76 += icms;
    if (!creditoTransferencia &&
        (CfopTransferenciaRecebida(cfop_.Codigo()) || CfopTransferenciaEnviada(cfop_.Codigo()))) {
        mensagens.ListaAdvertencias.push_back(std::string("ADVERTÊNCIA (Reg.76): Emitente/Destinatário informado pelo "
                                                          "CNPJ/CPF:")
                                                  .append(cnpj)
                                                  .append(" - Inscrição: ")
                                                  .append(inscricao)
                                                  .append(" na NF: ")
                                                  .append(numero)
                                                  .append(" Data: ")
                                                  .append(data)
                                                  .append(". (Não gera crédito para Tranferência) "));
    }
}

}  // namespace zq
