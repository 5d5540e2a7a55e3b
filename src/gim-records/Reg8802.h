#pragma once
// Record 8802: the debits side of the monthly ICMS assessment of a normal-regime taxpayer, with the tax
// substitution (ST) of the period.

#include "gim-records/RegGimCabecalho.h"
#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"

namespace zq {

class TReg8802 : public TRegGimCabecalho {
public:
    TReg8802();

    Moeda DebitoSaidas() const { return debitoSaidas_.AsMonetario(); }
    Moeda DebitoTransferencia() const { return debitoTransferencia_.AsMonetario(); }
    Moeda OutrosDebitos() const { return outrosDebitos_.AsMonetario(); }
    Moeda EstornoCreditos() const { return estornoCreditos_.AsMonetario(); }
    Moeda StEntradasJaRecolhida() const { return stEntradasJaRecolhida_.AsMonetario(); }
    Moeda StEntradasARecolher() const { return stEntradasARecolher_.AsMonetario(); }
    Moeda StSaidasJaRecolhida() const { return stSaidasJaRecolhida_.AsMonetario(); }
    Moeda StRetencaoFonte() const { return stRetencaoFonte_.AsMonetario(); }

    void SetDebitoSaidas(Moeda valor) { debitoSaidas_.SetMonetario(valor); }
    void SetDebitoTransferencia(Moeda valor) { debitoTransferencia_.SetMonetario(valor); }
    void SetOutrosDebitos(Moeda valor) { outrosDebitos_.SetMonetario(valor); }
    void SetEstornoCreditos(Moeda valor) { estornoCreditos_.SetMonetario(valor); }
    void SetStEntradasJaRecolhida(Moeda valor) { stEntradasJaRecolhida_.SetMonetario(valor); }
    void SetStEntradasARecolher(Moeda valor) { stEntradasARecolher_.SetMonetario(valor); }
    void SetStSaidasJaRecolhida(Moeda valor) { stSaidasJaRecolhida_.SetMonetario(valor); }
    void SetStRetencaoFonte(Moeda valor) { stRetencaoFonte_.SetMonetario(valor); }

private:
    TCampoSintegra debitoSaidas_{*this, tcMonetario, 2, 13, 21, "Débito por Saídas"};
    TCampoSintegra debitoTransferencia_{*this, tcMonetario, 2, 13, 34, "Débito por Transferência"};
    TCampoSintegra outrosDebitos_{*this, tcMonetario, 2, 13, 47, "Outros Débitos"};
    TCampoSintegra estornoCreditos_{*this, tcMonetario, 2, 13, 60, "Estorno de Créditos"};
    TCampoSintegra stEntradasJaRecolhida_{*this, tcMonetario, 2, 13, 73, "ST Entradas já Recolhida"};
    TCampoSintegra stEntradasARecolher_{*this, tcMonetario, 2, 13, 86, "ST Entradas a Recolher"};
    TCampoSintegra stSaidasJaRecolhida_{*this, tcMonetario, 2, 13, 99, "ST Saídas já Recolhida"};
    TCampoSintegra stRetencaoFonte_{*this, tcMonetario, 2, 13, 112, "ST Retenção Fonte"};
};

}  // namespace zq
