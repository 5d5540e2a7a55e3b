#include "gim-records/Reg8816.h"

namespace zq {

TReg8816::TReg8816() : TRegSintegra("8816", 69) {}

}  // namespace zq
