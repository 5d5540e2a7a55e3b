#pragma once
// The receipt print of a transmission file (".sfn"): the file's identity, the transmission, and one entry per
// row of tblRelatorio prepared in receipt mode, 11 to a page. A4, 10 mm margins, page header on every page,
// summary after the last row.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "reports/dados/TabelaRelatorio.h"
#include "reports/descricao/DocumentoRelatorio.h"
#include "reports/descricao/IdentificacaoPrograma.h"

namespace zq {

// What the receipt print tells of the ".sfn" file.
struct TArquivoTransmitido {
    std::string Nome;  // without folder
    std::int64_t Tamanho = 0;
    std::chrono::local_seconds DataHora{};

    // Of the file at `caminho`; EArquivo when it is missing.
    static TArquivoTransmitido De(const std::string& caminho);
};

class TQRRecNoldeNet {
public:
    static constexpr std::size_t kLinhasPorPagina = 11;

    // `quantidadeRecibos`: the receipts of the file (rows of tblNoldeNet); `agora` the date and time the page
    // header shows.
    TQRRecNoldeNet(TIdentificacaoPrograma programa, TArquivoTransmitido arquivo, std::size_t quantidadeRecibos,
                   std::chrono::local_seconds agora);

    TDocumentoRelatorio Descrever(const TTabelaRelatorio& tblRelatorio) const;

private:
    TIdentificacaoPrograma programa_;
    TArquivoTransmitido arquivo_;
    std::size_t quantidadeRecibos_;
    std::chrono::local_seconds agora_;
};

// The department of the authority named on the receipt's second header line.
extern const char* const kDepartamentoDeclaracoes;

}  // namespace zq
