#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/registros/Reg76.h"

namespace zq {

// Record 76: a communication or telecommunication service note.
class ProcessadorRegistro76 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro76(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void ConferirNota(const std::string& linha);

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    TReg76 registro_;
};

}  // namespace zq
