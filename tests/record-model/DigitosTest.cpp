#include "record-model/comum/Digitos.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zq {
namespace {

struct CasoDigitos {
    std::string texto;
    std::optional<std::uint64_t> valor;
};

class Digitos : public testing::TestWithParam<CasoDigitos> {};

TEST_P(Digitos, ValorDosDigitos) { EXPECT_EQ(ValorDosDigitos(GetParam().texto), GetParam().valor); }

// Texts of 1 to 19 characters cross the eight-at-a-time reading: a bad byte is caught wherever it stands.
INSTANTIATE_TEST_SUITE_P(
    Casos, Digitos,
    testing::Values(CasoDigitos{"7", 7}, CasoDigitos{"12345678", 12345678}, CasoDigitos{"0000000012345", 12345},
                    CasoDigitos{"9999999999999999", 9999999999999999}, CasoDigitos{"18446744073709551615", std::nullopt},
                    CasoDigitos{"9999999999999999999", 9999999999999999999ULL}, CasoDigitos{"", std::nullopt},
                    CasoDigitos{" 2345678", std::nullopt}, CasoDigitos{"1234567 ", std::nullopt},
                    CasoDigitos{"1234:678", std::nullopt}, CasoDigitos{"1234/678", std::nullopt},
                    CasoDigitos{"123456789012:", std::nullopt}, CasoDigitos{"-1234567", std::nullopt},
                    CasoDigitos{"1234567\xB9", std::nullopt}, CasoDigitos{std::string("123\0" "5678", 8), std::nullopt},
                    CasoDigitos{"123456789", 123456789}, CasoDigitos{"12345678901234567", 12345678901234567},
                    CasoDigitos{"1 345678901234567", std::nullopt}, CasoDigitos{"12345678 01234567", std::nullopt},
                    // Twenty characters are more than a reading of digits takes, whatever their value.
                    CasoDigitos{"00000000000000000012", std::nullopt}));

// Every length, all digits and then a bad byte at each place: the words read from the end, the word before
// them and the first digits shifted into a word must each see every character once.
TEST(Digitos, CadaTamanhoECadaPosicao) {
    const std::string algarismos = "9876543210123456789";
    for (std::size_t tamanho = 1; tamanho <= algarismos.size(); ++tamanho) {
        const std::string texto = algarismos.substr(0, tamanho);
        EXPECT_EQ(ValorDosDigitos(texto), std::stoull(texto)) << texto;
        for (std::size_t posicao = 0; posicao < tamanho; ++posicao) {
            for (const char ruim : {' ', '/', ':', '\0'}) {
                std::string errado = texto;
                errado[posicao] = ruim;
                EXPECT_EQ(ValorDosDigitos(errado), std::nullopt) << tamanho << " " << posicao;
            }
        }
    }
}

}  // namespace
}  // namespace zq
