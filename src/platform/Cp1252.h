#pragma once
// Conversion between CP1252 bytes (the texts of the libraries and their files)
// and UTF-8 (the POSIX file system, terminals, the window toolkit).

#include <string>
#include <string_view>

namespace zq {

std::string Cp1252ParaUtf8(std::string_view texto);
// Characters CP1252 cannot hold become '?'; invalid UTF-8 bytes are kept as they are.
std::string Utf8ParaCp1252(std::string_view texto);

}  // namespace zq
