#include "record-model/comum/Formatador.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(Formatar, PadroesDasMensagens) {
    EXPECT_EQ(Formatar("   %.3d - %s", {7, "texto"}), "   007 - texto");
    EXPECT_EQ(Formatar("%.3d", {1000}), "1000");
    EXPECT_EQ(Formatar("%.8d", {-42}), "-00000042");
    EXPECT_EQ(Formatar("%x", {255}), "FF");
    EXPECT_EQ(Formatar("%d%%", {5}), "5%");
    EXPECT_EQ(Formatar("%0:s e %0:s, %s", {"a", "b"}), "a e a, b");
    EXPECT_EQ(Formatar("[%5s|%-5s]", {"ab", "cd"}), "[   ab|cd   ]");
    EXPECT_EQ(Formatar("%m", {Moeda::DeCentavos(123456)}), "R$ 1.234,56");
    EXPECT_EQ(Formatar("%m", {Moeda::DeCentavos(-5)}), "-R$ 0,05");
    EXPECT_EQ(Formatar("%n", {Moeda::DeCentavos(100000000)}), "1.000.000,00");
}

TEST(Formatar, ArgumentoIncompativelOuAusenteFalha) {
    EXPECT_THROW(Formatar("%d", {"texto"}), EErroFormato);
    EXPECT_THROW(Formatar("%s %s", {"um"}), EErroFormato);
    EXPECT_THROW(Formatar("fim %", {1}), EErroFormato);
}

struct CasoValor {
    std::int64_t unidades;
    const char* mascara;
    const char* esperado;
};

class FormatarValorCasos : public testing::TestWithParam<CasoValor> {};

TEST_P(FormatarValorCasos, Mascara) {
    EXPECT_EQ(FormatarValor(Moeda::DeUnidades(GetParam().unidades), GetParam().mascara), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Quantias, FormatarValorCasos,
    testing::Values(CasoValor{0, "###,###,###,##0.00", "0,00"},
                    CasoValor{1234567, "###,###,###,##0.00", "123,46"},   // 123.4567 rounds up
                    CasoValor{1234550, "###,###,###,##0.00", "123,46"},   // half away from zero
                    CasoValor{-1234550, "###,###,###,##0.00", "-123,46"},
                    CasoValor{-49, "###,###,###,##0.00", "0,00"},         // no "-0,00"
                    CasoValor{12345678900000, "###,###,###,##0.00", "1.234.567.890,00"},
                    CasoValor{12345678900000, "#,###,###,##0.00", "1.234.567.890,00"},
                    CasoValor{1701000, "##0.00", "170,10"},
                    CasoValor{123456789000, "##0.00", "12345678,90"}));

}  // namespace
}  // namespace zq
