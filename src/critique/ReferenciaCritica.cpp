#include "critique/ReferenciaCritica.h"

#include <optional>

#include "critique/EnderecoSite.h"
#include "platform/Plataforma.h"
#include "reference-db/ArqContribSPED.h"
#include "reference-db/ConsContribEntregaNormal.h"
#include "reference-db/ContribListaValidRegraEspecial.h"
#include "reference-db/DTMMorvanta.h"
#include "reference-db/PacoteMorvanta.h"
#include "reference-db/QuadroV.h"

namespace zq {
namespace {

// The list exists from the start of the pass; a record 10 whose registration it does not hold releases it.
class RegraEspecialBanco final : public RegraEspecial {
public:
    explicit RegraEspecialBanco(TContribListaValidRegraEspecial& lista) : lista_(lista) {}

    bool Existe() const override { return existe_; }
    void SelecionarContribuinte(const std::string& inscricao) override {
        if (existe_ && !lista_.Localizar(inscricao)) existe_ = false;
    }
    void AcumularDiferenca(Moeda diferenca) override { lista_.AdicionarDiferenca(diferenca); }
    void Adiar(std::string mensagem) override { lista_.Adiar(std::move(mensagem)); }
    void LiberarAdiadas(Moeda saldoImposto, std::vector<std::string>& rejeicoes) override {
        lista_.LiberarAdiadas(saldoImposto, rejeicoes);
    }

private:
    TContribListaValidRegraEspecial& lista_;
    bool existe_ = true;
};

class EntregaRegimeNormalBanco final : public EntregaRegimeNormal {
public:
    explicit EntregaRegimeNormalBanco(TConsContribEntregaNormal& consulta) : consulta_(consulta) {}

    void Verificar(const std::string& inscricao, const std::string& periodo,
                   std::vector<std::string>& rejeicoes) override {
        if (!consulta_.PodeEntregar(inscricao, periodo, rejeicoes)) rejeicoes.push_back(consulta_.Recusa());
    }

private:
    TConsContribEntregaNormal& consulta_;
};

class QuadroVBanco final : public QuadroV {
public:
    explicit QuadroVBanco(TQuadroV& quadro) : quadro_(quadro) {}

    bool Dispensada(const std::string& inscricao) const override { return TQuadroV::Dispensada(inscricao); }
    void Acumular(int municipio, Moeda valorAdicionado, const std::string& periodo,
                  MensagensCritica& mensagens) override {
        quadro_.Acumular(municipio, valorAdicionado, periodo, mensagens.ListaRejeicoes);
    }
    void ConferirTotalSaidas(Moeda totalSaidas, const std::string& periodo, MensagensCritica& mensagens) override {
        quadro_.ConferirTotalSaidas(totalSaidas, periodo, mensagens.ListaRejeicoes);
    }

private:
    TQuadroV& quadro_;
};

class ReferenciaBanco final : public ReferenciaCritica {
public:
    ReferenciaBanco()
        : banco_(PlataformaAtual().CaminhoProgramaEmExecucao().parent_path() / kNomePacote,
                 PlataformaAtual().PastaTemporaria(),
                 CaminhoCp1252(PlataformaAtual().CaminhoProgramaEmExecucao().filename())) {}

    void Conectar() override { banco_.Conectar(true); }
    void AbrirTabelas() override { banco_.AbrirTabelas(); }
    // The contributor object keeps only the period of record 10, which the driver already hands on.
    void CriarContribuinte() override {}
    void CarregarRegraEspecial() override { regraEspecial_.emplace(banco_.SelecionarRegraEspecial()); }
    void Completar(ComplementosCritica& complementos) override {
        if (regraEspecial_) complementos.regraEspecial = std::make_unique<RegraEspecialBanco>(*regraEspecial_);
        complementos.entregaRegimeNormal = std::make_unique<EntregaRegimeNormalBanco>(entregaNormal_);
        complementos.quadroV = std::make_unique<QuadroVBanco>(quadroV_);
    }
    void FecharTabelas() override { banco_.FecharTabelas(); }

private:
    TDTMMorvanta banco_;
    TArqContribSPED validadeListaEfd_{banco_, kEnderecoSiteXar};
    TConsContribEntregaNormal entregaNormal_{banco_, validadeListaEfd_};
    TQuadroV quadroV_{banco_};
    std::optional<TContribListaValidRegraEspecial> regraEspecial_;
};

}  // namespace

std::unique_ptr<ReferenciaCritica> CriarReferenciaCritica() { return std::make_unique<ReferenciaBanco>(); }

}  // namespace zq
