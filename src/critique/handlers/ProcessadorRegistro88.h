#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

// Every type-88 line: its frame, the sub-types the kind of declaration forbids, the record set, then the branch
// of its sub-type.
class ProcessadorRegistro88 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro88(ContextoCritica& contexto, ObjetosDeclaracao& objetos);
    void Processar(const LinhaCritica& linha) override;

private:
    // The branch of a sub-type; none for a number outside the table.
    Ramo88* RamoDoSubtipo(int subtipo) const;
    void AnotarSubtipo(int subtipo);
    void ConferirTipoDeDeclaracao(int subtipo);

    ContextoCritica& contexto_;
    TRegs88& registros88_;
    TabelaRamos88 ramos_;
};

}  // namespace zq
