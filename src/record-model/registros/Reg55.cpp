#include "record-model/registros/Reg55.h"

#include "record-model/comum/Periodos.h"

namespace zq {

void TReg55::SetLeiauteAntigo(bool antigo) {
    leiauteAntigo_ = antigo;
    const int deslocamento = antigo ? 8 : 0;
    numeroGnre_.SetColunas(50, antigo ? 12 : 20);
    valor_.SetColunas(70 - deslocamento, 13);
    dataVencimento_.SetColunas(83 - deslocamento, 8);
    mesAnoReferencia_.SetColunas(91 - deslocamento, 6);
    numeroConvenio_.SetColunas(97 - deslocamento, 30);
}

std::string TReg55::PeriodoReferencia() const { return MesAnoParaPeriodo(mesAnoReferencia_.Valor(), "-"); }

}  // namespace zq
