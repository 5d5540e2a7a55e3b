#pragma once
// Record 8814: the assessment of a small enterprise ("GIM EPP").

#include <cstdint>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8814 : public TRegSintegra {
public:
    TReg8814();

    Moeda BaseRecolhimentoEfetiva() const { return baseRecolhimentoEfetiva_.AsMonetario(); }
    double PercentualRecolhimento() const { return percentualRecolhimento_.AsDecimal(); }
    Moeda ImpostoDevido() const { return impostoDevido_.AsMonetario(); }
    Moeda ValorCreditoPresumido() const { return valorCreditoPresumido_.AsMonetario(); }
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
    void SetNumeroEmpregados(std::int32_t valor) { numeroEmpregados_.SetInteiro(valor); }
    void SetPercentualCreditoEmpregados(std::int32_t valor) { percentualCreditoEmpregados_.SetInteiro(valor); }
    void SetTotalAquisicoes(Moeda valor) { totalAquisicoes_.SetMonetario(valor); }
    void SetAquisicoesInternas(Moeda valor) { aquisicoesInternas_.SetMonetario(valor); }
    void SetPercentualCreditoAquisicoes(std::int32_t valor) { percentualCreditoAquisicoes_.SetInteiro(valor); }
    void SetPercentualCreditoPresumido(std::int32_t valor) { percentualCreditoPresumido_.SetInteiro(valor); }
    void SetValorCreditoPresumido(Moeda valor) { valorCreditoPresumido_.SetMonetario(valor); }
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
    TCampoSintegra numeroEmpregados_{*this, tcInteiro, 0, 3, 43, "Número de Empregados"};
    TCampoSintegra percentualCreditoEmpregados_{*this, tcInteiro, 0, 2, 46, "Percent. Créd. Empregados"};
    TCampoSintegra totalAquisicoes_{*this, tcMonetario, 2, 9, 48, "Total de Aquisições"};
    TCampoSintegra aquisicoesInternas_{*this, tcMonetario, 2, 9, 57, "Aquisições Internas"};
    TCampoSintegra percentualCreditoAquisicoes_{*this, tcInteiro, 0, 2, 66, "Percent. Créd. Aquisições"};
    TCampoSintegra percentualCreditoPresumido_{*this, tcInteiro, 0, 2, 68, "Percent. Créd. Presumido"};
    TCampoSintegra valorCreditoPresumido_{*this, tcMonetario, 2, 9, 70, "Valor Créd. Presumido"};
    TCampoSintegra impostoARecolher_{*this, tcMonetario, 2, 9, 79, "Imposto a Recolher"};
    TCampoSintegra stEntradasJaRecolhida_{*this, tcMonetario, 2, 9, 88, "ST Entradas já Recolhida"};
    TCampoSintegra stEntradasARecolher_{*this, tcMonetario, 2, 9, 97, "ST Entradas a Recolher"};
    TCampoSintegra stSaidasJaRecolhida_{*this, tcMonetario, 2, 9, 106, "ST Saídas já Recolhida"};
    TCampoSintegra stRetencaoFonte_{*this, tcMonetario, 2, 9, 115, "ST Retenção Fonte"};
};

}  // namespace zq
