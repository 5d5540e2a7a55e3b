#include "gim-records/Reg8818.h"

namespace zq {

TReg8818::TReg8818() : TRegGimCabecalho("8818", 124) {}

std::string TReg8818::CategoriaTexto() const {
    switch (Categoria()) {
        case '1': return "Matriz/Estab. Único";
        case '2': return "Filial";
        case '3': return "Matriz s/ movimento";
        default: return {};
    }
}

}  // namespace zq
