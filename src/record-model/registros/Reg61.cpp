#include "record-model/registros/Reg61.h"

namespace zq {

std::string TReg61::NumeroInicialTexto() const { return InteiroParaCampo(6, numeroInicial_.Valor()); }

std::string TReg61::NumeroFinalTexto() const { return InteiroParaCampo(6, numeroFinal_.Valor()); }

}  // namespace zq
