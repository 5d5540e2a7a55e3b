#include "critique/declaracao/Complementos.h"

namespace zq {
namespace {

class SemRegraEspecial final : public RegraEspecial {
public:
    bool Existe() const override { return false; }
    void SelecionarContribuinte(const std::string&) override {}
    void AcumularDiferenca(Moeda) override {}
    void Adiar(std::string) override {}
    void LiberarAdiadas(Moeda, std::vector<std::string>&) override {}
};

class EntregaSempreAceita final : public EntregaRegimeNormal {
public:
    void Verificar(const std::string&, const std::string&, std::vector<std::string>&) override {}
};

// Without the reference database an 8829 is only checked for its format.
class QuadroVVazio final : public QuadroV {
public:
    bool Dispensada(const std::string&) const override { return false; }
    void Acumular(int, Moeda, const std::string&, MensagensCritica&) override {}
    void ConferirTotalSaidas(Moeda, const std::string&, MensagensCritica&) override {}
};

}  // namespace

ComplementosCritica CriarComplementosAusentes() {
    ComplementosCritica complementos;
    complementos.epp = std::make_unique<TGimEPP>();
    complementos.simplesNacional = std::make_unique<TGimSN>();
    complementos.funcep = std::make_unique<TValid_FUNCEP>();
    complementos.regraEspecial = std::make_unique<SemRegraEspecial>();
    complementos.entregaRegimeNormal = std::make_unique<EntregaSempreAceita>();
    complementos.quadroV = std::make_unique<QuadroVVazio>();
    return complementos;
}

}  // namespace zq
