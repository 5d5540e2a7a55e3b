#include "main-window/RelatoriosJanela.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "main-window/TextoQt.h"
#include "record-model/arquivos/Interacao.h"
#include "reports/desenho/DesenhoRelatorio.h"
#include "reports/preparacao/RelatoriosValidador.h"

namespace zq::janela {
namespace {

TIdentificacaoPrograma Programa() { return {.Titulo = "Validador XAR-ZQ", .Versao = ParaNucleo(VersaoDoPrograma())}; }

// Prepares the report with the wait cursor and its hints in the status bar.
template <class F>
TDocumentoRelatorio Preparar(TDmValidador& dm, F&& descrever) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restaurar {
        ~Restaurar() {
            InteracaoAtual().MostrarDica("");
            QApplication::restoreOverrideCursor();
        }
    } restaurar;
    TRelatoriosValidador relatorios(dm, Programa(), [](const std::string& dica) { InteracaoAtual().MostrarDica(dica); });
    return descrever(relatorios);
}

}  // namespace

void PrevisualizarRelatorio(const TDocumentoRelatorio& documento, QWidget* pai) {
    QPrinter impressora(QPrinter::HighResolution);
    QPrintPreviewDialog previa(&impressora, pai);
    previa.setObjectName(QStringLiteral("previaRelatorio"));
    QObject::connect(&previa, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* destino) { DesenharRelatorio(documento, *destino); });
    previa.resize(900, 760);
    previa.exec();
}

void TRelatoriosJanela::Conferencia(TDmValidador& dm, QWidget* pai) {
    PrevisualizarRelatorio(Preparar(dm, [](TRelatoriosValidador& r) { return r.ConferenciaSelecaoAtual(); }), pai);
}

void TRelatoriosJanela::Recibos(TDmValidador& dm, const std::string& arquivoSfn, bool comprovantes, QWidget* pai) {
    const TModoRecibos modo = comprovantes ? TModoRecibos::Recibos : TModoRecibos::Conferencia;
    PrevisualizarRelatorio(
        Preparar(dm, [&](TRelatoriosValidador& r) { return r.RecibosEscolhidos(arquivoSfn, modo); }), pai);
}

void TRelatoriosJanela::Recibo(TDmValidador& dm, const std::string& arquivoSfn, QWidget* pai) {
    PrevisualizarRelatorio(Preparar(dm, [&](TRelatoriosValidador& r) { return r.ReciboAtual(arquivoSfn); }), pai);
}

}  // namespace zq::janela
