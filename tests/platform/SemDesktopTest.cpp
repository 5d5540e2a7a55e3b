#include "platform/SemDesktop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zq {
namespace {

struct Caso {
    std::optional<std::string> valor;  // of ZQ_DESKTOP; none: unset
    bool padraoDoSistema;
    bool desktop;
};

class DesktopPedidoTest : public testing::TestWithParam<Caso> {
protected:
    void SetUp() override {
        if (const char* atual = std::getenv("ZQ_DESKTOP")) anterior_ = atual;
        if (GetParam().valor) {
            ::setenv("ZQ_DESKTOP", GetParam().valor->c_str(), 1);
        } else {
            ::unsetenv("ZQ_DESKTOP");
        }
    }
    void TearDown() override {
        if (anterior_) {
            ::setenv("ZQ_DESKTOP", anterior_->c_str(), 1);
        } else {
            ::unsetenv("ZQ_DESKTOP");
        }
    }

private:
    std::optional<std::string> anterior_;
};

// Unset: the system's own default (POSIX none, Windows the desktop); set: only "1" asks for it,
// so "0" keeps an unattended Windows run from blocking on a message box.
TEST_P(DesktopPedidoTest, SoUmPedeODesktop) { EXPECT_EQ(DesktopPedido(GetParam().padraoDoSistema), GetParam().desktop); }

INSTANTIATE_TEST_SUITE_P(Valores, DesktopPedidoTest,
                         testing::Values(Caso{std::nullopt, false, false}, Caso{std::nullopt, true, true},
                                         Caso{"1", false, true}, Caso{"0", true, false}, Caso{"", true, false},
                                         Caso{"sim", true, false}));

}  // namespace
}  // namespace zq
