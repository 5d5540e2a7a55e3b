#pragma once
// One media ZIP of the national validator's "Gerar Mídia": password-protected, holding the validation summary
// ("Validacao2.resumo" or "Validacao.resumo"), CFOP lists ("*.cfop") and the declaration TXT.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "record-model/comum/Excecao.h"

namespace zq {

class TArquivoZip;

// Refuses (EZip with the reason) a ZIP from outside that breaks the limits of VerificarLimites or names an
// entry with folders, a drive or "..".
void VerificarEntradasConfiaveis(const TArquivoZip& arquivo);

// A media skipped because its ZIP promises more than the limits allow; the message names the limit.
class EMidiaRecusada : public Excecao {
public:
    using Excecao::Excecao;
};

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
// files, no summary, not exactly one TXT, no entry of the TXT's name, an entry named with folders.
// EMidiaRecusada, with nothing written, when the ZIP breaks a limit.
std::optional<TTxtMidia> ExtrairMidia(const std::string& zip, const std::string& pastaExtracao);

}  // namespace zq
