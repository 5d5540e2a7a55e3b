#pragma once
// Record 8818: the GIM of a Simples Nacional taxpayer.

#include <string>

#include "gim-records/RegGimCabecalho.h"
#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"

namespace zq {

class TReg8818 : public TRegGimCabecalho {
public:
    TReg8818();

    Moeda DifAliquotaAtivoConsumo() const { return difAliquotaAtivoConsumo_.AsMonetario(); }
    Moeda DifAliquotaComercializacao() const { return difAliquotaComercializacao_.AsMonetario(); }
    Moeda ImpostoAntecipado() const { return impostoAntecipado_.AsMonetario(); }
    Moeda SubstituicaoSaidas() const { return substituicaoSaidas_.AsMonetario(); }
    Moeda SubstituicaoEntradas() const { return substituicaoEntradas_.AsMonetario(); }
    Moeda IcmsRetidoFonte() const { return icmsRetidoFonte_.AsMonetario(); }
    Moeda IcmsImportacao() const { return icmsImportacao_.AsMonetario(); }
    char RegimeApuracao() const { return regimeApuracao_.Valor(); }
    Moeda Faturamento() const { return faturamento_.AsMonetario(); }
    Moeda TotalEntradas() const { return totalEntradas_.AsMonetario(); }
    double PercentualRecolhimento() const { return percentualRecolhimento_.AsDecimal(); }
    Moeda FuncepSimplesNacional() const { return funcepSimplesNacional_.AsMonetario(); }
    Moeda IcmsSimplesNacional() const { return icmsSimplesNacional_.AsMonetario(); }
    // The establishment: "1" head office or single establishment, "2" branch, "3" head office without
    // movement.
    char Categoria() const { return categoria_.Valor(); }
    // The category as the program shows it; empty for an unknown one.
    std::string CategoriaTexto() const;

    void SetDifAliquotaAtivoConsumo(Moeda valor) { difAliquotaAtivoConsumo_.SetMonetario(valor); }
    void SetDifAliquotaComercializacao(Moeda valor) { difAliquotaComercializacao_.SetMonetario(valor); }
    void SetImpostoAntecipado(Moeda valor) { impostoAntecipado_.SetMonetario(valor); }
    void SetSubstituicaoSaidas(Moeda valor) { substituicaoSaidas_.SetMonetario(valor); }
    void SetSubstituicaoEntradas(Moeda valor) { substituicaoEntradas_.SetMonetario(valor); }
    void SetIcmsRetidoFonte(Moeda valor) { icmsRetidoFonte_.SetMonetario(valor); }
    void SetIcmsImportacao(Moeda valor) { icmsImportacao_.SetMonetario(valor); }
    void SetRegimeApuracao(char valor) { regimeApuracao_.Set(valor); }
    void SetFaturamento(Moeda valor) { faturamento_.SetMonetario(valor); }
    void SetTotalEntradas(Moeda valor) { totalEntradas_.SetMonetario(valor); }
    void SetPercentualRecolhimento(double valor) { percentualRecolhimento_.SetDecimal(valor); }
    void SetFuncepSimplesNacional(Moeda valor) { funcepSimplesNacional_.SetMonetario(valor); }
    void SetIcmsSimplesNacional(Moeda valor) { icmsSimplesNacional_.SetMonetario(valor); }
    void SetCategoria(char valor) { categoria_.Set(valor); }

private:
    TCampoSintegra difAliquotaAtivoConsumo_{*this, tcMonetario, 2, 9, 21, "Dif. Alíq. Ativo Fixo ou Consumo"};
    TCampoSintegra difAliquotaComercializacao_{*this, tcMonetario, 2, 9, 30,
                                               "Dif. Alíq. Comercialização ou Industrialização"};
    TCampoSintegra impostoAntecipado_{*this, tcMonetario, 2, 9, 39, "Imposto Antecipado"};
    TCampoSintegra substituicaoSaidas_{*this, tcMonetario, 2, 9, 48, "Substituição por Saídas"};
    TCampoSintegra substituicaoEntradas_{*this, tcMonetario, 2, 9, 57, "Substituição por Entradas"};
    TCampoSintegra icmsRetidoFonte_{*this, tcMonetario, 2, 9, 66, "ICMS Retido Fonte"};
    TCampoSintegra icmsImportacao_{*this, tcMonetario, 2, 9, 75, "ICMS Importação"};
    TCampoCaractere regimeApuracao_{*this, 84};
    // The authority's label of the billing of the period, as it is written.
    TCampoSintegra faturamento_{*this, tcMonetario, 2, 9, 85, "Raturamento"};
    TCampoSintegra totalEntradas_{*this, tcMonetario, 2, 9, 94, "Total de Entradas"};
    TCampoSintegra percentualRecolhimento_{*this, tcDecimal, 2, 3, 103, "Percentual Recolhimento"};
    TCampoSintegra funcepSimplesNacional_{*this, tcMonetario, 2, 9, 106, "FUNCEP Simples Nacional"};
    TCampoSintegra icmsSimplesNacional_{*this, tcMonetario, 2, 9, 115, "ICMS Simples Nacional"};
    TCampoCaractere categoria_{*this, 124};
};

}  // namespace zq
