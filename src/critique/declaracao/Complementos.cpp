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
    std::string Verificar(const std::string&, const std::string&) override { return {}; }
};

// No 8821, 8822 or 8823 line read.
class AjustesSubstituicaoAusentes final : public AjustesSubstituicao {
public:
    int Quantidade8821() const override { return 0; }
    Moeda TotalAjustes8821() const override { return {}; }
    Moeda Ressarcimento8821() const override { return {}; }
    Moeda TotalRessarcido8822() const override { return {}; }
    Moeda OutrosDebitos8823() const override { return {}; }
};

class SemTanques final : public TanquesCombustivel {
public:
    int TanquesEncerrantes() const override { return 0; }
    int TanquesEstoque() const override { return 0; }
};

// Until the 8830 rules exist, its absence is not judged.
class ReciboNaoVerificado final : public ReciboMesAnterior {
public:
    int Quantidade() const override { return 0; }
    void VerificarAusencia(const std::string&, MensagensCritica&) override {}
};

// No 8829 read: nothing to compare.
class QuadroVVazio final : public QuadroV {
public:
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
    complementos.ajustesSubstituicao = std::make_unique<AjustesSubstituicaoAusentes>();
    complementos.tanques = std::make_unique<SemTanques>();
    complementos.reciboMesAnterior = std::make_unique<ReciboNaoVerificado>();
    complementos.quadroV = std::make_unique<QuadroVVazio>();
    return complementos;
}

}  // namespace zq
