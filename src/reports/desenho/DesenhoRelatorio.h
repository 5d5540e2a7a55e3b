#pragma once
// Paints a report description (reports/descricao) with QPainter on any paged device: the print preview, a
// printer, a PDF. How a window shows a preview with it:
//
//     QPrinter impressora(QPrinter::HighResolution);
//     QPrintPreviewDialog previa(&impressora, janela);
//     QObject::connect(&previa, &QPrintPreviewDialog::paintRequested,
//                      [&](QPrinter* destino) { zq::DesenharRelatorio(documento, *destino); });
//     previa.exec();
//
// The description's CP1252 texts become UTF-8 here only. Liberation Mono and Sans must be installed
// (fonts-liberation2); the coat of arms is a resource of this library. A QGuiApplication must exist.

#include <QString>

#include "reports/descricao/DocumentoRelatorio.h"

class QPagedPaintDevice;

namespace zq {

// Sets the device's page size to the document's (no device margins: the description places everything) and
// paints every page. Excecao when painting cannot begin on the device.
void DesenharRelatorio(const TDocumentoRelatorio& documento, QPagedPaintDevice& dispositivo);

// Writes the document as a PDF, fonts embedded, replacing the file; Excecao when it cannot be written (no file
// is left half-written).
void GravarPdfRelatorio(const TDocumentoRelatorio& documento, const QString& arquivo);

}  // namespace zq
