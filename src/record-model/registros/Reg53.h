#pragma once
// Record 53: an invoice with ICMS withheld by tax substitution.

#include <string>
#include <string_view>

#include "record-model/comum/Moeda.h"
#include "record-model/registros/RegNotaFiscal.h"
#include "record-model/totais/TabelasCfop.h"

namespace zq {

class TReg53 : public TRegNotaFiscal {
public:
    TReg53() : TRegNotaFiscal("53") {}

    Moeda BaseCalculoSt() const { return baseCalculoSt_.Valor(); }
    Moeda IcmsRetido() const { return icmsRetido_.Valor(); }
    Moeda DespesasAcessorias() const { return despesasAcessorias_.Valor(); }
    char Situacao() const { return situacao_.Valor(); }
    // Column 97 as read: blank, or the code of the kind of anticipation.
    const std::string& CodigoAntecipacao() const { return codigoAntecipacao_.Valor(); }
    // Situation "S", "X", "2" or "4".
    bool IsCancelada() const { return SituacaoCancelada(Situacao()); }

    void SetBaseCalculoSt(Moeda valor) { baseCalculoSt_.Set(valor); }
    void SetIcmsRetido(Moeda valor) { icmsRetido_.Set(valor); }
    void SetDespesasAcessorias(Moeda valor) { despesasAcessorias_.Set(valor); }
    void SetSituacao(char valor) { situacao_.Set(valor); }
    void SetCodigoAntecipacao(std::string_view valor) { codigoAntecipacao_.Set(valor); }

private:
    TCampoMonetario baseCalculoSt_{*this, 57, 13};
    TCampoMonetario icmsRetido_{*this, 70, 13};
    TCampoMonetario despesasAcessorias_{*this, 83, 13};
    TCampoCaractere situacao_{*this, 96, true};
    TCampoTexto codigoAntecipacao_{*this, 97, 1};
};

}  // namespace zq
