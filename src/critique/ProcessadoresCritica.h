#pragma once
// The handlers of one critique call, chosen by record type, and the checks that
// run once the whole file has been seen.

#include <array>
#include <memory>
#include <vector>

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

class ProcessadoresCritica {
public:
    explicit ProcessadoresCritica(ContextoCritica& contexto);
    ~ProcessadoresCritica();

    // Types without a handler are skipped.
    void Processar(int tipo, const LinhaCritica& linha) {
        if (tipo >= 0 && tipo < static_cast<int>(porTipo_.size()) && porTipo_[static_cast<std::size_t>(tipo)]) {
            porTipo_[static_cast<std::size_t>(tipo)]->Processar(linha);
        }
    }
    void CriticasFinais();
    ComplementosCritica& Complementos() { return objetos_.complementos; }

private:
    void Registrar(int tipo, std::unique_ptr<ProcessadorRegistro> processador);

    ContextoCritica& contexto_;
    ObjetosDeclaracao objetos_;
    std::vector<std::unique_ptr<ProcessadorRegistro>> processadores_;
    std::array<ProcessadorRegistro*, 100> porTipo_{};
};

}  // namespace zq
