#include "gim-records/Reg8804.h"

namespace zq {

TReg8804::TReg8804() : TRegGimCabecalho("8804", 98) { Limpar(); }

void TReg8804::LimparCampos() {
    TRegGimCabecalho::LimparCampos();
    regimeApuracao_.Set('1');
}

}  // namespace zq
