// The conference report through "xrazq conferencia", read back from its PDF.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reports/RelatorioPdf.h"
#include "selection/Declaracoes.h"
#include "selection/Xrazq.h"
#include "support/DeclaracaoMensal.h"
#include "support/Registros88.h"
#include "support/RegistrosApuracao88.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;
using testing::HasSubstr;
using testing::Not;

class Conferencia : public testing::Test {
protected:
    // A media ZIP of the folder holding the declaration.
    void Midia(const std::string& nome, const DeclaracaoMensal& declaracao) {
        GravarMidia(midias_ / (nome + ".zip"), MidiaTeste{.txt = declaracao.Texto()});
    }
    ExecucaoXrazq Executar(std::vector<std::string> opcoes = {}) {
        std::vector<std::string> argumentos = {"conferencia", midias_.Caminho().string(), Pdf().string()};
        argumentos.insert(argumentos.end(), opcoes.begin(), opcoes.end());
        return Xrazq(argumentos, temporaria_.Caminho());
    }
    // The report of the folder's declarations; an empty reading when xrazq failed.
    PdfLido Relatorio(std::vector<std::string> opcoes = {}) {
        const ExecucaoXrazq execucao = Executar(std::move(opcoes));
        EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
        EXPECT_EQ(execucao.saida, Pdf().string() + "\n");
        return LerPdf(Pdf());
    }
    fs::path Pdf() const { return saida_ / "conferencia.pdf"; }

    PastaTeste midias_;
    PastaTeste saida_;
    PastaTeste temporaria_;
};

DeclaracaoMensal ComGim(std::vector<std::string> gim) {
    DeclaracaoMensal declaracao;
    declaracao.gim = std::move(gim);
    return declaracao;
}

TEST_F(Conferencia, BandasConformeODeclarado) {
    struct Caso {
        std::string nome;
        DeclaracaoMensal declaracao;
        std::vector<std::string> impressos;
        std::vector<std::string> ausentes;
    };
    const std::string normal = "CÁLCULO DO ICMS NORMAL", epp = "CÁLCULO DO ICMS EPP",
                      simples = "DADOS DA DECLARAÇÃO SIMPLES NACIONAL", st = "CÁLCULO DO ICMS SUBSTITUIÇÃO TRIBUTÁRIA",
                      movimento = "INFORMAÇÕES ECONÔMICO-FISCAIS", funcep = "FUNCEP", anuais = "DADOS ANUAIS",
                      apresentacao = "DADOS DE APRESENTAÇÃO DA DECLARAÇÃO";
    const Registro8814 apuracaoEpp{.baseEfetiva = 500000, .percentualRecolhimento = 35, .impostoDevido = 17500,
                                   .creditoPresumido = 2500, .impostoARecolher = 15000};
    const std::vector<Caso> casos = {
        {"GIM normal com FUNCEP", DeclaracaoMensal(), {"Contribuinte:", normal, st, movimento, funcep, apresentacao},
         {epp, simples, anuais}},
        {"GIM normal sem 8816",
         ComGim({Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0}), Gim88("02", {34850, 0, 0, 0, 0, 0, 0, 0}), Gim8804('1'),
                 Gim8805()}),
         {normal, movimento, apresentacao},
         {funcep, epp, simples}},
        {"Dados Anuais somente",
         ComGim({Gim8805(), Registro8806{.ano = "2016", .valores = {123456, 0, 0, 0, 0, 0, 0, 0}}.Linha()}),
         {"Contribuinte:", "DADOS ANUAIS NORMAIS - Ano: 2016", "Estoque Tributável......:", apresentacao},
         {"Tipo de declaração:", normal, epp, simples, st, movimento, funcep, "OUTRAS INFORMAÇÕES"}},
        {"GIM EPP", ComGim({Gim8804('7'), Gim8805(), apuracaoEpp.Linha()}),
         {epp, "Base de recolhimento efetiva", "(-) Imposto a recolher..........:", movimento},
         {normal, simples, funcep}},
        {"Simples Nacional com campos de EPP",
         ComGim({Gim8804('7'), Gim8805(), apuracaoEpp.Linha(),
                 Registro8818{.faturamento = 9876543, .aliquota = 350, .categoria = '2'}.Linha()}),
         {simples, "Categoria..............:", "Filial", "Faturamento............:", movimento},
         {normal, epp}},
        {"GIM e Dados Anuais",
         ComGim({Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0}), Gim88("02", {34850, 0, 0, 0, 0, 0, 0, 0}), Gim8804('1'),
                 Gim8805(), Registro8806{.ano = "2016", .tipo = 'R'}.Linha()}),
         {normal, movimento, "DADOS ANUAIS RETIFICADORES - Ano: 2016"},
         {funcep}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        PastaTeste pasta;
        fs::remove_all(midias_.Caminho() / "m.zip");
        Midia("m", caso.declaracao);
        const PdfLido pdf = Relatorio();
        for (const auto& texto : caso.impressos) EXPECT_TRUE(pdf.Contem(texto)) << texto << "\n" << pdf.Texto();
        for (const auto& texto : caso.ausentes) EXPECT_FALSE(pdf.Contem(texto)) << texto << "\n" << pdf.Texto();
    }
}

TEST_F(Conferencia, ResultadoDaApuracaoComLegendaDoSinal) {
    struct Caso {
        long long creditos;  // against debits of 348,50
        std::string linha;
    };
    const std::vector<Caso> casos = {
        {158306, "(+) Apuração do resultado (SALDO CREDOR).....: 1.234,56"},
        {34850, "(+) Apuração do resultado (SALDO CREDOR).....: 0,00"},
        {14800, "(-) Apuração do resultado (IMPOSTO A PAGAR).....: 200,50"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.linha);
        DeclaracaoMensal declaracao;
        declaracao.gim[0] = Gim88("01", {caso.creditos, 0, 0, 0, 0, 0, 0, 0});
        fs::remove_all(midias_.Caminho() / "m.zip");
        Midia("m", declaracao);
        const PdfLido pdf = Relatorio();
        EXPECT_EQ(pdf.Linha(caso.linha.substr(0, 3) + " Apuração do resultado"), caso.linha) << pdf.Texto();
    }
}

TEST_F(Conferencia, MovimentoSemCanceladasNem61RNem60ForaDoA) {
    DeclaracaoMensal declaracao;
    // A cancelled sale and a cancelled purchase, a talão summary by item (61R) and a fiscal printer's day
    // record (60D): none of them changes a total.
    declaracao.notas.push_back({.numero = 9, .total = 99999, .base = 99999, .icms = 17000, .situacao = 'S'});
    declaracao.notas.push_back(
        {.cnpj = "44555666000181", .numero = 77, .cfop = "1102", .emitente = 'T', .total = 55555, .situacao = 'S'});
    declaracao.substituicoes.push_back("61R052017" + std::string("P000001       ") + Digitos(1000, 13) +
                                       Digitos(77777, 16) + Digitos(77777, 16) + "1700");
    declaracao.substituicoes.push_back("60D20170515" + Ajustado("ECF0001", 20) + Ajustado("P000001", 14) +
                                       Digitos(1000, 13) + Digitos(88888, 16) + Digitos(88888, 16) + "1700" +
                                       Digitos(15111, 13));
    Midia("m", declaracao);
    const PdfLido pdf = Relatorio();
    const std::vector<std::string> linhas = {
        "NF - Valor contábil........................: 800,00 1.700,00",
        "NF - Montante do ICMS......................: 136,00 289,00",
        "Talão - Valor Contábil.....................: **************** 150,00",
        "ECF - Venda Bruta..........................: **************** 300,00",
        "ECF - Base de Cálculo......................: **************** 200,00",
        "ECF - Montante do ICMS.....................: **************** 34,00",
        "ECF - Outras (CANC+DESC+ISS+F).............: **************** 100,00",
        "Transporte - Montante do ICMS / FOB........: 12,00 0,00",
    };
    for (const auto& linha : linhas) EXPECT_EQ(pdf.Linha(linha.substr(0, 20)), linha);
}

TEST_F(Conferencia, VersaoDoArquivoDoRegistro8804) {
    struct Caso {
        std::string texto;  // columns 47-86 of 8804
        std::string linha;
    };
    const std::vector<Caso> casos = {
        {"", "Versão do arquivo......: <NÃO INFORMADA>"},
        {"  GERADOR GIM 3.1 ", "Versão do arquivo......: GERADOR GIM 3.1"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto);
        DeclaracaoMensal declaracao;
        std::string linha8804 = Gim8804('1');
        linha8804.replace(46, caso.texto.size(), caso.texto);
        declaracao.gim[2] = linha8804;
        fs::remove_all(midias_.Caminho() / "m.zip");
        Midia("m", declaracao);
        EXPECT_EQ(Relatorio().Linha("Versão do arquivo"), caso.linha);
    }
}

TEST_F(Conferencia, UmaPaginaPorDeclaracaoNaOrdemDaTabelaComFontesEmbutidas) {
    DeclaracaoMensal maio;
    DeclaracaoMensal abril;
    abril.registro10.periodo = "201704";
    abril.gim = {Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0}, 'N', "201704"),
                 Gim88("02", {34850, 0, 0, 0, 0, 0, 0, 0}, 'N', "201704"), Gim8804('1', "201704"), Gim8805()};
    Midia("12345678000195_201705", maio);
    Midia("12345678000195_201704", abril);
    const PdfLido pdf = Relatorio();
    ASSERT_EQ(pdf.paginas.size(), 2u) << pdf.Texto();
    const std::string listadas = Xrazq({"selecionar", midias_.Caminho().string()}, temporaria_.Caminho()).saida;
    const bool abrilPrimeiro = listadas.find("2017-04") < listadas.find("2017-05");
    EXPECT_THAT(pdf.paginas[0], HasSubstr(abrilPrimeiro ? "2017-04" : "2017-05"));
    EXPECT_THAT(pdf.paginas[1], HasSubstr(abrilPrimeiro ? "2017-05" : "2017-04"));
    // The page header on the first page only; the program's title in it and in the presentation band.
    EXPECT_THAT(pdf.paginas[0], HasSubstr("<<< IMPORTANTE: NÃO VALE COMO RECIBO >>>"));
    EXPECT_THAT(pdf.paginas[1], Not(HasSubstr("RELATÓRIO PARA SIMPLES CONFERÊNCIA")));
    EXPECT_THAT(pdf.paginas[1], HasSubstr("Validador XAR-ZQ (Versão 1.0.0.0)"));
    EXPECT_EQ(pdf.Linha("Contador responsável"), "Contador responsável...: ZQ 123.456/O-7 MARIA CONTADORA");

    const std::string fontes = FontesPdf(Pdf());
    EXPECT_THAT(fontes, testing::ContainsRegex("LiberationMono +CID TrueType +Identity-H +yes"));
    EXPECT_THAT(fontes, testing::ContainsRegex("LiberationSans +CID TrueType +Identity-H +yes"));
}

TEST_F(Conferencia, FalhasNaoDeixamArquivo) {
    // A record 50 whose amount is not a number stops the report with the record's error.
    DeclaracaoMensal declaracao;
    declaracao.notas.push_back({.numero = 8, .total = 100, .base = 100, .icms = 17});
    std::string texto = declaracao.Texto();
    texto[texto.find("1  0000085102P") + 14] = 'X';  // the invoice's total
    GravarMidia(midias_ / "m.zip", MidiaTeste{.txt = texto});
    const ExecucaoXrazq invalido = Executar();
    EXPECT_EQ(invalido.resultado, 1);
    EXPECT_THAT(invalido.erros, testing::StartsWith("Erro ao apurar o movimento do arquivo '"));
    EXPECT_THAT(invalido.erros, HasSubstr("\nLinha 7, registro 50: Formato inválido"));
    EXPECT_FALSE(fs::exists(Pdf()));

    fs::remove(midias_ / "m.zip");
    Midia("m", DeclaracaoMensal());
    const ExecucaoXrazq vazia = Executar({"--periodo", "2016-01"});
    EXPECT_EQ(vazia.resultado, 1);
    EXPECT_EQ(vazia.erros, "Nenhuma declaração selecionada.\n");
    EXPECT_FALSE(fs::exists(Pdf()));

    const fs::path semPasta = saida_ / "nao-existe" / "c.pdf";
    const ExecucaoXrazq impossivel =
        Xrazq({"conferencia", midias_.Caminho().string(), semPasta.string()}, temporaria_.Caminho());
    EXPECT_EQ(impossivel.resultado, 1);
    EXPECT_EQ(impossivel.erros, "Não foi possível gravar o arquivo '" + semPasta.string() + "'.\n");
    EXPECT_FALSE(fs::exists(semPasta));
}

}  // namespace
}  // namespace zq
