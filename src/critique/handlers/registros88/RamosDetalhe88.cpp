#include "critique/handlers/registros88/RamosDetalhe88.h"

namespace zq {

void RegistrarRamosDetalhe(TabelaRamos88&, ContextoCritica&, ObjetosDeclaracao&) {}

}  // namespace zq
