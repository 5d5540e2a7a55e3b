#pragma once

#include "critique/ProcessadorRegistro.h"

namespace zq {

// Record 10 opens a declaration: it fills the report header and resets the
// declaration state.
class ProcessadorRegistro10 final : public ProcessadorRegistro {
public:
    explicit ProcessadorRegistro10(ContextoCritica& contexto) : contexto_(contexto) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
};

}  // namespace zq
