// Dates and decimals as the reference tables keep them, read back exactly, and the special rule's tolerance
// compared without rounding.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "record-model/comum/Excecao.h"
#include "reference-db/ContribListaValidRegraEspecial.h"
#include "reference-db/ValoresBanco.h"

namespace zq {
namespace {

using namespace std::chrono;

TEST(ValoresReferenciaTest, DecimaisLidosSemPontoFlutuante) {
    const std::vector<std::pair<std::string, std::int64_t>> casos = {
        {"1.50", 15000}, {"1.5", 15000}, {"0.01", 100}, {"12", 120000}, {"99.9999", 999999}, {"0.10", 1000}};
    for (const auto& [texto, unidades] : casos) {
        EXPECT_EQ(DecimalDoBanco(texto).Unidades(), unidades) << texto;
    }
    for (const char* invalido : {"", "1,50", "-1.00", "1.", ".5", "1.23456", "1e2", " 1.00", "abc"}) {
        EXPECT_THROW(DecimalDoBanco(invalido), Excecao) << invalido;
    }
}

TEST(ValoresReferenciaTest, DatasEDatasHoraIso) {
    EXPECT_EQ(DataDoBanco("2014-06-30"), year_month_day(2014y, June, 30d));
    EXPECT_EQ(DataDoBanco("2014-06-30 23:59:59"), year_month_day(2014y, June, 30d));
    EXPECT_EQ(DataDoBanco("2014-06-30T08:00"), year_month_day(2014y, June, 30d));
    for (const char* invalida : {"", "30/06/2014", "2014-6-30", "2014-02-30", "2014-06-30 25:00:00", "2014-06-30x",
                                 "2014-13-01"}) {
        EXPECT_THROW(DataDoBanco(invalida), Excecao) << invalida;
    }
    EXPECT_EQ(AnoMesDe(year_month_day(2014y, June, 30d)), "2014-06");
}

TEST(ValoresReferenciaTest, ToleranciaDaRegraEspecialComparadaExatamente) {
    struct Caso {
        const char* percentual;
        std::int64_t saldoCentavos;
        std::int64_t diferencaCentavos;
        bool excedida;
    };
    const std::vector<Caso> casos = {
        {"1.00", 1000000, 10000, false},
        {"1.00", 1000000, 10001, true},
        {"1.50", 1000000, 15000, false},
        {"1.50", 1000000, 15001, true},
        {"0.33", 1000, 3, false},  // 3.30 cents: 3 cents is not more, 4 is
        {"0.33", 1000, 4, true},
        {"1.00", 0, 0, false},
        {"1.00", -100000, 0, true},  // a credit balance tolerates nothing
        {"100.00", 90000000000000000, 90000000000000000, false},  // no overflow with huge amounts
        {"100.00", 90000000000000000, 90000000000000001, true},
    };
    for (const auto& caso : casos) {
        TContribListaValidRegraEspecial lista({{"161234569", DecimalDoBanco(caso.percentual)}});
        ASSERT_TRUE(lista.Localizar("161234569"));
        lista.AdicionarDiferenca(Moeda::DeCentavos(caso.diferencaCentavos));
        EXPECT_EQ(lista.ToleranciaExcedida(Moeda::DeCentavos(caso.saldoCentavos)), caso.excedida)
            << caso.percentual << " " << caso.saldoCentavos << " " << caso.diferencaCentavos;
    }
}

}  // namespace
}  // namespace zq
