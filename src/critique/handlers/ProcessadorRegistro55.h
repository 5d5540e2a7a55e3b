#pragma once

#include "critique/ProcessadorRegistro.h"
#include "record-model/registros/Reg55.h"

namespace zq {

// Record 55: a payment guide, only parsed.
class ProcessadorRegistro55 final : public ProcessadorRegistro {
public:
    explicit ProcessadorRegistro55(ContextoCritica& contexto) : contexto_(contexto) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    TReg55 registro_;
};

}  // namespace zq
