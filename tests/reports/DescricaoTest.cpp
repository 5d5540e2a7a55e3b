// The page descriptions of the reports, read as they are before any drawing: page totals and page breaks of the
// receipt print, the rows of a Dados Anuais receipt, the size texts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "reports/descricao/FormatosRelatorio.h"
#include "reports/recibos/QRRecNoldeNet.h"

namespace zq {
namespace {

using namespace std::chrono;
using testing::Contains;
using testing::Not;

constexpr local_seconds kAgora = local_days{year{2018} / 6 / 15} + hours{9};

TLinhaRelatorio ReciboGim() {
    TLinhaRelatorio linha;
    linha.Inscricao = "161234569";
    linha.RazaoSocial = "DISTRIBUIDORA EXEMPLO";
    linha.AnoMesGim = "2017-05";
    linha.TipoGim = "N";
    linha.EhSimples = false;
    linha.DataHoraApresentacao = local_days{year{2017} / 6 / 10} + hours{10};
    linha.CodigoDados = "0123456789ABCDEF0123456789ABCDEF";
    linha.CodigoRecibo = "FEDCBA9876543210FEDCBA9876543210";
    return linha;
}

TDocumentoRelatorio Comprovante(const std::vector<TLinhaRelatorio>& linhas, std::size_t recibos) {
    TTabelaRelatorio tabela = CriarTblRelatorio();
    for (const auto& linha : linhas) tabela.Acrescentar(linha);
    return TQRRecNoldeNet({.Titulo = "Validador XAR-ZQ", .Versao = "1.0.0.0"},
                          {.Nome = "decl.sfn", .Tamanho = 2048, .DataHora = kAgora}, recibos, kAgora)
        .Descrever(tabela);
}

std::vector<std::string> TextosUtf8(const TPaginaRelatorio& pagina) {
    std::vector<std::string> textos;
    for (const auto& banda : pagina.Bandas) {
        for (const auto& texto : banda.Textos) textos.push_back(Cp1252ParaUtf8(texto.Texto));
    }
    return textos;
}

std::size_t Detalhes(const TPaginaRelatorio& pagina) {
    return static_cast<std::size_t>(std::count_if(pagina.Bandas.begin(), pagina.Bandas.end(),
                                                  [](const auto& banda) { return banda.Nome == "detalhe"; }));
}

TEST(DescricaoComprovante, OnzeDetalhesPorPaginaEOTotalDePaginasNoCabecalho) {
    struct Caso {
        std::size_t recibos;
        std::vector<std::size_t> detalhesPorPagina;
    };
    const std::vector<Caso> casos = {{1, {1}}, {11, {11}}, {12, {11, 1}}, {22, {11, 11}}, {23, {11, 11, 1}}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.recibos);
        const TDocumentoRelatorio documento = Comprovante(std::vector(caso.recibos, ReciboGim()), caso.recibos);
        ASSERT_EQ(documento.Paginas.size(), caso.detalhesPorPagina.size());
        char total[8];
        std::snprintf(total, sizeof total, "%2zu", caso.detalhesPorPagina.size());
        for (std::size_t i = 0; i < documento.Paginas.size(); ++i) {
            const TPaginaRelatorio& pagina = documento.Paginas[i];
            EXPECT_EQ(Detalhes(pagina), caso.detalhesPorPagina[i]);
            EXPECT_EQ(pagina.Bandas.front().Nome, "cabecalho");
            EXPECT_THAT(TextosUtf8(pagina), Contains("Página: " + std::to_string(i + 1) + " de " + total));
            // Everything inside the bottom margin.
            const TBandaRelatorio& ultima = pagina.Bandas.back();
            EXPECT_LE(ultima.Topo + ultima.Altura, documento.AlturaPagina - documento.MargemInferior);
        }
        EXPECT_EQ(documento.Paginas.back().Bandas.back().Nome, "resumo");
    }
}

TEST(DescricaoComprovante, FraseDoResumoConformeOsRecibosEscolhidos) {
    struct Caso {
        std::size_t impressos;
        std::size_t recibos;
        std::string frase;
    };
    const std::vector<Caso> casos = {
        {3, 3, "Declarações contidas no arquivo: 3"},
        {1, 3, "A declaração acima representa 1 das 3 contidas no arquivo"},
        {2, 5, "As declarações acima representam 2 das 5 contidas no arquivo"},
    };
    for (const Caso& caso : casos) {
        const TDocumentoRelatorio documento = Comprovante(std::vector(caso.impressos, ReciboGim()), caso.recibos);
        EXPECT_THAT(TextosUtf8(documento.Paginas.back()), Contains(caso.frase));
    }
}

TEST(DescricaoComprovante, DadosAnuaisSemRegimeEComOAnoPorPeriodo) {
    TLinhaRelatorio anuais = ReciboGim();
    anuais.TipoGim.reset();
    anuais.AnoMesGim.reset();
    anuais.EhSimples.reset();
    anuais.AnoDadosAnuais = "2016";
    anuais.TipoDadosAnuais = "N";
    TLinhaRelatorio simples = ReciboGim();
    simples.TipoGim = "R";
    simples.EhSimples = true;

    const TDocumentoRelatorio documento = Comprovante({anuais, simples}, 2);
    const std::vector<std::string> textos = TextosUtf8(documento.Paginas.front());
    EXPECT_THAT(textos, Contains("2016"));  // the period of the header, from the page's first row
    EXPECT_THAT(textos, Not(Contains("2017-05")));
    const auto& bandas = documento.Paginas.front().Bandas;
    const auto linha = [&](std::size_t detalhe) {
        std::vector<std::string> textos;
        std::size_t visto = 0;
        for (const auto& banda : bandas) {
            if (banda.Nome != "detalhe" || visto++ != detalhe) continue;
            for (const auto& texto : banda.Textos) {
                if (texto.Y < banda.Topo + 1) textos.push_back(Cp1252ParaUtf8(texto.Texto));
            }
        }
        return textos;
    };
    using Textos = std::vector<std::string>;
    EXPECT_EQ(linha(0), (Textos{"00001", "16.123.456-9", "DISTRIBUIDORA EXEMPLO", "Dados anuais", ""}));
    EXPECT_EQ(linha(1), (Textos{"00002", "16.123.456-9", "DISTRIBUIDORA EXEMPLO", "RETIFICADORA", "Simples Nacional"}));
}

TEST(FormatosRelatorio, TamanhoDoArquivoEmUnidadesInteiras) {
    const std::vector<std::pair<std::int64_t, std::string>> casos = {
        {0, "0 bytes"},          {1024, "1024 bytes"},       {1025, "1 kBytes"},
        {2048, "2 kBytes"},      {1048576, "1024 kBytes"},   {1048577, "1 MBytes"},
        {1073741824, "1024 MBytes"}, {1073741825, "1 GBytes"}, {5368709120, "5 GBytes"},
    };
    for (const auto& [bytes, texto] : casos) EXPECT_EQ(TextoTamanhoArquivo(bytes), texto) << bytes;
}

TEST(FormatosRelatorio, ValoresTaxasEMascaras) {
    EXPECT_EQ(TextoValor(Moeda::DeCentavos(-123456)), "-1.234,56");
    EXPECT_EQ(TextoValor(Moeda()), "0,00");
    EXPECT_EQ(TextoValor(Moeda::DeUnidades(1234567895)), "123.456,79");  // four decimals rounded to two
    EXPECT_EQ(TextoValor(std::nullopt), "");
    EXPECT_EQ(TextoPercentual(3.5), "3,50%");
    EXPECT_EQ(TextoPercentual(0.0), "0,00%");
    EXPECT_EQ(TextoInscricao(std::string("161234569")), "16.123.456-9");
    EXPECT_EQ(TextoInscricao(std::string("1612")), "16.12_.___-_");
    EXPECT_EQ(TextoCrc(std::string("ZQ123456O7")), "ZQ 123.456/O-7");
    EXPECT_EQ(TextoCrc(std::string("")), "");
}

}  // namespace
}  // namespace zq
