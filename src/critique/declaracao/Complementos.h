#pragma once
// What the pass hands to the EPP and Simples Nacional calculators, the FUNCEP
// limit, the detail records and the reference database. The detail records and
// the reference database are interfaces here; until those parts exist, the
// stand-ins of CriarComplementosAusentes behave as an empty reference database
// and absent detail records would.

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
    // Empty when allowed, else the refusal message.
    virtual std::string Verificar(const std::string& inscricao, const std::string& periodo) = 0;
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
    // The sum of the 8829 values against the output values of the national records. `periodo` "yyyymm".
    virtual void ConferirTotalSaidas(Moeda totalSaidas, const std::string& periodo, MensagensCritica& mensagens) = 0;
};

struct ComplementosCritica {
    std::unique_ptr<TGimEPP> epp;
    std::unique_ptr<TGimSN> simplesNacional;
    std::unique_ptr<TValid_FUNCEP> funcep;
    std::unique_ptr<RegraEspecial> regraEspecial;
    std::unique_ptr<EntregaRegimeNormal> entregaRegimeNormal;
    std::unique_ptr<AjustesSubstituicao> ajustesSubstituicao;
    std::unique_ptr<TanquesCombustivel> tanques;
    std::unique_ptr<ReciboMesAnterior> reciboMesAnterior;
    std::unique_ptr<QuadroV> quadroV;
};

ComplementosCritica CriarComplementosAusentes();

}  // namespace zq
