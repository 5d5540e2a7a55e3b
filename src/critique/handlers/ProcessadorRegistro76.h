#pragma once

#include <string>

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/campos/Cfop.h"

namespace zq {

// Record 76: a communication or telecommunication service note. The rules
// read columns 3 to 123; texts are compared and quoted as read.
class ProcessadorRegistro76 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro76(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void ConferirNota(const std::string& linha, char situacao);

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    // Reused from line to line: its texts are made again only when the code changes.
    TCfop cfop_;
};

}  // namespace zq
