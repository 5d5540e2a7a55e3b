#pragma once
// Folders of media ZIPs for the benchmarks of the program: one synthetic declaration packed many times, as the
// national validator's "Gerar Mídia" would, each under another inscrição.

#include <cstdint>
#include <filesystem>

namespace zq::bench {

// `quantidade` media of a declaration of about `kb` KB in `pasta`.
void GerarMidias(const std::filesystem::path& pasta, unsigned quantidade, unsigned long kb);

// A new folder under the temporary folder holding "midias/" with `quantidade` media of about `kb` KB; the
// caller removes it.
std::filesystem::path PastaComMidias(const char* prefixo, unsigned quantidade, unsigned long kb);

}  // namespace zq::bench
