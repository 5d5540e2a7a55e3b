#include "reports/dados/TabelaRelatorio.h"

namespace zq {

TTabelaRelatorio CriarTblRelatorio() { return TTabelaRelatorio({}); }

}  // namespace zq
