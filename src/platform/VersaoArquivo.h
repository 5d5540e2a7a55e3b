#pragma once
// File versions embedded in our own binaries on POSIX (the Windows build reads
// the VERSIONINFO resource instead).

#include <filesystem>
#include <optional>
#include <string>

namespace zq {

// The version stamped by the build (cmake: zq_file_version) into a binary:
// the text "ZQ-FILEVERSION:" followed by four numbers joined by points.
std::optional<std::string> LerVersaoEmbutida(const std::filesystem::path& arquivo);

}  // namespace zq
