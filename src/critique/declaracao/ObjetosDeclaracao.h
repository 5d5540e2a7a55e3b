#pragma once
// The record objects and accumulators of one critique call, created before the
// pass and freed after it.

#include "critique/declaracao/Complementos.h"
#include "critique/totais/ProcReg50.h"
#include "critique/totais/VlrRegistros.h"
#include "gim-records/Regs88.h"
#include "gim-records/detalhes/DetalhesGim.h"
#include "record-model/totais/AcumReg53.h"
#include "record-model/totais/Acumulados.h"
#include "record-model/totais/Controle54.h"
#include "record-model/registros/Reg10.h"

namespace zq {

struct ObjetosDeclaracao {
    TReg10 registro10;
    TRegs88 registros88{registro10};
    DetalhesGim detalhes;
    TAcumReg53 acumReg53;
    TReg61Acumulado reg61Acumulado;
    TControle54 controle54;
    ComplementosCritica complementos = CriarComplementosAusentes();
    TProcReg50 procReg50{complementos};
    TVlrRegistros vlrRegistros;
};

}  // namespace zq
