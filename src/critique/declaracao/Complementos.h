#pragma once
// What the pass hands to the EPP and Simples Nacional calculators, the FUNCEP
// limit and the reference database. The reference database is an interface
// here; until it exists, the stand-ins of CriarComplementosAusentes behave as
// an empty reference database would. The reference database puts its own in
// place before the pass (ReferenciaCritica::Completar).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "critique/MensagensCritica.h"
#include "gim-records/apuracao/GimEPP.h"
#include "gim-records/apuracao/GimSN.h"
#include "gim-records/apuracao/ValidFuncep.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// The special-rule list of the reference database: contributors whose
// internal ICMS differences are deferred and forgiven up to a percentage.
class RegraEspecial {
public:
    virtual ~RegraEspecial() = default;
    // False when the declarant has no special rule: messages go straight to ListaRejeicoes.
    virtual bool Existe() const = 0;
    // At record 10: a registration outside the list releases it for the rest of the call (Existe() is false).
    virtual void SelecionarContribuinte(const std::string& inscricao) = 0;
    virtual void AcumularDiferenca(Moeda diferenca) = 0;
    virtual void Adiar(std::string mensagem) = 0;
    // After the pass: the deferred messages join `rejeicoes` when the accumulated differences exceed the
    // declarant's percentage of the tax balance (debits minus credits); otherwise they are dropped.
    virtual void LiberarAdiadas(Moeda saldoImposto, std::vector<std::string>& rejeicoes) = 0;
};

// TConsContribEntregaNormal: may the registration deliver a normal-regime GIM for the period ("yyyy-mm")?
class EntregaRegimeNormal {
public:
    virtual ~EntregaRegimeNormal() = default;
    // Appends to `rejeicoes` what is wrong with the list of contributors allowed, then the refusal if the
    // registration may not deliver.
    virtual void Verificar(const std::string& inscricao, const std::string& periodo,
                           std::vector<std::string>& rejeicoes) = 0;
};

// TQuadroV: the value added per municipality of the records 8829.
class QuadroV {
public:
    virtual ~QuadroV() = default;
    // The one registration whose 8829 lines are ignored.
    virtual bool Dispensada(const std::string& inscricao) const = 0;
    // An 8829 line whose fields passed their checks: its value summed and counted, its period ("yyyymm") and its
    // municipality checked.
    virtual void Acumular(int municipio, Moeda valorAdicionado, const std::string& periodo,
                          MensagensCritica& mensagens) = 0;
    // The sum of the 8829 values against the output values of the national records. `periodo` "yyyymm".
    virtual void ConferirTotalSaidas(Moeda totalSaidas, const std::string& periodo, MensagensCritica& mensagens) = 0;
};

struct ComplementosCritica {
    std::unique_ptr<TGimEPP> epp;
    std::unique_ptr<TGimSN> simplesNacional;
    std::unique_ptr<TValid_FUNCEP> funcep;
    std::unique_ptr<RegraEspecial> regraEspecial;
    std::unique_ptr<EntregaRegimeNormal> entregaRegimeNormal;
    std::unique_ptr<QuadroV> quadroV;
};

ComplementosCritica CriarComplementosAusentes();

}  // namespace zq
