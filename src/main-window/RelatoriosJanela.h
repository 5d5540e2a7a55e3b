#pragma once
// The reports of the window, previewed before printing.

#include "main-window/FormValidadorXraZQ.h"

namespace zq::janela {

class TRelatoriosJanela final : public TRelatorios {
public:
    void Conferencia(TDmValidador& dm, QWidget* pai) override;
    void Recibos(TDmValidador& dm, const std::string& arquivoSfn, bool comprovantes, QWidget* pai) override;
    void Recibo(TDmValidador& dm, const std::string& arquivoSfn, QWidget* pai) override;
};

}  // namespace zq::janela
