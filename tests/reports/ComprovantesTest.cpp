// The receipt print of a transmission file through "xrazq comprovantes", read back from its PDF.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reports/RelatorioPdf.h"
#include "selection/Transmissao.h"
#include "selection/Xrazq.h"
#include "support/DeclaracaoMensal.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;
using testing::HasSubstr;

class Comprovantes : public testing::Test {
protected:
    void SetUp() override { GravarArquivo(pasta_ / "maio.txt", DeclaracaoMensal().Texto()); }

    std::string Sfn() const { return (pasta_ / "decl.sfn").string(); }
    fs::path Pdf() const { return pasta_ / "comprovantes.pdf"; }

    // A transmission of 05/2017 with `quantidade` copies of the month's declaration, each with its receipt.
    void Escrever(int quantidade, bool comRecibos = true) {
        std::string registros, recibos;
        for (int i = 0; i < quantidade; ++i) {
            registros += std::string(i ? "," : "") + R"({"ie": "161234569", "txt": ")" +
                         (pasta_ / "maio.txt").string() + R"("})";
            recibos += std::string(i ? "," : "") + R"({"ie": "161234569", "registro": )" + std::to_string(i) + "}";
        }
        std::string json = R"({"sfn": ")" + Sfn() + R"(", "id": 15, "periodo": "01052017", "registros": [)" +
                           registros + "]";
        if (comRecibos) json += R"(, "recibos": [)" + recibos + "]";
        codigos_ = EscreverTransmissao(json + "}");
    }
    ExecucaoXrazq Executar(std::vector<std::string> opcoes = {}) {
        std::vector<std::string> argumentos = {"comprovantes", Sfn(), Pdf().string()};
        argumentos.insert(argumentos.end(), opcoes.begin(), opcoes.end());
        return Xrazq(argumentos, temporaria_.Caminho());
    }
    PdfLido Impressao(std::vector<std::string> opcoes = {}) {
        const ExecucaoXrazq execucao = Executar(std::move(opcoes));
        EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
        EXPECT_EQ(execucao.saida, Pdf().string() + "\n");
        return LerPdf(Pdf());
    }

    PastaTeste pasta_;
    PastaTeste temporaria_;
    std::vector<std::string> codigos_;
};

TEST_F(Comprovantes, FraseFinalDeTodosOuDeUmRecibo) {
    Escrever(3);
    struct Caso {
        std::vector<std::string> opcoes;
        std::string frase;
        std::vector<std::string> ordens;
    };
    const std::vector<Caso> casos = {
        {{}, "Declarações contidas no arquivo: 3", {"00001", "00002", "00003"}},
        {{"--linha", "2"}, "A declaração acima representa 1 das 3 contidas no arquivo", {"00001"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.frase);
        const PdfLido pdf = Impressao(caso.opcoes);
        ASSERT_EQ(pdf.paginas.size(), 1u) << pdf.Texto();
        EXPECT_EQ(pdf.Linha(caso.frase), caso.frase);
        for (const auto& ordem : caso.ordens) {
            EXPECT_EQ(pdf.Linha(ordem), ordem + " 16.123.456-9 DISTRIBUIDORA DE ALIMENTOS EXEMPLO NORMAL Normal");
        }
        EXPECT_FALSE(pdf.Contem("0000" + std::to_string(caso.ordens.size() + 1)));
    }
}

TEST_F(Comprovantes, CabecalhoComArquivoTransmissaoEDetalheDoRecibo) {
    Escrever(2);
    const PdfLido pdf = Impressao();
    const auto tamanho = fs::file_size(Sfn());
    ASSERT_GT(tamanho, 1024u);
    ASSERT_LE(tamanho, 1048576u);
    // The current date and time at the right.
    EXPECT_THAT(pdf.Linha("Secretaria de Estado"),
                testing::MatchesRegex("Secretaria de Estado da Receita da Corvena - XAR-ZQ [0-9/]{10} [0-9:]{8}"));
    EXPECT_EQ(pdf.Linha("Comprovante de"), "Comprovante de Transmissão de GIM e/ou Dados Anuais");
    EXPECT_EQ(pdf.Linha("Página:"), "Página: 1 de 1");
    EXPECT_EQ(pdf.Linha("Período das declarações:"), "Período das declarações: 2017-05");
    EXPECT_EQ(pdf.Linha("Data da transmissão:"), "Data da transmissão: 10/01/2016 10:20:30");
    EXPECT_EQ(pdf.Linha("Nome:"), "Nome: decl.sfn");
    EXPECT_EQ(pdf.Linha("Tamanho:"), "Tamanho: " + std::to_string(tamanho / 1024) + " kBytes");
    EXPECT_THAT(pdf.Linha("Criação:"), testing::MatchesRegex("Criação: [0-9]{2}/[0-9]{2}/[0-9]{4} [0-9:]{8}"));
    EXPECT_THAT(pdf.Texto(), HasSubstr(codigos_[0]));
    EXPECT_EQ(pdf.Linha("contadora@exemplo.com.br"), "contadora@exemplo.com.br ZQ 123.456/O-7 MARIA CONTADORA");
    EXPECT_EQ(pdf.Linha("Validador XAR-ZQ"), "Validador XAR-ZQ (Versão 1.0.0.0)");
    EXPECT_EQ(pdf.Linha("procure"), "procure o setor responsável.");
    EXPECT_THAT(FontesPdf(Pdf()), testing::ContainsRegex("LiberationSans +CID TrueType +Identity-H +yes"));
}

TEST_F(Comprovantes, DozeRecibosEmDuasPaginasComCabecalhoEmCada) {
    Escrever(12);
    const PdfLido pdf = Impressao();
    ASSERT_EQ(pdf.paginas.size(), 2u);
    EXPECT_THAT(pdf.paginas[0], HasSubstr("00011"));
    EXPECT_THAT(pdf.paginas[1], HasSubstr("00012"));
    for (std::size_t i = 0; i < 2; ++i) {
        const PdfLido pagina{{pdf.paginas[i]}};
        EXPECT_EQ(pagina.Linha("Página:"), "Página: " + std::to_string(i + 1) + " de 2");
        EXPECT_TRUE(pagina.Contem("INFORMAÇÕES SOBRE O ARQUIVO TRANSMITIDO:"));
    }
    EXPECT_THAT(pdf.paginas[1], HasSubstr("Declarações contidas no arquivo: 12"));
}

TEST_F(Comprovantes, ModoConferenciaImprimeORelatorioDasDeclaracoes) {
    Escrever(3);
    struct Caso {
        std::vector<std::string> opcoes;
        std::size_t paginas;
    };
    for (const Caso& caso : std::vector<Caso>{{{"--conferencia"}, 3}, {{"--linha", "3", "--conferencia"}, 1}}) {
        const PdfLido pdf = Impressao(caso.opcoes);
        EXPECT_EQ(pdf.paginas.size(), caso.paginas);
        EXPECT_TRUE(pdf.Contem("RELATÓRIO PARA SIMPLES CONFERÊNCIA"));
        EXPECT_FALSE(pdf.Contem("Comprovante de Transmissão"));
    }
}

TEST_F(Comprovantes, ErrosDeUsoEDeArquivoSemPdf) {
    Escrever(3);
    struct Caso {
        std::vector<std::string> argumentos;
        int resultado;
        std::string erro;  // the first line of standard error
    };
    const std::vector<Caso> casos = {
        {{"comprovantes", Sfn(), Pdf().string(), "--linha", "4"}, 1,
         "Linha 4 não existe: o arquivo tem 3 recibos aceitos."},
        {{"comprovantes", Sfn(), Pdf().string(), "--linha", "0"}, 2,
         "xrazq: linha inválida: '0' (use um número a partir de 1)"},
        {{"comprovantes", Sfn(), Pdf().string(), "--linha", "-1"}, 2,
         "xrazq: linha inválida: '-1' (use um número a partir de 1)"},
        {{"comprovantes", Sfn(), Pdf().string(), "--linha"}, 2, "xrazq: falta o valor de --linha"},
        {{"comprovantes", Sfn(), Pdf().string(), "--tipo", "gim"}, 2, "xrazq: opção desconhecida: --tipo"},
        {{"comprovantes", Sfn()}, 2, "xrazq: falta SAIDA.pdf"},
        {{"conferencia", pasta_.Caminho().string()}, 2, "xrazq: falta SAIDA.pdf"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.erro);
        const ExecucaoXrazq execucao = Xrazq(caso.argumentos, temporaria_.Caminho());
        EXPECT_EQ(execucao.resultado, caso.resultado);
        EXPECT_EQ(execucao.erros.substr(0, execucao.erros.find('\n')), caso.erro);
        EXPECT_FALSE(fs::exists(Pdf()));
    }

    fs::remove(pasta_ / "decl.rcb");
    Escrever(2, false);
    const ExecucaoXrazq semRecibos = Executar();
    EXPECT_EQ(semRecibos.resultado, 1);
    EXPECT_EQ(semRecibos.erros,
              "O arquivo '" + Sfn() + "' não tem arquivo de recibos (.rcb): não há comprovantes a imprimir.\n");
    EXPECT_FALSE(fs::exists(Pdf()));
}

}  // namespace
}  // namespace zq
