#pragma once
// The branches of the detail records (8819 to 8830): each reads its line with the sub-type's object of the run
// and, when the object accepts it, compares it with record 10, the GIM's main records and the other details.
// The branches of the EPP records (8814, 8817) and the Simples Nacional record (8818) come with their
// calculators; until then those sub-types only pass the frame checks and reach the record set.

#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

void RegistrarRamosDetalhe(TabelaRamos88& ramos, ContextoCritica& contexto, ObjetosDeclaracao& objetos);

}  // namespace zq
