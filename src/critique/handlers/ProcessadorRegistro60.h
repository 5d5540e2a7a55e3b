#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

// Record 60: the fiscal printers (60M) and their totals per rate or situation (60A).
class ProcessadorRegistro60 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro60(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void AbrirEcf(const std::string& linha);
    void SomarAnalitico(const std::string& linha);

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
};

}  // namespace zq
