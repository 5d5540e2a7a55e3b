#pragma once

#include <string>
#include <string_view>

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/campos/Cfop.h"

namespace zq {

// Record 70: a transport document. Only the fields its rules use are read,
// each on its own: a field that cannot be read spoils only the checks that
// need it.
class ProcessadorRegistro70 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro70(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void ConferirNota(const std::string& linha, std::string_view numero);

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
    // Reused from line to line: its texts are made again only when the code changes.
    TCfop cfop_;
};

}  // namespace zq
