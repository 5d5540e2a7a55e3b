#pragma once

#include "critique/ProcessadorRegistro.h"
#include "record-model/Reg10.h"

namespace zq {

// Record 10 opens a declaration: it fills the report header and resets the
// declaration state.
class ProcessadorRegistro10 final : public ProcessadorRegistro {
public:
    explicit ProcessadorRegistro10(ContextoCritica& contexto) : contexto_(contexto) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    TReg10 registro10_;
};

}  // namespace zq
