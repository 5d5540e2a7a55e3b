#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

// Record 10 opens a declaration: it resets the declaration state, fills the
// report header and checks the period, the registration and the codes of the file.
class ProcessadorRegistro10 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro10(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), registro10_(objetos.registro10), complementos_(objetos.complementos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void IniciarDeclaracao();
    void ConferirValidade(std::chrono::year_month referencia);
    void ConferirCampos(const std::string& linha);

    ContextoCritica& contexto_;
    TReg10& registro10_;
    ComplementosCritica& complementos_;
};

}  // namespace zq
