// The App Paths of the registry stand-in, as the program looks up the national validator and the PDF reader.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Plataforma.h"
#include "support/PastaTeste.h"

namespace zq::teste {
namespace {

class CaminhoRegistradoTest : public testing::Test {
protected:
    void SetUp() override {
        GravarArquivo(pasta_ / "registro.reg",
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\"
                      "ValidadorSintegra2018.exe]\n@=/opt/sintegra/ValidadorSintegra2018\n");
        ::setenv("ZQ_REGISTRO", (pasta_ / "registro.reg").c_str(), 1);
    }
    void TearDown() override { ::unsetenv("ZQ_REGISTRO"); }

    PastaTeste pasta_;
};

TEST_F(CaminhoRegistradoTest, ValorPadraoDaChaveDoPrograma) {
    EXPECT_EQ(PlataformaAtual().CaminhoRegistrado("ValidadorSintegra2018.exe"),
              std::filesystem::path("/opt/sintegra/ValidadorSintegra2018"));
    EXPECT_EQ(PlataformaAtual().CaminhoRegistrado("AcroRd32.exe"), std::nullopt);
}

}  // namespace
}  // namespace zq::teste
