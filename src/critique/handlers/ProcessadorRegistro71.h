#pragma once

#include "critique/ProcessadorRegistro.h"
#include "record-model/registros/Reg71.h"

namespace zq {

// Record 71: the invoices of a transport document, checked field by field.
class ProcessadorRegistro71 final : public ProcessadorRegistro {
public:
    explicit ProcessadorRegistro71(ContextoCritica& contexto) : contexto_(contexto) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    TReg71 registro_;
};

}  // namespace zq
