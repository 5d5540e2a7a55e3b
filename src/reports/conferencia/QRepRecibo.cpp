#include "reports/conferencia/QRepRecibo.h"

namespace zq {

TQRepRecibo::TQRepRecibo(TIdentificacaoPrograma programa, std::chrono::local_seconds agora)
    : programa_(std::move(programa)), agora_(agora) {}

TDocumentoRelatorio TQRepRecibo::Descrever(const TTabelaRelatorio&) const { return {}; }

std::vector<std::string> TQRepRecibo::BandasDaLinha(const TLinhaRelatorio&) { return {}; }

}  // namespace zq
