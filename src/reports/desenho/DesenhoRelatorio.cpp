#include "reports/desenho/DesenhoRelatorio.h"

#include <QPagedPaintDevice>

namespace zq {

void DesenharRelatorio(const TDocumentoRelatorio&, QPagedPaintDevice&) {}

void GravarPdfRelatorio(const TDocumentoRelatorio&, const QString&) {}

}  // namespace zq
