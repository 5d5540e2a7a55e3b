#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

// Record 10 opens a declaration: it fills the report header and resets the
// declaration state.
class ProcessadorRegistro10 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro10(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), registro10_(objetos.registro10) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    TReg10& registro10_;
};

}  // namespace zq
