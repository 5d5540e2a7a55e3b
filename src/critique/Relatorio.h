#pragma once
// The critique report: header, counts and numbered messages, CP1252 with CRLF.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "critique/MensagensCritica.h"

namespace zq {

struct CabecalhoRelatorio {
    std::string arquivoAnalisado;
    std::string versaoBiblioteca;
    std::string inscricaoEstadual;  // as read from record 10
    std::string razaoSocial;        // as read from record 10
    std::optional<std::chrono::year_month> referencia;  // set once a record 10 was read
};

// `notasSem54` is given only when the pass read at least one record 54.
std::vector<std::string> MontarRelatorio(const CabecalhoRelatorio& cabecalho, const MensagensCritica& mensagens,
                                         std::optional<long long> notasSem54);

// Replaces the file in one piece: every line ends with CR LF, the last one too.
// Throws when the file cannot be written; an existing file is then left as it was.
void GravarLinhas(const std::filesystem::path& arquivo, const std::vector<std::string>& linhas);

void GravarRelatorio(const std::filesystem::path& arquivo, const CabecalhoRelatorio& cabecalho,
                     const MensagensCritica& mensagens, std::optional<long long> notasSem54);

}  // namespace zq
