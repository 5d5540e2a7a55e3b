#pragma once

#include <string_view>

namespace zq {

// A text read as an integer the way the platform converts it: leading blanks,
// an optional sign, then only decimal digits (at most nine). Anything else
// raises EErroConversao "'%s' não é um valor inteiro válido".
int TextoParaInteiro(std::string_view texto);

}  // namespace zq
