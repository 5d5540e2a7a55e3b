#pragma once
// Record 8822: one reimbursement of the tax substitution, by type, with the registration it concerns. The
// reimbursed amounts together must be the one 8821 declares.

#include <string>
#include <vector>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8822 final : public TRegDetalhe {
public:
    TReg8822();

    int TipoRessarcimento() const { return Inteiro(3); }
    std::string_view InscricaoEstadual() const { return Texto(5); }
    Moeda ValorRessarcido() const { return Monetario(6); }
    // Field 6 over the accepted lines.
    Moeda TotalRessarcido() const { return totalRessarcido_; }

    // The checks of an accepted line, in this order.
    void VerificarTipo(std::vector<std::string>& rejeicoes) const;
    void VerificarInscricao(std::vector<std::string>& rejeicoes) const;
    // Reimbursements declared without the 8821 that totals them (`quantidade8821` accepted lines).
    void VerificarRegistro8821(int quantidade8821, std::vector<std::string>& rejeicoes) const;

private:
    void Contar() override { totalRessarcido_ += ValorRessarcido(); }

    Moeda totalRessarcido_;
};

}  // namespace zq
