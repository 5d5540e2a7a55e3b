#include "main-window/RelatoriosJanela.h"

#include "main-window/CaixasMensagem.h"

namespace zq::janela {

// Placeholder until the report renderer is merged.
void TRelatoriosJanela::Conferencia(TDmValidador&, QWidget*) {
    TCaixas::Programa().Informacao(QStringLiteral("Relatório indisponível nesta versão."));
}
void TRelatoriosJanela::Recibos(TDmValidador&, const std::string&, bool, QWidget*) {
    TCaixas::Programa().Informacao(QStringLiteral("Relatório indisponível nesta versão."));
}
void TRelatoriosJanela::Recibo(TDmValidador&, const std::string&, QWidget*) {
    TCaixas::Programa().Informacao(QStringLiteral("Relatório indisponível nesta versão."));
}

}  // namespace zq::janela
