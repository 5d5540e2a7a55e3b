#include "record-model/campos/Cfop.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zq {
namespace {

TEST(NaturezaCfop, TextoDaDirecao) {
    EXPECT_EQ(NaturezaCfop("  "), "<CFOP não informado (vazio)>");
    EXPECT_EQ(NaturezaCfop(""), "<CFOP não informado (vazio)>");
    EXPECT_EQ(NaturezaCfop(" 1102"), "Entrada");
    EXPECT_EQ(NaturezaCfop("3949"), "Entrada");
    EXPECT_EQ(NaturezaCfop("5102 "), "Saída");
    EXPECT_EQ(NaturezaCfop("7101"), "Saída");
    EXPECT_EQ(NaturezaCfop(" 4102 "), "<CFOP inválido (4102)>");
    EXPECT_EQ(NaturezaCfop("0"), "<CFOP inválido (0)>");
}

struct CasoCfop {
    const char* texto;
    std::int32_t codigo;
    int primeiroDigito;
    int complemento;
    const char* natureza;
    bool entrada, saida, exterior, interna;
};

class Cfop : public testing::TestWithParam<CasoCfop> {};

TEST_P(Cfop, AtributosDerivados) {
    TCfop cfop(1102);
    cfop.SetTexto(GetParam().texto);
    EXPECT_EQ(cfop.Codigo(), GetParam().codigo);
    EXPECT_EQ(cfop.Texto(), std::to_string(GetParam().codigo));
    EXPECT_EQ(cfop.PrimeiroDigito(), GetParam().primeiroDigito);
    EXPECT_EQ(cfop.Complemento(), GetParam().complemento);
    EXPECT_EQ(cfop.Natureza(), GetParam().natureza);
    EXPECT_EQ(cfop.IsEntrada(), GetParam().entrada);
    EXPECT_EQ(cfop.IsSaida(), GetParam().saida);
    EXPECT_EQ(cfop.IsExterior(), GetParam().exterior);
    EXPECT_EQ(cfop.IsInterna(), GetParam().interna);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cfop,
    testing::Values(CasoCfop{"5102", 5102, 5, 102, "Saída", false, true, false, true},
                    CasoCfop{" 6108 ", 6108, 6, 108, "Saída", false, true, false, false},
                    CasoCfop{"7101", 7101, 7, 101, "Saída", false, true, true, false},
                    CasoCfop{"1102", 1102, 1, 102, "Entrada", true, false, false, true},
                    CasoCfop{"3949", 3949, 3, 949, "Entrada", true, false, true, false},
                    CasoCfop{"512", 512, 5, 12, "Saída", false, true, false, true},  // earlier layout
                    CasoCfop{"4102", 4102, 4, 102, "<CFOP inválido (4102)>", false, false, false, false},
                    CasoCfop{"02P", 0, 0, 0, "<CFOP inválido (0)>", false, false, false, false},
                    CasoCfop{"    ", 0, 0, 0, "<CFOP inválido (0)>", false, false, false, false},
                    // A sign is no digit: the code is not a number.
                    CasoCfop{"+5102", 0, 0, 0, "<CFOP inválido (0)>", false, false, false, false},
                    CasoCfop{"-512", 0, 0, 0, "<CFOP inválido (0)>", false, false, false, false},
                    CasoCfop{"99999999999", 0, 0, 0, "<CFOP inválido (0)>", false, false, false, false},
                    // Leading zeros do not count towards the limit of a number.
                    CasoCfop{"0000000000000000000005102", 5102, 5, 102, "Saída", false, true, false, true}));

TEST(Cfop, CriadoSemCodigoEZero) {
    const TCfop cfop;
    EXPECT_EQ(cfop.Codigo(), 0);
    EXPECT_EQ(cfop.Texto(), "0");
    EXPECT_EQ(cfop.Natureza(), "<CFOP inválido (0)>");
}

TEST(Cfop, SetCodigoRecalculaTudo) {
    TCfop cfop(5102);
    cfop.SetCodigo(2201);
    EXPECT_EQ(cfop.Texto(), "2201");
    EXPECT_EQ(cfop.PrimeiroDigito(), 2);
    EXPECT_EQ(cfop.Complemento(), 201);
    EXPECT_EQ(cfop.Natureza(), "Entrada");
}

// One object read line after line, as the record handlers reuse it: each code gives its own texts.
TEST(Cfop, ReusadoDeLinhaEmLinha) {
    TCfop cfop;
    for (const auto& [texto, esperado, natureza] : {std::tuple{"5102", "5102", "Saída"}, {"1102", "1102", "Entrada"},
                                                    {"1102", "1102", "Entrada"}, {"    ", "0", "<CFOP inválido (0)>"},
                                                    {"5102", "5102", "Saída"}}) {
        cfop.SetTexto(texto);
        EXPECT_EQ(cfop.Texto(), esperado) << texto;
        EXPECT_EQ(cfop.Natureza(), natureza) << texto;
    }
}

}  // namespace
}  // namespace zq
