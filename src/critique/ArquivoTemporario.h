#pragma once
// "MORVANTA.TMP" in the folder "morvanta" of the system temporary folder: a
// second document opened next to the report when it exists after a call.

#include <filesystem>

namespace zq {

std::filesystem::path PastaArquivoTemporario();
std::filesystem::path ArquivoTemporario();

}  // namespace zq
