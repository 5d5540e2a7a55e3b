#include "gim-records/Reg8814.h"

namespace zq {

TReg8814::TReg8814() : TRegSintegra("8814", 123) {}

}  // namespace zq
