#include "gim-records/Reg8817.h"

namespace zq {

TReg8817::TReg8817() : TRegSintegra("8817", 123) {}

}  // namespace zq
