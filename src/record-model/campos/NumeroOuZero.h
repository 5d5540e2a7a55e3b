#pragma once

#include <cstdint>
#include <string_view>

namespace zq {

// The number written by a text of decimal digits, blanks around it allowed; 0 for any other text (empty, with a
// sign or letters, or beyond nine digits).
std::int32_t NumeroOuZero(std::string_view texto);

}  // namespace zq
