#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/registros/Reg50.h"

namespace zq {

// Record 50: an invoice, handed to the record-50 processor and the record-54 control.
class ProcessadorRegistro50 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro50(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    TReg50 registro_;
};

}  // namespace zq
