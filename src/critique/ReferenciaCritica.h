#pragma once
// The authority's reference tables as the critique consults them, opened
// before the pass and closed after it.

#include <memory>

namespace zq {

class ReferenciaCritica {
public:
    virtual ~ReferenciaCritica() = default;
    virtual void Conectar() = 0;
    virtual void AbrirTabelas() = 0;
    virtual void CriarContribuinte() = 0;
    virtual void CarregarRegraEspecial() = 0;
    virtual void FecharTabelas() = 0;
};

// The reference database of this build. Until the packaged database exists it
// behaves as an empty one: no contributor, no special rule.
std::unique_ptr<ReferenciaCritica> CriarReferenciaCritica();

}  // namespace zq
