#include "record-model/registros/Reg76.h"

namespace zq {

std::string TReg76::NumeroTexto() const { return InteiroParaCampo(10, numero_.Valor()); }

}  // namespace zq
