#pragma once
// Record 8823: the debit adjustments of the tax substitution.

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8823 final : public TRegDetalhe {
public:
    TReg8823();

    std::string_view Periodo() const { return Texto(3); }  // "yyyymm"
    Moeda OutrosDebitos() const { return Monetario(4); }
};

}  // namespace zq
