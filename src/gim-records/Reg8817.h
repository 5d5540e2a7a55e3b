#pragma once
// Record 8817: the assessment of a small enterprise under the later rule ("GIM EPP-MP 37/06").

#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8817 : public TRegSintegra {
public:
    TReg8817();

    Moeda BaseRecolhimentoEfetiva() const { return baseRecolhimentoEfetiva_.AsMonetario(); }
    double PercentualRecolhimento() const { return percentualRecolhimento_.AsDecimal(); }
    Moeda ImpostoDevido() const { return impostoDevido_.AsMonetario(); }
    Moeda TotalCreditoOutorgado() const { return totalCreditoOutorgado_.AsMonetario(); }
    Moeda ImpostoARecolher() const { return impostoARecolher_.AsMonetario(); }
    Moeda StEntradasJaRecolhida() const { return stEntradasJaRecolhida_.AsMonetario(); }
    Moeda StEntradasARecolher() const { return stEntradasARecolher_.AsMonetario(); }
    Moeda StSaidasJaRecolhida() const { return stSaidasJaRecolhida_.AsMonetario(); }
    Moeda StRetencaoFonte() const { return stRetencaoFonte_.AsMonetario(); }

    void SetBaseRecolhimentoApurada(Moeda valor) { baseRecolhimentoApurada_.SetMonetario(valor); }
    void SetMediaMensalEntradas(Moeda valor) { mediaMensalEntradas_.SetMonetario(valor); }
    void SetBaseRecolhimentoEfetiva(Moeda valor) { baseRecolhimentoEfetiva_.SetMonetario(valor); }
    void SetPercentualRecolhimento(double valor) { percentualRecolhimento_.SetDecimal(valor); }
    void SetImpostoDevido(Moeda valor) { impostoDevido_.SetMonetario(valor); }
    void SetCreditoTefEcf(Moeda valor) { creditoTefEcf_.SetMonetario(valor); }
    void SetChequeMoradia(Moeda valor) { chequeMoradia_.SetMonetario(valor); }
    void SetChequeEducacao(Moeda valor) { chequeEducacao_.SetMonetario(valor); }
    void SetTotalCreditoOutorgado(Moeda valor) { totalCreditoOutorgado_.SetMonetario(valor); }
    void SetImpostoARecolher(Moeda valor) { impostoARecolher_.SetMonetario(valor); }
    void SetStEntradasJaRecolhida(Moeda valor) { stEntradasJaRecolhida_.SetMonetario(valor); }
    void SetStEntradasARecolher(Moeda valor) { stEntradasARecolher_.SetMonetario(valor); }
    void SetStSaidasJaRecolhida(Moeda valor) { stSaidasJaRecolhida_.SetMonetario(valor); }
    void SetStRetencaoFonte(Moeda valor) { stRetencaoFonte_.SetMonetario(valor); }

private:
    TCampoSintegra baseRecolhimentoApurada_{*this, tcMonetario, 2, 9, 5, "Base Recol. Apurada"};
    TCampoSintegra mediaMensalEntradas_{*this, tcMonetario, 2, 9, 14, "Média Mensal de Entradas"};
    TCampoSintegra baseRecolhimentoEfetiva_{*this, tcMonetario, 2, 9, 23, "Base Recol. Efetiva"};
    TCampoSintegra percentualRecolhimento_{*this, tcDecimal, 1, 2, 32, "Percentual Recolhimento"};
    TCampoSintegra impostoDevido_{*this, tcMonetario, 2, 9, 34, "Imposto Devido"};
    TCampoSintegra creditoTefEcf_{*this, tcMonetario, 2, 9, 43, "Crédito TEF/ECF"};
    TCampoSintegra chequeMoradia_{*this, tcMonetario, 2, 9, 52, "Cheque Moradia"};
    TCampoSintegra chequeEducacao_{*this, tcMonetario, 2, 9, 61, "Cheque Educação"};
    TCampoSintegra totalCreditoOutorgado_{*this, tcMonetario, 2, 9, 70, "Total Crédito Outorgado"};
    TCampoSintegra impostoARecolher_{*this, tcMonetario, 2, 9, 79, "Imposto a Recolher"};
    TCampoSintegra stEntradasJaRecolhida_{*this, tcMonetario, 2, 9, 88, "ST Entradas já Recolhida"};
    TCampoSintegra stEntradasARecolher_{*this, tcMonetario, 2, 9, 97, "ST Entradas a Recolher"};
    TCampoSintegra stSaidasJaRecolhida_{*this, tcMonetario, 2, 9, 106, "ST Saídas já Recolhida"};
    TCampoSintegra stRetencaoFonte_{*this, tcMonetario, 2, 9, 115, "ST Retenção Fonte"};
};

}  // namespace zq
