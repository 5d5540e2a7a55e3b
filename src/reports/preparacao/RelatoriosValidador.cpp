#include "reports/preparacao/RelatoriosValidador.h"

namespace zq {

TRelatoriosValidador::TRelatoriosValidador(TDmValidador& dm, TIdentificacaoPrograma programa, TDica dica)
    : dm_(dm), programa_(std::move(programa)), dica_(std::move(dica)) {}

TDocumentoRelatorio TRelatoriosValidador::ConferenciaSelecaoAtual() { return {}; }
TDocumentoRelatorio TRelatoriosValidador::ConferenciaSelecao() { return {}; }
TDocumentoRelatorio TRelatoriosValidador::RecibosEscolhidos(const std::string&, TModoRecibos) { return {}; }
TDocumentoRelatorio TRelatoriosValidador::ReciboAtual(const std::string&) { return {}; }

}  // namespace zq
