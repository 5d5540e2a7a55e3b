#pragma once
// The authority's reference tables as the critique consults them: unpacked and opened before the pass,
// closed after it. The rules that depend on them reach them through the complements of the declaration.

#include <memory>

#include "critique/declaracao/Complementos.h"

namespace zq {

class ReferenciaCritica {
public:
    virtual ~ReferenciaCritica() = default;
    virtual void Conectar() = 0;
    virtual void AbrirTabelas() = 0;
    virtual void CriarContribuinte() = 0;
    virtual void CarregarRegraEspecial() = 0;
    // Puts the special rule, the regime-normal delivery and the records 8829 of the database in place of the
    // stand-ins. The complements must not be used after this object is gone.
    virtual void Completar(ComplementosCritica& complementos) = 0;
    virtual void FecharTabelas() = 0;
};

// The packaged database "Morvanta.cri" of the host program's folder, unpacked into a work folder of this call
// under the system's temporary folder. Excecao with the unpacking step's message.
std::unique_ptr<ReferenciaCritica> CriarReferenciaCritica();

}  // namespace zq
