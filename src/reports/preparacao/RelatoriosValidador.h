#pragma once
// The program's reports over its data module: fills tblRelatorio from the declarations chosen (the current or
// every row of tblSelecao, the chosen or the current receipt of tblNoldeNet) and describes the conference
// report or the receipt print of its rows. Each TXT is re-checked first (ConferirTxt); its failure, a reader's
// or a row's, stops the report with its message (Excecao) and leaves tblRelatorio empty.

#include <functional>
#include <string>

#include "reports/dados/ArquivoGimSintegra.h"
#include "reports/dados/TabelaRelatorio.h"
#include "reports/descricao/DocumentoRelatorio.h"
#include "reports/descricao/IdentificacaoPrograma.h"
#include "selection/DmValidador.h"

namespace zq {

enum class TModoRecibos { Recibos, Conferencia };

class TRelatoriosValidador {
public:
    // The application hint while preparing ("Apurando o movimento...", "Preparando recibos para impressão...",
    // "Imprimindo recibos..."); an empty text clears it.
    using TDica = std::function<void(const std::string& dica)>;

    TRelatoriosValidador(TDmValidador& dm, TIdentificacaoPrograma programa, TDica dica = {});
    TRelatoriosValidador(const TRelatoriosValidador&) = delete;
    TRelatoriosValidador& operator=(const TRelatoriosValidador&) = delete;

    // The conference report of the current row of tblSelecao.
    TDocumentoRelatorio ConferenciaSelecaoAtual();
    // The conference report of every row of tblSelecao, in table order (the current row is kept).
    TDocumentoRelatorio ConferenciaSelecao();
    // The rows of tblNoldeNet chosen for printing, in table order, for the transmission file `arquivoSfn`: its
    // receipt print, or the conference report of those declarations (the current row is kept).
    TDocumentoRelatorio RecibosEscolhidos(const std::string& arquivoSfn, TModoRecibos modo);
    // The receipt print of the current row of tblNoldeNet alone (a double click on it).
    TDocumentoRelatorio ReciboAtual(const std::string& arquivoSfn);

    // The rows of the last report.
    const TTabelaRelatorio& tblRelatorio() const { return tblRelatorio_; }

private:
    // Appends a row with the figures of the TXT.
    TLinhaRelatorio& AcrescentarDeclaracao(const std::string& arquivoTxt);
    TLinhaRelatorio& AcrescentarRecibo(const TReciboNoldeNet& recibo, bool comDadosRecibo);
    TDocumentoRelatorio Conferencia() const;
    TDocumentoRelatorio Comprovante(const std::string& arquivoSfn) const;

    TDmValidador& dm_;
    TIdentificacaoPrograma programa_;
    TDica dica_;
    TArquivoGimSintegra arquivoGim_;
    TTabelaRelatorio tblRelatorio_ = CriarTblRelatorio();
};

}  // namespace zq
