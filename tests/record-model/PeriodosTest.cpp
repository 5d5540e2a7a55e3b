#include "record-model/comum/Periodos.h"

#include <gtest/gtest.h>

#include "platform/Relogio.h"
#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

using namespace std::chrono;

class HojeFixado : public testing::Test {
protected:
    void SetUp() override { FixarHoje(year{2018} / January / 10); }
    void TearDown() override { FixarHoje(std::nullopt); }
};

TEST(Periodos, PeriodoVazio) {
    for (const char* vazio : {"", "   ", "-", " / "}) EXPECT_TRUE(PeriodoVazio(vazio)) << vazio;
    for (const char* cheio : {"2024-03", "2024", "--"}) EXPECT_FALSE(PeriodoVazio(cheio)) << cheio;
}

TEST(Periodos, TrocasDeForma) {
    EXPECT_EQ(PeriodoParaMesAno("2024-03", "/"), "03/2024");
    EXPECT_EQ(PeriodoParaMesAno("2024-03", ""), "032024");
    EXPECT_EQ(PeriodoParaMesAno("", "/"), "");
    EXPECT_EQ(TrocarSeparador("2024-03", "/"), "2024/03");
    EXPECT_EQ(TrocarSeparador("202403", "-"), "2024-03");
    EXPECT_EQ(MesAnoParaPeriodo("032024", "-"), "2024-03");
    EXPECT_EQ(MesAnoParaPeriodo("", "-"), "");
}

TEST(Periodos, PeriodoParaData) {
    EXPECT_EQ(PeriodoParaData("2024-03"), year{2024} / March / 1);
    EXPECT_EQ(PeriodoParaData("2024/12"), year{2024} / December / 1);
    EXPECT_EQ(PeriodoParaData("202402"), year{2024} / February / 1);
    for (const char* invalido : {"2024-13", "2024-00", "2024-3", "24-03", "", "aaaa-mm"}) {
        try {
            PeriodoParaData(invalido);
            ADD_FAILURE() << invalido;
        } catch (const Excecao& erro) {
            EXPECT_EQ(erro.what(), "Período inválido (" + std::string(invalido) + "): ano e/ou mês incorreto(s)");
        }
    }
}

struct CasoSoma {
    const char* periodo;
    int meses;
    const char* separador;
    const char* esperado;
};

class SomarMesesCasos : public testing::TestWithParam<CasoSoma> {};

TEST_P(SomarMesesCasos, Soma) {
    EXPECT_EQ(SomarMeses(GetParam().periodo, GetParam().meses, GetParam().separador), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SomarMesesCasos,
    testing::Values(CasoSoma{"2024-01", -1, "-", "2023-12"}, CasoSoma{"2024-01", -13, "-", "2022-12"},
                    CasoSoma{"2024-12", 1, "-", "2025-01"}, CasoSoma{"2024-12", 0, "/", "2024/12"},
                    CasoSoma{"2024-06", 18, "", "202512"}, CasoSoma{"2024-06", -30, "-", "2021-12"},
                    CasoSoma{"2024-06", -29, "-", "2022-01"}, CasoSoma{"0001-01", -1, "-", "0000-12"}));

TEST(Periodos, SomarMesesDePeriodoNaoNumerico) {
    EXPECT_THROW(SomarMeses("abcd-ef", 1, "-"), EErroConversao);
    EXPECT_EQ(PeriodoAnterior("2024-03", "/"), "2024/02");
}

struct CasoValidacao {
    const char* periodo;
    const char* maximo;
    const char* minimo;
    const char* mensagem;  // empty: accepted
};

class ValidarPeriodoCasos : public testing::TestWithParam<CasoValidacao> {};

TEST_P(ValidarPeriodoCasos, Mensagem) {
    try {
        ValidarPeriodo(GetParam().periodo, GetParam().maximo, GetParam().minimo);
        EXPECT_STREQ(GetParam().mensagem, "");
    } catch (const Excecao& erro) {
        EXPECT_STREQ(erro.what(), GetParam().mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidarPeriodoCasos,
    testing::Values(CasoValidacao{"2024-03", "", "", ""}, CasoValidacao{"2024/03", "2024-03", "2024/03", ""},
                    CasoValidacao{" / ", "", "", "Período informado vazio."},
                    CasoValidacao{"2024-3", "", "",
                                  "O ano deve ser informado no formato 'aaaa' e o mês no formato 'mm'"},
                    CasoValidacao{"2024-13", "", "", "Período inválido (2024-13): ano e/ou mês incorreto(s)"},
                    CasoValidacao{"2024 - 03", "2024-02", "", "Período futuro (2024-03), posterior a 2024-02"},
                    CasoValidacao{"2024-03", "2024/02", "", "Período futuro (2024-03), posterior a 2024-02"},
                    CasoValidacao{"2024/03", "", "2024/04", "Período muito antigo (2024-03), anterior a 2024-04"}));

class ValidarAnoCasos : public testing::TestWithParam<CasoValidacao> {};

TEST_P(ValidarAnoCasos, Mensagem) {
    try {
        ValidarAno(GetParam().periodo, GetParam().maximo, GetParam().minimo);
        EXPECT_STREQ(GetParam().mensagem, "");
    } catch (const Excecao& erro) {
        EXPECT_STREQ(erro.what(), GetParam().mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidarAnoCasos,
    testing::Values(CasoValidacao{"2017", "2018", "2000", ""}, CasoValidacao{"2018", "2018", "", ""},
                    CasoValidacao{"  ", "", "", "Ano informado vazio."},
                    CasoValidacao{"17", "", "", "O ano deve ser informado no formato 'aaaa'"},
                    CasoValidacao{"20 19", "2018", "", "Ano futuro (2019), posterior a 2018"},
                    CasoValidacao{"1999", "", "2000", "Ano muito antigo (1999), anterior a 2000"}));

TEST(Periodos, CodigosDePeriodo) {
    EXPECT_EQ(CodigoPeriodo("2017"), "20172017");
    EXPECT_EQ(CodigoPeriodo("2024-03"), "01032024");
    EXPECT_EQ(PeriodoDoCodigo("20172017"), "2017");
    EXPECT_EQ(PeriodoDoCodigo("01032024"), "2024-03");
}

TEST(Periodos, MesSeguinte) {
    EXPECT_EQ(MesSeguinte(year{2024} / January / 31), year{2024} / February / 29);
    EXPECT_EQ(MesSeguinte(year{2023} / January / 31), year{2023} / February / 28);
    EXPECT_EQ(MesSeguinte(year{2024} / March / 31), year{2024} / April / 30);
    EXPECT_EQ(MesSeguinte(year{2024} / December / 15), year{2025} / January / 15);
    EXPECT_EQ(MesSeguinte(year{2012} / August / 1), year{2012} / September / 1);
}

TEST_F(HojeFixado, DataAusenteEHoje) {
    EXPECT_EQ(FormatarPeriodo("-"), "2018-01");
    EXPECT_EQ(FormatarPeriodo("/", year{2016} / May / 31), "2016/05");
    EXPECT_EQ(PeriodoAnteriorDe("-"), "2017-12");
    EXPECT_EQ(PeriodoAnteriorDe("", year{2016} / May / 31), "201604");
    EXPECT_EQ(AnoDe(), 2018);
    EXPECT_EQ(AnoDe(year{2016} / May / 31), 2016);
    EXPECT_EQ(AnoAnterior(), 2017);
    EXPECT_EQ(AnoAnterior(year{2016} / May / 31), 2015);
}

}  // namespace
}  // namespace zq
