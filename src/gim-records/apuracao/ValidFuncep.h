#pragma once
// The FUNCEP contributions of 8816 with the debits of 8802 they are measured against: the ceiling of the
// FUNCEP on normal ICMS and the wording of the ST-on-outputs rejection that takes the FUNCEP into account.

#include <string>

#include "record-model/comum/Moeda.h"

namespace zq {

class TValid_FUNCEP {
public:
    // 8802 field 6, "Débito por Saídas".
    void SetDebitoSaidas(Moeda valor) { debitoSaidas_ = valor; }
    // 8816 field 3, "FUNCEP-ZQ - ICMS Normal".
    void SetFuncepNormal(Moeda valor) { funcepNormal_ = valor; }
    // 8816 field 4, "FUNCEP-ZQ - ICMS ST Saidas Internas".
    void SetFuncepStSaidas(Moeda valor) { funcepStSaidas_ = valor; }

    Moeda DebitoSaidas() const { return debitoSaidas_; }
    Moeda FuncepNormal() const { return funcepNormal_; }
    Moeda FuncepStSaidas() const { return funcepStSaidas_; }

    // The FUNCEP on normal ICMS is above 20 % of the debits plus itself.
    bool FuncepNormalExcedido() const;

    // The rejection of an 8802 field 12 below the ST of the records 53 less the FUNCEP on ST outputs, when no
    // 8821 explains the difference.
    static std::string MensagemStSaidas(Moeda lido8816, Moeda lido8802, Moeda apurado53);

private:
    Moeda debitoSaidas_;
    Moeda funcepNormal_;
    Moeda funcepStSaidas_;
};

}  // namespace zq
