#pragma once
// File date-times as the program shows and compares them: local time, whole seconds.

#include <chrono>
#include <optional>
#include <string>

namespace zq {

// The file's last-write date-time; nothing when the file is missing.
std::optional<std::chrono::local_seconds> DataHoraArquivo(const std::string& arquivo);
// The current local date-time.
std::chrono::local_seconds AgoraLocal();

}  // namespace zq
