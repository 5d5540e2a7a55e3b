#pragma once
// What the pass hands to the EPP and Simples Nacional calculators, the FUNCEP
// limit, the detail records and the reference database. Each is an interface
// here; until those parts exist, the stand-ins of CriarComplementosAusentes
// behave as an empty reference database and absent detail records would.
// The reference database puts its own in place before the pass
// (ReferenciaCritica::Completar).

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
    // Appends to `rejeicoes` what is wrong with the list of contributors allowed, then the refusal if the
    // registration may not deliver.
    virtual void Verificar(const std::string& inscricao, const std::string& periodo,
                           std::vector<std::string>& rejeicoes) = 0;
};

// TReg8821, TReg8822 and TReg8823: the credit and debit adjustments and the reimbursements of the ST on
// internal outputs, reconciled with 8802 at record 90.
class AjustesSubstituicao {
public:
    virtual ~AjustesSubstituicao() = default;
    // Accepted 8821 lines.
    virtual int Quantidade8821() const = 0;
    // Returns, transfers to other states and reimbursements of 8821 (fields 4 to 6).
    virtual Moeda TotalAjustes8821() const = 0;
    // 8821 field 6.
    virtual Moeda Ressarcimento8821() const = 0;
    // Sum of the 8822 field 6.
    virtual Moeda TotalRessarcido8822() const = 0;
    // 8823 field 4.
    virtual Moeda OutrosDebitos8823() const = 0;
};

// TReg8819 and TReg8820: the fuel tanks of the pump readings and of the closing stock.
class TanquesCombustivel {
public:
    virtual ~TanquesCombustivel() = default;
    virtual int TanquesEncerrantes() const = 0;  // distinct tanks of 8819
    virtual int TanquesEstoque() const = 0;      // distinct tanks of 8820
};

// TReg8830: the receipt of the previous month's GIM.
class ReciboMesAnterior {
public:
    virtual ~ReciboMesAnterior() = default;
    // Accepted 8830 lines.
    virtual int Quantidade() const = 0;
    // A normal delivery without 8830: a notice before 05/2011, a rejection from then on. `periodo` "yyyymm".
    virtual void VerificarAusencia(const std::string& periodo, MensagensCritica& mensagens) = 0;
};

// TQuadroV: the value added per municipality of the records 8829.
class QuadroV {
public:
    virtual ~QuadroV() = default;
    // One 8829 line of the declarant `inscricao` in the period `periodo` ("yyyymm"): its fields, its period and
    // its municipality.
    virtual void Ler(const std::string& linha, const std::string& inscricao, const std::string& periodo,
                     std::vector<std::string>& rejeicoes) = 0;
    // The sum of the 8829 values against the output values of the national records. `periodo` "yyyymm".
    virtual void ConferirTotalSaidas(Moeda totalSaidas, const std::string& periodo, MensagensCritica& mensagens) = 0;
};

struct ComplementosCritica {
    std::unique_ptr<ApuracaoEpp> epp;
    std::unique_ptr<ApuracaoSimplesNacional> simplesNacional;
    std::unique_ptr<LimiteFuncep> funcep;
    std::unique_ptr<RegraEspecial> regraEspecial;
    std::unique_ptr<EntregaRegimeNormal> entregaRegimeNormal;
    std::unique_ptr<AjustesSubstituicao> ajustesSubstituicao;
    std::unique_ptr<TanquesCombustivel> tanques;
    std::unique_ptr<ReciboMesAnterior> reciboMesAnterior;
    std::unique_ptr<QuadroV> quadroV;
};

ComplementosCritica CriarComplementosAusentes();

}  // namespace zq
