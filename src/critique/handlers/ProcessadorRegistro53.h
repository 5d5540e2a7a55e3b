#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/registros/Reg53.h"

namespace zq {

// Record 53: the ICMS withheld by tax substitution on an invoice.
class ProcessadorRegistro53 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro53(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    TReg53 registro_;
};

}  // namespace zq
