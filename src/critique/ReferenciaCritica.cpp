#include "critique/ReferenciaCritica.h"

namespace zq {
namespace {

class ReferenciaVazia final : public ReferenciaCritica {
public:
    void Conectar() override {}
    void AbrirTabelas() override {}
    void CriarContribuinte() override {}
    void CarregarRegraEspecial() override {}
    void FecharTabelas() override {}
};

}  // namespace

std::unique_ptr<ReferenciaCritica> CriarReferenciaCritica() { return std::make_unique<ReferenciaVazia>(); }

}  // namespace zq
