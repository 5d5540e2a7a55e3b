#include "record-model/comum/DigitosVerificadores.h"

#include <gtest/gtest.h>

#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

// Fixtures, check digits worked out by hand:
//  CNPJ 11.222.333/0001-81: base 112223330001, weights 5432 98765432 -> sum 102, 1020 mod 11 = 8;
//       weights 6543 29876543 -> 104 + 8*2 = 120, 1200 mod 11 = 1.
//  CPF 111.444.777-35: weights 10..2 -> 162, 1620 mod 11 = 3; weights 11..3 -> 198 + 3*2 = 204,
//       2040 mod 11 = 5.
//  CPF 000.000.006-04: 6*2 = 12, 120 mod 11 = 10 -> 0; 6*3 + 0*2 = 18, 180 mod 11 = 4.
//  CRC ZQ123456O?: key " 07123456" + "1" (O); weights 10..2 over 0712345 61 -> 163;
//       (3k + 163) mod 11 for k = 1..5 is 1, 4, 7, 10, 2 -> candidates 0, 7, 4, 1, 9.

struct CasoDocumento {
    const char* texto;
    bool valido;
    const char* mensagem;
};

class Cnpj : public testing::TestWithParam<CasoDocumento> {};

TEST_P(Cnpj, ValidarCnpj) {
    EXPECT_EQ(ValidarCnpj(GetParam().texto), GetParam().valido);
    EXPECT_EQ(MensagemDigito(), GetParam().mensagem);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cnpj,
    testing::Values(CasoDocumento{"11222333000181", true, ""}, CasoDocumento{"11.222.333/0001-81", true, ""},
                    CasoDocumento{"011222333000181", true, ""},
                    CasoDocumento{"11222333000182", false, "Controle do CNPJ incorreto"},
                    CasoDocumento{"11222333000191", false, "Controle do CNPJ incorreto"},
                    CasoDocumento{"111222333000181", false, "Controle do CNPJ incorreto"},
                    CasoDocumento{"", false, "CNPJ não fornecido (valor vazio)"},
                    CasoDocumento{"./-", false, "CNPJ não fornecido (valor vazio)"},
                    CasoDocumento{"1122233300018", false, "Tamanho incorreto de CNPJ (diferente de 14 ou 15)"},
                    CasoDocumento{"1122233300018123", false, "Tamanho incorreto de CNPJ (diferente de 14 ou 15)"},
                    CasoDocumento{"00.000.000/0000-00", false, "CNPJ contém apenas zeros"}));

class Cpf : public testing::TestWithParam<CasoDocumento> {};

TEST_P(Cpf, ValidarCpf) {
    EXPECT_EQ(ValidarCpf(GetParam().texto), GetParam().valido);
    EXPECT_EQ(MensagemDigito(), GetParam().mensagem);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cpf,
    testing::Values(CasoDocumento{"11144477735", true, ""}, CasoDocumento{"111.444.777-35", true, ""},
                    CasoDocumento{"00000000604", true, ""},
                    CasoDocumento{"11144477753", false, "Controle do CPF incorreto"},
                    CasoDocumento{"", false, "CPF não fornecido (valor vazio)"},
                    CasoDocumento{"011144477735", false, "Tamanho incorreto de CPF (diferente de 11)"},
                    CasoDocumento{"000.000.000-00", false, "CPF contém apenas zeros"}));

TEST(DigitosVerificadores, SucessoApagaAMensagemAnterior) {
    EXPECT_FALSE(ValidarCpf("1"));
    EXPECT_FALSE(MensagemDigito().empty());
    EXPECT_TRUE(ValidarCnpj("11222333000181"));
    EXPECT_EQ(MensagemDigito(), "");
}

TEST(DigitosVerificadores, CnpjECpfComoEscritos) {
    EXPECT_TRUE(CnpjValido("11222333000181"));
    EXPECT_FALSE(CnpjValido("11222333000182"));
    // A non-digit counts as 0: base 012223330001 gives 2 and 8.
    EXPECT_TRUE(CnpjValido("A1222333000128"));
    EXPECT_FALSE(CnpjValido("11.222.333/0001-81"));
    EXPECT_FALSE(CnpjValido("112223330001"));
    EXPECT_TRUE(CpfValido("11144477735"));
    EXPECT_TRUE(CpfValido("00000000604"));
    EXPECT_FALSE(CpfValido("11144477736"));
    EXPECT_FALSE(CpfValido("111444777"));
}

TEST(DigitosVerificadores, ValidoNaoMexeNaMensagem) {
    EXPECT_FALSE(ValidarCnpj(""));
    EXPECT_TRUE(CnpjValido("11222333000181"));
    EXPECT_EQ(MensagemDigito(), "CNPJ não fornecido (valor vazio)");
}

struct CasoMod11 {
    std::int64_t numero;
    bool valido;
};

class Mod11 : public testing::TestWithParam<CasoMod11> {};

TEST_P(Mod11, DigitoMod11Valido) { EXPECT_EQ(DigitoMod11Valido(GetParam().numero), GetParam().valido); }

// 12345678: 8*2+7*3+6*4+5*5+4*6+3*7+2*8+1*9 = 156, 156 mod 11 = 2 -> 9.
// 10000000: 1*9 = 9 -> 2; the leading 1 is weighed like any digit.
// 6: 6*2 = 12, 12 mod 11 = 1 -> 0.
INSTANTIATE_TEST_SUITE_P(Casos, Mod11,
                         testing::Values(CasoMod11{123456789, true}, CasoMod11{123456788, false},
                                         CasoMod11{100000002, true}, CasoMod11{100000000, false}, CasoMod11{60, true},
                                         CasoMod11{61, false}, CasoMod11{0, true}, CasoMod11{-123456789, false}));

class Crc : public testing::TestWithParam<CasoDocumento> {};

TEST_P(Crc, ValidarCrc) {
    EXPECT_EQ(ValidarCrc(GetParam().texto), GetParam().valido);
    EXPECT_EQ(MensagemDigito(), GetParam().mensagem);
}

INSTANTIATE_TEST_SUITE_P(Casos, Crc,
                         testing::Values(CasoDocumento{"ZQ123456O7", true, ""}, CasoDocumento{"ZQ123456O0", true, ""},
                                         CasoDocumento{"ZQ123456O9", true, ""}, CasoDocumento{" zq123456o4 ", true, ""},
                                         CasoDocumento{"ZQ123456O2", false, "CRC com dígito verificador inválido!"},
                                         CasoDocumento{"ZQ123456OX", false, "CRC com dígito verificador inválido!"},
                                         CasoDocumento{"ZQ12345", false,
                                                       "CRC de tamanho inválido, diferente de 10: 'ZQ12345'"},
                                         CasoDocumento{"XX123456O7", false, "UF de CRC inválida: 'XX'"},
                                         CasoDocumento{"ZQ123456X7", false, "Situação de CRC inválida: 'X'"},
                                         CasoDocumento{"ZQ12A456O7", false, "'A' não é um valor inteiro válido"}));

TEST(DigitosVerificadores, SituacoesEeFTemOMesmoDigito) {
    // Situation digit 6: key " 07123456" + "6" -> 173; (3k + 173) mod 11 = 0, 3, 6, 9, 1 -> 0, 8, 5, 2, 0.
    EXPECT_TRUE(ValidarCrc("ZQ123456E8"));
    EXPECT_TRUE(ValidarCrc("ZQ123456F8"));
    EXPECT_FALSE(ValidarCrc("ZQ123456E7"));
}

TEST(DigitosVerificadores, VerificarCrcLevantaAMensagem) {
    EXPECT_NO_THROW(VerificarCrc("ZQ123456O7"));
    try {
        VerificarCrc("XX123456O7");
        FAIL();
    } catch (const Excecao& erro) {
        EXPECT_STREQ(erro.what(), "UF de CRC inválida: 'XX'");
    }
}

}  // namespace
}  // namespace zq
