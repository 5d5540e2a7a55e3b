#include "record-model/registros/Reg70.h"

namespace zq {

void TReg70::SetLeiauteAntigo(bool antigo) {
    leiauteAntigo_ = antigo;
    cfop_.SetColunas(52, antigo ? 3 : 4);
    valorTotal_.SetColunas(antigo ? 55 : 56, antigo ? 14 : 13);
}

std::string TReg70::NumeroTexto() const { return InteiroParaCampo(6, numero_.Valor()); }

}  // namespace zq
