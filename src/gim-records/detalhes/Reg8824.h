#pragma once
// Record 8824: a lawsuit, with its value and the registration of its beneficiary.

#include <string>
#include <vector>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8824 final : public TRegDetalhe {
public:
    TReg8824();

    std::string_view Periodo() const { return Texto(3); }  // "yyyymm"
    Moeda ValorAcao() const { return Monetario(5); }
    std::string_view InscricaoBeneficiario() const { return Texto(6); }

    // The checks of an accepted line, period first. `periodo` is record 10's, "yyyymm".
    void VerificarPeriodo(std::string_view periodo, std::vector<std::string>& rejeicoes) const;
    // Three independent tests of the beneficiary's registration, each with its message.
    void VerificarInscricao(std::string_view inscricaoDeclarante, std::vector<std::string>& rejeicoes) const;
};

}  // namespace zq
