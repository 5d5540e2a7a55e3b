#pragma once
// The ST on internal outputs declared in 8802 against the records 53, the FUNCEP on ST outputs of 8816 and the
// adjustments of 8821 to 8823. The 8802 line left a simple finding when its ST differed from the records 53;
// here it is replaced by the reconciled one.

#include <string>
#include <vector>

#include "critique/MensagensCritica.h"
#include "critique/declaracao/Complementos.h"
#include "record-model/comum/Moeda.h"

namespace zq {

struct ValoresSubstituicao {
    Moeda diferenca{};       // ST on internal outputs of the records 53 less 8802 fields 12 and 13
    Moeda funcep{};          // 8816 field 4
    Moeda campo12{};         // 8802, ST Anexo V
    Moeda campo13{};         // 8802, ST withheld at source
    Moeda anexoV{};          // records 53, ST Anexo V
    Moeda saidasInternas{};  // records 53, all ST on internal outputs
};

class ConciliacaoSubstituicao {
public:
    ConciliacaoSubstituicao(const AjustesSubstituicao& ajustes, const TValid_FUNCEP& funcep)
        : ajustes_(ajustes), funcep_(funcep) {}

    void Conciliar(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const;

    // The lists without the simple 8802 findings: the warning on Anexo V plus source, the rejection of field 12.
    static std::vector<std::string> FiltrarAdvertencias(const std::vector<std::string>& advertencias);
    static std::vector<std::string> FiltrarRejeicoes(const std::vector<std::string>& rejeicoes);

    // Worded from the 8823 debits (d), the 8821 total (c), the FUNCEP on ST outputs (e), the 8802 amount (a) and
    // the ST of the records 53 (b).
    static std::string MensagemAdvertencia(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b);
    static std::string MensagemRejeicao(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b);

private:
    void SemAjustes(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const;
    void ComAjustes(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const;

    const AjustesSubstituicao& ajustes_;
    const TValid_FUNCEP& funcep_;
};

}  // namespace zq
