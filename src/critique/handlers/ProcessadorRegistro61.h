#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/registros/Reg61.h"
#include "record-model/registros/Reg61R.h"

namespace zq {

// Record 61: the daily summaries of documents issued without a fiscal printer; 61R is only parsed.
class ProcessadorRegistro61 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro61(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    TReg61 registro_;
    TReg61R registroR_;
};

}  // namespace zq
