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
                    // Twenty characters are more than a reading of digits takes, whatever their value.
                    CasoDigitos{"00000000000000000012", std::nullopt}));

}  // namespace
}  // namespace zq
