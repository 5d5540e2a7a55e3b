#pragma once
// Record 50: an invoice, one line per ICMS rate.

#include "record-model/comum/Moeda.h"
#include "record-model/registros/RegNotaFiscal.h"
#include "record-model/totais/TabelasCfop.h"

namespace zq {

class TReg50 : public TRegNotaFiscal {
public:
    TReg50() : TRegNotaFiscal("50") {}

    Moeda ValorTotal() const { return valorTotal_.Valor(); }
    Moeda BaseCalculo() const { return baseCalculo_.Valor(); }
    Moeda ValorIcms() const { return valorIcms_.Valor(); }
    Moeda Isentas() const { return isentas_.Valor(); }
    Moeda Outras() const { return outras_.Valor(); }
    // Percent: 1700 in the line is 17.00.
    double Aliquota() const { return aliquota_.Valor(); }
    char Situacao() const { return situacao_.Valor(); }
    // Situation "S", "X", "2" or "4".
    bool IsCancelada() const { return SituacaoCancelada(Situacao()); }

    void SetValorTotal(Moeda valor) { valorTotal_.Set(valor); }
    void SetBaseCalculo(Moeda valor) { baseCalculo_.Set(valor); }
    void SetValorIcms(Moeda valor) { valorIcms_.Set(valor); }
    void SetIsentas(Moeda valor) { isentas_.Set(valor); }
    void SetOutras(Moeda valor) { outras_.Set(valor); }
    void SetAliquota(double valor) { aliquota_.Set(valor); }
    void SetSituacao(char valor) { situacao_.Set(valor); }

private:
    TCampoMonetario valorTotal_{*this, 57, 13};
    TCampoMonetario baseCalculo_{*this, 70, 13};
    TCampoMonetario valorIcms_{*this, 83, 13};
    TCampoMonetario isentas_{*this, 96, 13};
    TCampoMonetario outras_{*this, 109, 13};
    TCampoDecimal aliquota_{*this, 122, 4};
    TCampoCaractere situacao_{*this, 126, true};
};

}  // namespace zq
