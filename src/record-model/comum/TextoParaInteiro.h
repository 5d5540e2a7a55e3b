#pragma once

#include <string_view>

namespace zq {

// A number read from fixed columns: one to nine decimal digits and nothing
// else. A sign, a blank or any other character raises EErroConversao
// "'%s' não é um valor inteiro válido", so a value read this way is never
// negative.
int TextoParaInteiro(std::string_view texto);

}  // namespace zq
