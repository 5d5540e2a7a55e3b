#include "main-window/InteracaoJanela.h"

#include <QCoreApplication>
#include <QStatusBar>

#include "main-window/TextoQt.h"

namespace zq::janela {

TInteracaoJanela::TInteracaoJanela(QStatusBar* barra) : barra_(barra) { DefinirInteracao(this); }
TInteracaoJanela::~TInteracaoJanela() { DefinirInteracao(nullptr); }

// Paints and timers only: a click now would start another flow in the middle of this one.
void TInteracaoJanela::ProcessarEventos() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void TInteracaoJanela::MostrarDica(const std::string& dica) { barra_->showMessage(DoNucleo(dica)); }

}  // namespace zq::janela
