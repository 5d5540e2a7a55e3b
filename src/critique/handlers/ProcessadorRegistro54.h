#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

// Record 54: an item of an invoice, settling the record 50 that waits for it.
class ProcessadorRegistro54 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro54(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
};

}  // namespace zq
