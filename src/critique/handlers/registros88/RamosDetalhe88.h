#pragma once
// The branches of the EPP records (8814, 8817), the Simples Nacional record (8818) and the detail records (8819
// to 8830). Until they exist these sub-types only pass the frame checks and reach the record set, as sub-types
// without a branch do; they set none of the flags or counts their rules own.
//
// The branch of 8829 reconnects the reference database first when it is not connected.

#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

void RegistrarRamosDetalhe(TabelaRamos88& ramos, ContextoCritica& contexto, ObjetosDeclaracao& objetos);

}  // namespace zq
