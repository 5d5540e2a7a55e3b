#pragma once
// The conference report: every row of tblRelatorio from a new page, with the bands its null fields call for.
// Page 210 x 350 mm, margins top 20, bottom 15, left 10, right 20; header on the first page, footer on the last.

#include <chrono>
#include <string>
#include <vector>

#include "reports/dados/TabelaRelatorio.h"
#include "reports/descricao/DocumentoRelatorio.h"
#include "reports/descricao/IdentificacaoPrograma.h"

namespace zq {

class TQRepRecibo {
public:
    // `agora` is the date and time the page header shows.
    TQRepRecibo(TIdentificacaoPrograma programa, std::chrono::local_seconds agora);

    TDocumentoRelatorio Descrever(const TTabelaRelatorio& tblRelatorio) const;

    // The names of the bands a row prints, in order: "contribuinte", "resumoNormal", "resumoEpp",
    // "simplesNacional", "movimentoGim", "funcep", "dadosAnuais", "apresentacao".
    static std::vector<std::string> BandasDaLinha(const TLinhaRelatorio& linha);

private:
    TIdentificacaoPrograma programa_;
    std::chrono::local_seconds agora_;
};

}  // namespace zq
