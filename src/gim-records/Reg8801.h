#pragma once
// Record 8801: the credits side of the monthly ICMS assessment of a normal-regime taxpayer.

#include "gim-records/RegGimCabecalho.h"
#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"

namespace zq {

class TReg8801 : public TRegGimCabecalho {
public:
    TReg8801();

    Moeda CreditoEntradas() const { return creditoEntradas_.AsMonetario(); }
    Moeda CreditoAtivoImobilizado() const { return creditoAtivoImobilizado_.AsMonetario(); }
    Moeda CreditoTransferencia() const { return creditoTransferencia_.AsMonetario(); }
    Moeda AntecipadoRecolhido() const { return antecipadoRecolhido_.AsMonetario(); }
    Moeda AntecipadoARecolher() const { return antecipadoARecolher_.AsMonetario(); }
    Moeda OutrosCreditos() const { return outrosCreditos_.AsMonetario(); }
    Moeda EstornoDebitos() const { return estornoDebitos_.AsMonetario(); }
    Moeda SaldoAnterior() const { return saldoAnterior_.AsMonetario(); }

    void SetCreditoEntradas(Moeda valor) { creditoEntradas_.SetMonetario(valor); }
    void SetCreditoAtivoImobilizado(Moeda valor) { creditoAtivoImobilizado_.SetMonetario(valor); }
    void SetCreditoTransferencia(Moeda valor) { creditoTransferencia_.SetMonetario(valor); }
    void SetAntecipadoRecolhido(Moeda valor) { antecipadoRecolhido_.SetMonetario(valor); }
    void SetAntecipadoARecolher(Moeda valor) { antecipadoARecolher_.SetMonetario(valor); }
    void SetOutrosCreditos(Moeda valor) { outrosCreditos_.SetMonetario(valor); }
    void SetEstornoDebitos(Moeda valor) { estornoDebitos_.SetMonetario(valor); }
    void SetSaldoAnterior(Moeda valor) { saldoAnterior_.SetMonetario(valor); }

private:
    TCampoSintegra creditoEntradas_{*this, tcMonetario, 2, 13, 21, "Crédito por Entradas"};
    TCampoSintegra creditoAtivoImobilizado_{*this, tcMonetario, 2, 13, 34, "Crédito Ativo Imobilizado"};
    TCampoSintegra creditoTransferencia_{*this, tcMonetario, 2, 13, 47, "Crédito por Transferência"};
    TCampoSintegra antecipadoRecolhido_{*this, tcMonetario, 2, 13, 60, "ICMS Antecipado já Recolhido"};
    TCampoSintegra antecipadoARecolher_{*this, tcMonetario, 2, 13, 73, "ICMS Antecipado a Recolher"};
    TCampoSintegra outrosCreditos_{*this, tcMonetario, 2, 13, 86, "Outros Créditos"};
    TCampoSintegra estornoDebitos_{*this, tcMonetario, 2, 13, 99, "Estorno de Débitos"};
    TCampoSintegra saldoAnterior_{*this, tcMonetario, 2, 13, 112, "Saldo Anterior"};
};

}  // namespace zq
