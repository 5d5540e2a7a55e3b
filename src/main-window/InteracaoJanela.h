#pragma once
// Long file operations of the core keep the window alive and tell the status bar what they do.

#include "record-model/arquivos/Interacao.h"

class QStatusBar;

namespace zq::janela {

class TInteracaoJanela final : public TInteracao {
public:
    explicit TInteracaoJanela(QStatusBar* barra);
    ~TInteracaoJanela() override;
    TInteracaoJanela(const TInteracaoJanela&) = delete;
    TInteracaoJanela& operator=(const TInteracaoJanela&) = delete;

    void ProcessarEventos() override;
    void MostrarDica(const std::string& dica) override;

private:
    QStatusBar* barra_;
};

}  // namespace zq::janela
