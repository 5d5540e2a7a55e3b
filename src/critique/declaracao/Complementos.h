#pragma once
// What the pass hands to the EPP and Simples Nacional calculators, the FUNCEP
// limit and the reference database. Each is an interface here; until those
// parts exist, the stand-ins of CriarComplementosAusentes behave as an empty
// reference database would.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "critique/MensagensCritica.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// TGimEPP: the outputs and acquisitions of the EPP tax computation.
class ApuracaoEpp {
public:
    virtual ~ApuracaoEpp() = default;
    virtual void AcumularSaida(int cfop, Moeda valor) = 0;
    virtual void AcumularAquisicao(int cfop, Moeda valor) = 0;
    virtual void AcumularAquisicaoInterna(int cfop, Moeda valor) = 0;
};

// TGimSN: the entries of a Simples Nacional declaration.
class ApuracaoSimplesNacional {
public:
    virtual ~ApuracaoSimplesNacional() = default;
    virtual void AcumularEntrada(Moeda valor) = 0;
};

// TValid_FUNCEP: the FUNCEP values of 8802 and 8816 and its ceiling.
class LimiteFuncep {
public:
    virtual ~LimiteFuncep() = default;
    virtual void SetDebitoSaidas(Moeda valor) = 0;
    virtual void SetFuncepNormal(Moeda valor) = 0;
    virtual Moeda FuncepNormal() const = 0;
    virtual bool FuncepNormalExcedido() const = 0;
    virtual void SetFuncepStSaidas(Moeda valor) = 0;
    virtual Moeda FuncepStSaidas() const = 0;
    // The rejection of an 8802 field 12 below the ST of the records 53 less the FUNCEP on ST outputs, when no
    // 8821 explains the difference.
    virtual std::string MensagemStSaidas(Moeda lido8816, Moeda lido8802, Moeda apurado53) const = 0;
};

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
    // Empty when allowed, else the refusal message.
    virtual std::string Verificar(const std::string& inscricao, const std::string& periodo) = 0;
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
    std::unique_ptr<ApuracaoEpp> epp;
    std::unique_ptr<ApuracaoSimplesNacional> simplesNacional;
    std::unique_ptr<LimiteFuncep> funcep;
    std::unique_ptr<RegraEspecial> regraEspecial;
    std::unique_ptr<EntregaRegimeNormal> entregaRegimeNormal;
    std::unique_ptr<QuadroV> quadroV;
};

ComplementosCritica CriarComplementosAusentes();

}  // namespace zq
