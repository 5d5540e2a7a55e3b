#include "gim-records/apuracao/ValidFuncep.h"

#include "gim-records/apuracao/Proporcao.h"
#include "record-model/comum/Formatador.h"

namespace zq {

bool TValid_FUNCEP::FuncepNormalExcedido() const {
    return funcepNormal_ > Proporcao(debitoSaidas_ + funcepNormal_, 2, 10);
}

std::string TValid_FUNCEP::MensagemStSaidas(Moeda lido8816, Moeda lido8802, Moeda apurado53) {
    return Formatar("REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas internas informado no registro 8802 "
                    "(campo 12) é inferior ao total da ST interna apurada nos registros 53 subtraído do total da "
                    "subst. por saídas para a ZQ (campo 4) informada no registro 8816 (FUNCEP/ZQ). Lido: 8802 : "
                    "%m(A), 8816: %m(B). Apurado(53): %m(C). Diferença: (C - (A + B)) = %m.",
                    {lido8802, lido8816, apurado53, apurado53 - (lido8802 + lido8816)});
}

}  // namespace zq
