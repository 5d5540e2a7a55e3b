#pragma once
// Record 8821: the credit adjustments of the tax substitution (returns, transfers to other states and
// reimbursements) that explain an 8802 ST on internal outputs below the records 53. It also words the reconciled
// findings and filters out the simple ones that they replace.

#include <string>
#include <vector>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8821 final : public TRegDetalhe {
public:
    TReg8821();

    std::string_view Periodo() const { return Texto(3); }  // "yyyymm"
    Moeda Devolucao() const { return Monetario(4); }
    Moeda RepasseOutrasUfs() const { return Monetario(5); }
    Moeda Ressarcimento() const { return Monetario(6); }
    // Fields 4 to 6 together.
    Moeda TotalAjustes() const { return Devolucao() + RepasseOutrasUfs() + Ressarcimento(); }

    // From the 8823 debits (d), the 8821 total (c), the FUNCEP on ST outputs of 8816 (e), the 8802 amount (a)
    // and the ST of the records 53 (b), with the difference a - (b + d - c - e).
    static std::string MensagemAdvertencia(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b);
    static std::string MensagemRejeicao(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b);

    // The list without the simple 8802 findings: the warning on Anexo V plus source, the rejection of field 12.
    static std::vector<std::string> FiltrarAdvertencias(const std::vector<std::string>& advertencias);
    static std::vector<std::string> FiltrarRejeicoes(const std::vector<std::string>& rejeicoes);
};

}  // namespace zq
