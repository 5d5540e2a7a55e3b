#include "gim-records/Reg8806.h"

namespace zq {

TReg8806::TReg8806() : TRegSintegra("8806", 122) { Limpar(); }

// A cleared record has no year.
void TReg8806::LimparCampos() {
    TRegSintegra::LimparCampos();
    ano_.SetConteudo("");
}

}  // namespace zq
