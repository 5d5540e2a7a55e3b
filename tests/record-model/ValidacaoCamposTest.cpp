#include "record-model/campos/ValidacaoCampos.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

// A record-8814 line: fields at columns 5 (money, 9), 14 (integer, 3), 17 (decimal, 2) and 19 (64-bit, 12).
std::string Linha(const std::string& monetario, const std::string& inteiro, const std::string& decimal,
                  const std::string& inteiro64) {
    return "8814" + monetario + inteiro + decimal + inteiro64;
}

TEST(ValidacaoCampos, CamposBonsNaoRejeitam) {
    std::vector<std::string> rejeicoes;
    const std::string linha = Linha("000012345", "012", "15", "123456789012");
    EXPECT_TRUE(ValidarCampoMonetario(linha, 5, 9, "8814 - GIM EPP", "Imposto Devido", rejeicoes));
    EXPECT_TRUE(ValidarCampoInteiro(linha, 14, 3, "8814 - GIM EPP", "Número de Empregados", rejeicoes));
    EXPECT_TRUE(ValidarCampoDecimal(linha, 17, 2, "8814 - GIM EPP", "Percentual Recolhimento", 1, rejeicoes));
    EXPECT_TRUE(ValidarCampoInteiro64(linha, 19, 12, "8814 - GIM EPP", "Total", rejeicoes));
    EXPECT_TRUE(rejeicoes.empty());
}

TEST(ValidacaoCampos, CadaCampoRuimAcrescentaUmaRejeicao) {
    std::vector<std::string> rejeicoes{"anterior"};
    const std::string linha = Linha("00001234,", "-12", "1A", "12345678901 ");
    EXPECT_FALSE(ValidarCampoMonetario(linha, 5, 9, "8814 - GIM EPP", "Imposto Devido", rejeicoes));
    EXPECT_FALSE(ValidarCampoInteiro(linha, 14, 3, "8814 - GIM EPP", "Número de Empregados", rejeicoes));
    EXPECT_FALSE(ValidarCampoDecimal(linha, 17, 2, "8814 - GIM EPP", "Percentual Recolhimento", 1, rejeicoes));
    EXPECT_FALSE(ValidarCampoInteiro64(linha, 19, 12, "8814 - GIM EPP", "Total", rejeicoes));
    EXPECT_EQ(rejeicoes, (std::vector<std::string>{
                             "anterior",
                             "REJEIÇÃO (Reg 8814 - GIM EPP) Campo 'Imposto Devido' não possui um valor monetário "
                             "válido: '00001234,'",
                             "REJEIÇÃO (Reg 8814 - GIM EPP) Campo 'Número de Empregados' possui valor negativo: '-12'",
                             "REJEIÇÃO (Reg 8814 - GIM EPP) Campo 'Percentual Recolhimento' não possui um valor "
                             "monetário válido: '1A'",
                             "REJEIÇÃO (Reg 8814 - GIM EPP) Campo 'Total' não possui um valor numérico válido: "
                             "'12345678901 '",
                         }));
}

struct CasoMonetario {
    const char* colunas;
    bool valido;
    const char* rejeicao;
};

class ValidarMonetario : public testing::TestWithParam<CasoMonetario> {};

TEST_P(ValidarMonetario, Rejeicao) {
    std::vector<std::string> rejeicoes;
    const std::string linha = std::string("50") + GetParam().colunas;
    EXPECT_EQ(ValidarCampoMonetario(linha, 3, 13, "50", "Valor Total", rejeicoes), GetParam().valido);
    if (GetParam().valido) {
        EXPECT_TRUE(rejeicoes.empty());
    } else {
        EXPECT_EQ(rejeicoes, std::vector<std::string>{GetParam().rejeicao});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidarMonetario,
    testing::Values(
        CasoMonetario{"0000000012345", true, ""},
        // The text variant accepts a line that ends inside the field when what is there is all digits.
        CasoMonetario{"00000123", true, ""},
        CasoMonetario{"00000000012,5", false,
                      "REJEIÇÃO (Reg 50) Campo 'Valor Total' não possui um valor monetário válido: '00000000012,5'"},
        CasoMonetario{"-000000001234", false,
                      "REJEIÇÃO (Reg 50) Campo 'Valor Total' possui valor negativo: '-000000001234'"},
        CasoMonetario{"", false, "REJEIÇÃO (Reg 50) Campo 'Valor Total' não possui um valor monetário válido: ''"},
        CasoMonetario{"             ", false,
                      "REJEIÇÃO (Reg 50) Campo 'Valor Total' não possui um valor monetário válido: '             '"}));

}  // namespace
}  // namespace zq
