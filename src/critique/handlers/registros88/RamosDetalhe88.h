#pragma once
// The branches of the detail records (8819 to 8830): each reads its line with the sub-type's object of the run
// and, when the object accepts it, compares it with record 10, the GIM's main records and the other details.

#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

void RegistrarRamosDetalhe(TabelaRamos88& ramos, ContextoCritica& contexto, ObjetosDeclaracao& objetos);

}  // namespace zq
