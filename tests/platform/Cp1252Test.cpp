#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

struct Caso {
    std::string cp1252;
    std::string utf8;
};

class Cp1252Conversao : public testing::TestWithParam<Caso> {};

TEST_P(Cp1252Conversao, IdaEVolta) {
    EXPECT_EQ(Cp1252ParaUtf8(GetParam().cp1252), GetParam().utf8);
    EXPECT_EQ(Utf8ParaCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(Textos, Cp1252Conversao,
                         testing::Values(Caso{"ASCII 126", "ASCII 126"},
                                         Caso{"REJEI\xC7\xC3O", "REJEIÇÃO"},
                                         Caso{"ADVERT\xCANCIA", "ADVERTÊNCIA"},
                                         Caso{"\x80 \x93x\x94", "€ “x”"},
                                         Caso{std::string("a\0b", 3), std::string("a\0b", 3)}));

TEST(Cp1252, CaracterForaDaPaginaViraInterrogacao) { EXPECT_EQ(Utf8ParaCp1252("a→b"), "a?b"); }

TEST(Cp1252, Utf8InvalidoMantemOsBytes) {
    EXPECT_EQ(Utf8ParaCp1252("\xC3"), "\xC3");
    EXPECT_EQ(Utf8ParaCp1252("\xC3x"), "\xC3x");
}

}  // namespace
}  // namespace zq
