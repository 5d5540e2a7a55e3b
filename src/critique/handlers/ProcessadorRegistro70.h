#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/registros/Reg70.h"

namespace zq {

// Record 70: a transport document; failures of its own are ignored.
class ProcessadorRegistro70 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro70(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void ConferirNota();

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    TReg70 registro_;
};

}  // namespace zq
