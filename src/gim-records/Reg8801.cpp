#include "gim-records/Reg8801.h"

namespace zq {

TReg8801::TReg8801() : TRegGimCabecalho("8801", 124) {}

}  // namespace zq
