#pragma once
// The assessment of a small enterprise (EPP) recomputed from the national records: the outputs and
// acquisitions accumulated during the critique, then the effective base, the tax due and the presumed credit
// for employees and internal acquisitions.

#include <cstdint>

#include "record-model/comum/Moeda.h"

namespace zq {

class TGimEPP {
public:
    // Outputs (CFOP 5, 6, 7) outside the transfers, returns and ST operations that do not count.
    void AcumularSaida(std::int32_t cfop, Moeda valor);
    // Acquisitions outside the returns, transfers, uses and services that do not count.
    void AcumularAquisicao(std::int32_t cfop, Moeda valor);
    // Acquisitions within the state, under the same exclusions.
    void AcumularAquisicaoInterna(std::int32_t cfop, Moeda valor);

    // The greater of the outputs and 80 % of the monthly average of entries; the outputs on a tie.
    void CalcularBaseEfetiva(Moeda mediaEntradas);
    // `percentual` % of the effective base.
    void CalcularImpostoDevido(double percentual);
    // 1 to 5 employees: one point each; 6 to 20: two points each beyond five; more: 35.
    void CalcularPercentualEmpregados(std::int32_t empregados);
    // 40 when internal acquisitions are at least 80 % of all acquisitions, 20 from 60 %, else 0.
    void CalcularPercentualAquisicoes();
    // Both percentages together, at most 50, applied to the tax due; what remains is to pay.
    void CalcularCreditoPresumido();

    Moeda BaseApurada() const { return baseApurada_; }
    Moeda BaseEfetiva() const { return baseEfetiva_; }
    Moeda ImpostoDevido() const { return impostoDevido_; }
    std::int32_t PercentualEmpregados() const { return percentualEmpregados_; }
    Moeda TotalAquisicoes() const { return totalAquisicoes_; }
    Moeda AquisicoesInternas() const { return aquisicoesInternas_; }
    std::int32_t PercentualAquisicoes() const { return percentualAquisicoes_; }
    std::int32_t PercentualPresumido() const { return percentualPresumido_; }
    Moeda CreditoPresumido() const { return creditoPresumido_; }
    Moeda ImpostoARecolher() const { return impostoARecolher_; }

private:
    Moeda baseApurada_;
    Moeda baseEfetiva_;
    Moeda impostoDevido_;
    std::int32_t percentualEmpregados_ = 0;
    Moeda totalAquisicoes_;
    Moeda aquisicoesInternas_;
    std::int32_t percentualAquisicoes_ = 0;
    std::int32_t percentualPresumido_ = 0;
    Moeda creditoPresumido_;
    Moeda impostoARecolher_;
};

}  // namespace zq
