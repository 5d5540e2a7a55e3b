#pragma once
// Record 8829: the value added in one municipality. Its sum is measured against the outputs of the national
// records, and its municipality against the reference database, by the critique.

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8829 final : public TRegDetalhe {
public:
    TReg8829();

    int Municipio() const { return Inteiro(3); }
    Moeda ValorAdicionado() const { return Monetario(4); }
};

}  // namespace zq
