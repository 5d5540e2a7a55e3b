#pragma once
// One media ZIP of the national validator's "Gerar Mídia": password-protected, holding the validation summary
// ("Validacao2.resumo" or "Validacao.resumo"), CFOP lists ("*.cfop") and the declaration TXT.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zq {

class TArquivoZip;

// Whether a ZIP from outside can be extracted: no entry name with folders, a drive or "..", no entry inflating
// more than 1000 to 1, at most 1 GiB in all and at most 1000 entries.
bool EntradasConfiaveis(const TArquivoZip& arquivo);

inline constexpr const char* kSenhaMidia = "qzt41mew%&+=?!#kdr:x";

// The declaration TXT of a media, extracted, and its identity as the ZIP entry gives it.
struct TTxtMidia {
    std::string ArquivoTxt;      // the extracted file
    std::string VersaoSintegra;  // second-to-last line of the summary; empty when it has fewer than two lines
    std::int64_t TamanhoTxt = 0;
    std::uint32_t CrcTxt = 0;
    std::chrono::local_seconds DataHoraTxt{};
};

// Extracts the media into the folder (emptied first) and leaves there only its TXT. Nothing, with the folder
// emptied again, when the file is not such a media: not a ZIP or damaged, a wrong password, fewer than two
// files, no summary, not exactly one TXT, no entry of the TXT's name. A media whose entries are not
// EntradasConfiaveis is skipped before anything is written.
std::optional<TTxtMidia> ExtrairMidia(const std::string& zip, const std::string& pastaExtracao);

}  // namespace zq
