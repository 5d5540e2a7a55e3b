#pragma once
// What the pass hands to the EPP and Simples Nacional calculators, the FUNCEP
// limit, the detail records and the reference database. Each is an interface
// here; until those parts exist, the stand-ins of CriarComplementosAusentes
// behave as an empty reference database and absent detail records would.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/Moeda.h"

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
};

// The special-rule list of the reference database: contributors whose
// internal ICMS differences are deferred and forgiven up to a percentage.
class RegraEspecial {
public:
    virtual ~RegraEspecial() = default;
    // False when the declarant has no special rule: messages go straight to ListaRejeicoes.
    virtual bool Existe() const = 0;
    virtual void AcumularDiferenca(Moeda diferenca) = 0;
    virtual void Adiar(std::string mensagem) = 0;
};

// TConsContribEntregaNormal: may the registration deliver a normal-regime GIM for the period ("yyyy-mm")?
class EntregaRegimeNormal {
public:
    virtual ~EntregaRegimeNormal() = default;
    // Empty when allowed, else the refusal message.
    virtual std::string Verificar(const std::string& inscricao, const std::string& periodo) = 0;
};

struct ComplementosCritica {
    std::unique_ptr<ApuracaoEpp> epp;
    std::unique_ptr<ApuracaoSimplesNacional> simplesNacional;
    std::unique_ptr<LimiteFuncep> funcep;
    std::unique_ptr<RegraEspecial> regraEspecial;
    std::unique_ptr<EntregaRegimeNormal> entregaRegimeNormal;
};

ComplementosCritica CriarComplementosAusentes();

}  // namespace zq
