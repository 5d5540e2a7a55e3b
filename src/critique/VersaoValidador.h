#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "critique/MensagensCritica.h"

namespace zq {

// Rejects a national validator older than 5.2.0.9. The version's digits are
// compared as one number, so 5.10.0.1 (51001) is newer than 5.2.0.9 (5209).
// A host that carries no version counts as obsolete.
void VerificarVersaoValidador(const std::filesystem::path& programaHost, const std::optional<std::string>& versaoHost,
                              MensagensCritica& mensagens);

}  // namespace zq
