#pragma once
// The reports of the window: prepared from the data module, shown in a print preview from which the user
// prints them.

#include "main-window/FormValidadorXraZQ.h"
#include "reports/descricao/DocumentoRelatorio.h"

namespace zq::janela {

class TRelatoriosJanela final : public TRelatorios {
public:
    void Conferencia(TDmValidador& dm, QWidget* pai) override;
    void Recibos(TDmValidador& dm, const std::string& arquivoSfn, bool comprovantes, QWidget* pai) override;
    void Recibo(TDmValidador& dm, const std::string& arquivoSfn, QWidget* pai) override;
};

// The modal print preview of a report description.
void PrevisualizarRelatorio(const TDocumentoRelatorio& documento, QWidget* pai);

}  // namespace zq::janela
