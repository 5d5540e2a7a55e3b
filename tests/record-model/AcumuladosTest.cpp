#include "record-model/totais/Acumulados.h"

#include <gtest/gtest.h>

#include "platform/Relogio.h"
#include "record-model/totais/AcumReg53.h"
#include "record-model/registros/Reg50.h"
#include "record-model/registros/Reg53.h"
#include "record-model/registros/Reg60A.h"
#include "record-model/registros/Reg61.h"
#include "record-model/registros/Reg70.h"
#include "record-model/registros/Reg76.h"

namespace zq {
namespace {

using namespace std::chrono;

Moeda Reais(double valor) {
    return Moeda::DeUnidades(static_cast<std::int64_t>(valor * 10000 + (valor < 0 ? -0.5 : 0.5)));
}

struct Totais {
    double valorTotal, baseCalculo, valorIcms, isentas, outras;
};

void EsperarTotais(const TTotaisAcumulados& acumulado, const Totais& esperado) {
    EXPECT_EQ(acumulado.ValorTotal(), Reais(esperado.valorTotal));
    EXPECT_EQ(acumulado.BaseCalculo(), Reais(esperado.baseCalculo));
    EXPECT_EQ(acumulado.ValorIcms(), Reais(esperado.valorIcms));
    EXPECT_EQ(acumulado.Isentas(), Reais(esperado.isentas));
    EXPECT_EQ(acumulado.Outras(), Reais(esperado.outras));
}

template <class Registro>
void DarValores(Registro& registro, const Totais& valores) {
    registro.SetValorTotal(Reais(valores.valorTotal));
    registro.SetBaseCalculo(Reais(valores.baseCalculo));
    registro.SetValorIcms(Reais(valores.valorIcms));
    registro.SetIsentas(Reais(valores.isentas));
    registro.SetOutras(Reais(valores.outras));
}

template <class Registro, class Acumulado>
void ConferirSomaDosCincoValores() {
    Registro registro;
    Acumulado acumulado;
    DarValores(registro, {100.00, 60.00, 10.20, 30.00, 10.00});
    acumulado.Acumular(registro);
    DarValores(registro, {0.01, 0.02, 0.03, 0.04, 0.05});
    acumulado.Acumular(registro);
    EsperarTotais(acumulado, {100.01, 60.02, 10.23, 30.04, 10.05});
    acumulado.Zerar();
    EsperarTotais(acumulado, {0, 0, 0, 0, 0});
}

TEST(TotaisAcumulados, SomamOsCincoValoresDoRegistro) {
    ConferirSomaDosCincoValores<TReg50, TReg50Acumulado>();
    ConferirSomaDosCincoValores<TReg61, TReg61Acumulado>();
    ConferirSomaDosCincoValores<TReg70, TReg70Acumulado>();
    ConferirSomaDosCincoValores<TReg76, TReg76Acumulado>();
}

struct Caso60A {
    const char* situacao;
    double valor;
    Totais esperado;
};

class Acumulado60A : public testing::TestWithParam<Caso60A> {};

TEST_P(Acumulado60A, DistribuiPelaSituacao) {
    TReg60A registro;
    registro.SetSituacaoTributaria(GetParam().situacao);
    registro.SetValor(Reais(GetParam().valor));
    TReg60AAcumulado acumulado;
    acumulado.Acumular(registro);
    EsperarTotais(acumulado, GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, Acumulado60A,
                         testing::Values(Caso60A{"1700", 100.00, {100.00, 100.00, 17.00, 0, 0}},
                                         Caso60A{"0700", 100.00, {100.00, 100.00, 7.00, 0, 0}},
                                         // Four decimals kept: 33.33 × 18.33% = 6.109389.
                                         Caso60A{"1833", 33.33, {33.33, 33.33, 6.1094, 0, 0}},
                                         Caso60A{"1200", 0.01, {0.01, 0.01, 0.0012, 0, 0}},
                                         Caso60A{"F", 100.00, {100.00, 0, 0, 0, 100.00}},
                                         Caso60A{"I", 100.00, {100.00, 0, 0, 100.00, 0}},
                                         Caso60A{"N", 100.00, {100.00, 0, 0, 100.00, 0}},
                                         Caso60A{"CANC", 100.00, {100.00, 0, 0, 0, 100.00}},
                                         Caso60A{"DESC", 100.00, {100.00, 0, 0, 0, 100.00}},
                                         Caso60A{"ISS", 100.00, {100.00, 0, 0, 0, 100.00}},
                                         Caso60A{"0000", 100.00, {100.00, 0, 0, 0, 100.00}}));

TEST(Acumulado60A, AcumulaVariosRegistros) {
    TReg60A registro;
    TReg60AAcumulado acumulado;
    for (const auto& [situacao, valor] : std::vector<std::pair<const char*, double>>{
             {"1700", 100.00}, {"F", 50.00}, {"1200", 200.00}, {"I", 10.00}}) {
        registro.SetSituacaoTributaria(situacao);
        registro.SetValor(Reais(valor));
        acumulado.Acumular(registro);
    }
    EsperarTotais(acumulado, {360.00, 300.00, 41.00, 10.00, 50.00});
    acumulado.Zerar();
    EsperarTotais(acumulado, {0, 0, 0, 0, 0});
}

TEST(Acumulado61, ChavesDoModelo65) {
    const auto dia = year{2017} / May / 31;
    TReg61 registro;
    const auto registro61 = [&registro](const char* modelo, year_month_day data, const char* serie) -> const TReg61& {
        registro.SetModelo(modelo);
        registro.SetDataEmissao(data);
        registro.SetSerie(serie);
        return registro;
    };
    TReg61Acumulado acumulado;
    EXPECT_EQ(TReg61Acumulado::ChaveModelo65(registro61("65", dia, "1  ")), "31/05/2017|1  ");
    EXPECT_FALSE(acumulado.ExisteModelo65(registro61("65", dia, "1  ")));
    acumulado.RegistrarModelo65(registro61("65", dia, "1  "));
    EXPECT_TRUE(acumulado.ExisteModelo65(registro61("65", dia, "1  ")));
    EXPECT_FALSE(acumulado.ExisteModelo65(registro61("65", dia, "2  ")));
    EXPECT_FALSE(acumulado.ExisteModelo65(registro61("65", year{2017} / May / 30, "1  ")));
    // Other models are neither registered nor found.
    EXPECT_FALSE(acumulado.ExisteModelo65(registro61("02", dia, "1  ")));
    acumulado.RegistrarModelo65(registro61("02", dia, "D  "));
    EXPECT_FALSE(acumulado.ExisteModelo65(registro61("65", dia, "D  ")));
    // Zeroing the totals keeps the keys of the run.
    acumulado.Zerar();
    EXPECT_TRUE(acumulado.ExisteModelo65(registro61("65", dia, "1  ")));
}

// ---- Record 53

struct Caso53 {
    const char* cfop;
    const char* uf;
    const char* antecipacao;
    double semAntecipacao, antecipacao5, saidas, entradas;
};

std::string Linha53(const Caso53& caso) {
    std::string linha = "53" + std::string("11222333000181") + "161234569     " + "20170512" + caso.uf + "55" +
                        "1  " + "000123" + caso.cfop + "T" + "0000000050000" + "0000000001000" + "0000000000000" +
                        "N" + caso.antecipacao;
    linha.resize(126, ' ');
    return linha;
}

class Acumulado53 : public testing::TestWithParam<Caso53> {};

TEST_P(Acumulado53, Ramos) {
    const Caso53& caso = GetParam();
    TReg53 registro;
    registro.SetLinha(Linha53(caso));
    TAcumReg53 acumulado;
    acumulado.Acumular(registro);
    acumulado.Acumular(registro);
    EXPECT_EQ(acumulado.RetidoSaidasSemAntecipacao(), Reais(2 * caso.semAntecipacao));
    EXPECT_EQ(acumulado.RetidoSaidasAntecipacao5(), Reais(2 * caso.antecipacao5));
    EXPECT_EQ(acumulado.RetidoSaidas(), Reais(2 * caso.saidas));
    EXPECT_EQ(acumulado.RetidoEntradas(), Reais(2 * caso.entradas));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Acumulado53,
    testing::Values(Caso53{"5403", "ZQ", " ", 10, 0, 10, 0}, Caso53{"5401", "zq", " ", 10, 0, 10, 0},
                    Caso53{"5405", "ZQ", " ", 0, 0, 10, 0}, Caso53{"5403", "ZQ", "5", 0, 10, 10, 0},
                    Caso53{"5102", "ZQ", "5", 0, 10, 10, 0}, Caso53{"5403", "ZQ", "1", 0, 0, 10, 0},
                    Caso53{"5403", "PE", " ", 0, 0, 0, 0}, Caso53{"6403", "ZQ", " ", 0, 0, 0, 0},
                    Caso53{"1403", "ZQ", " ", 0, 0, 0, 10}, Caso53{"2403", "PE", "5", 0, 0, 0, 10},
                    Caso53{"3102", "EX", " ", 0, 0, 0, 10}, Caso53{"  0 ", "ZQ", " ", 0, 0, 0, 0}));

class Conferencia8802 : public testing::Test {
protected:
    void SetUp() override {
        FixarHoje(year{2017} / June / 10);
        TReg53 registro;
        registro.SetLinha(Linha53({"1403", "ZQ", " ", 0, 0, 0, 0}));
        registro.SetIcmsRetido(Reais(1234.56));
        acumulado.Acumular(registro);
    }
    void TearDown() override { FixarHoje(std::nullopt); }

    void Conferir(const char* periodo, double campo10, double campo11) {
        acumulado.Conferir8802(periodo, Reais(campo10), Reais(campo11), rejeicoes, advertencias, avisos);
    }

    TAcumReg53 acumulado;
    std::vector<std::string> rejeicoes;
    std::vector<std::string> advertencias;
    std::vector<std::string> avisos;
};

TEST_F(Conferencia8802, SomaIgualAoApuradoNaoRelataNada) {
    Conferir("201705", 1000.00, 234.56);
    EXPECT_TRUE(rejeicoes.empty());
    EXPECT_TRUE(advertencias.empty());
    EXPECT_TRUE(avisos.empty());
}

TEST_F(Conferencia8802, SomaMenorQueOApuradoEhRejeitada) {
    Conferir("201705", 1000.00, 234.55);
    ASSERT_EQ(rejeicoes.size(), 1u);
    EXPECT_EQ(rejeicoes[0],
              "REJEIÇÃO (Reg 8802) Campo 10 e 11: O ICMS subst. por entrada já recolhida  (campo 10) somado ao ICMS "
              "subst. por entrada a recolher (campo 11) está menor que o total apurado pelas operações de entradas "
              "informadas no registro 53. Informado (Registro 8802): Soma( campo 10: 1.000,00 e campo 11: 234,55) = "
              "1.234,55. Apurado (Registro(s) 53): 1.234,56.");
    EXPECT_TRUE(advertencias.empty());
    EXPECT_TRUE(avisos.empty());
}

TEST_F(Conferencia8802, SomaMaiorQueOApuradoEhAdvertida) {
    Conferir("201705", 0, 1234.57);
    ASSERT_EQ(advertencias.size(), 1u);
    EXPECT_EQ(advertencias[0],
              "ADVERTÊNCIA (Reg 8802) Campo 10 e 11: O ICMS subst. por entrada já recolhida  (campo 10) somado ao "
              "ICMS subst. por entrada a recolher (campo 11) está maior que o total apurado pelas operações de "
              "entradas informadas no registro 53. Se houver a certeza que a diferença está correta, então ignore a "
              "advertência. Informado (Registro 8802): Soma(campo 10: 0,00 e Campo 11: 1.234,57) = 1.234,57. "
              "Apurado (Registro(s) 53): 1.234,56.");
    EXPECT_TRUE(rejeicoes.empty());
    EXPECT_TRUE(avisos.empty());
}

TEST_F(Conferencia8802, AntesDaRegraAFaltaEraSoAviso) {
    FixarHoje(year{2012} / August / 31);
    Conferir("201207", 1000.00, 0);
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0],
              "AVISO  (Reg 8802) Campo 10 e 11: (A diferença informada a seguir será REJEITADA a partir da GIM de "
              "08/2012). O ICMS subst. por entrada já recolhida  (campo 10) somado ao ICMS subst. por entrada a "
              "recolher (campo 11) está menor que o total apurado pelas operações de entradas informadas no registro "
              "53. Informado (Registro 8802): Soma( campo 10: 1.000,00 e campo 11: 0,00) = 1.000,00. Apurado "
              "(Registro(s) 53): 1.234,56.");
    // An excess was not reported at all.
    Conferir("201207", 2000.00, 0);
    EXPECT_EQ(avisos.size(), 1u);
    EXPECT_TRUE(rejeicoes.empty());
    EXPECT_TRUE(advertencias.empty());
}

TEST_F(Conferencia8802, RegraValeDesde082012OuDesdeSetembroDe2012) {
    FixarHoje(year{2012} / August / 31);
    Conferir("201208", 1000.00, 0);
    EXPECT_EQ(rejeicoes.size(), 1u);
    FixarHoje(year{2012} / September / 1);
    Conferir("201207", 1000.00, 0);
    Conferir("201207", 2000.00, 0);
    EXPECT_EQ(rejeicoes.size(), 2u);
    EXPECT_EQ(advertencias.size(), 1u);
    EXPECT_TRUE(avisos.empty());
}

}  // namespace
}  // namespace zq
