#include "gim-records/Reg8802.h"

namespace zq {

TReg8802::TReg8802() : TRegGimCabecalho("8802", 124) {}

}  // namespace zq
