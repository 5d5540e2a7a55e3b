#include "critique/handlers/ProcessadorRegistro76.h"

#include "critique/totais/CalculosCritica.h"
#include "critique/totais/DiferencaValores.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Texto.h"

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
        registro_.SetLinha(linha.texto);
        ConferirNota(linha.texto);
    } catch (const std::exception&) {
        contexto_.mensagens.ListaRejeicoes.push_back(std::string("REJEIÇÃO: Reg 76: Erro ao validar nota fiscal NF: ")
                                                         .append(Colunas(linha.texto, 37, 10))
                                                         .append(" Data: ")
                                                         .append(Colunas(linha.texto, 52, 8)));
    }
}

void ProcessadorRegistro76::ConferirNota(const std::string& linha) {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    MensagensCritica& mensagens = contexto_.mensagens;
    const TCfop& cfop = registro_.Cfop();
    const char situacao = registro_.Situacao();
    const ValoresNota valores{registro_.ValorTotal(), registro_.BaseCalculo(), registro_.Isentas(), registro_.Outras()};
    const std::string_view cnpj = Colunas(linha, 3, 14);
    const std::string_view data = Colunas(linha, 52, 8);
    const std::string numero = registro_.NumeroTexto();

    if (cfop.IsSaida()) objetos_.vlrRegistros.reg76.Adicionar(valores.total);
    if (Abs(valores.total - valores.Soma()) > kToleranciaValores && !CfopSemConferenciaDeValores(cfop.Texto())) {
        mensagens.ListaAdvertencias.push_back(MensagemDiferencaValores(
            "ADVERTÊNCIA", 76, "<>", valores, numero, DataDMA(registro_.DataEmissao(), data)));
    }

    bool creditoTransferencia = true;
    if (CfopForaDaListaC(cfop.Texto()) && registro_.InscricaoEstadual() == "ISENTO") creditoTransferencia = false;
    if (cnpj.size() == 14 && ValidarCpf(cnpj.substr(3))) {
        creditoTransferencia = false;
    } else if (registro_.Uf() != "EX" && !ValidarCnpj(cnpj)) {
        mensagens.ListaAdvertencias.push_back(std::string("(Reg 50) CNPJ Inválido: ")
                                                  .append(cnpj)
                                                  .append(" NF: ")
                                                  .append(numero)
                                                  .append(" Data: ")
                                                  .append(data));
        creditoTransferencia = false;
    }

    if ((cfop.IsEntrada() && CfopForaDaListaC(cfop.Texto()) && situacao == 'N') || situacao == 'E') {
        declaracao.creditosEntradas50e76 += registro_.ValorIcms();
    }
    if (cfop.IsSaida() && !CfopTransferenciaEnviada(cfop.Codigo())) {
        declaracao.debitosSaidas50e76 += registro_.ValorIcms();
    }
    if (!creditoTransferencia &&
        (CfopTransferenciaRecebida(cfop.Codigo()) || CfopTransferenciaEnviada(cfop.Codigo()))) {
        mensagens.ListaAdvertencias.push_back(std::string("ADVERTÊNCIA (Reg.76): Emitente/Destinatário informado pelo "
                                                          "CNPJ/CPF:")
                                                  .append(cnpj)
                                                  .append(" - Inscrição: ")
                                                  .append(registro_.InscricaoEstadual())
                                                  .append(" na NF: ")
                                                  .append(numero)
                                                  .append(" Data: ")
                                                  .append(data)
                                                  .append(". (Não gera crédito para Tranferência) "));
    }
}

}  // namespace zq
