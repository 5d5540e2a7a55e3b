#pragma once
// The output values of the national records of a declaration, compared at
// record 90 with the values of the GIM.

#include "record-model/comum/Moeda.h"

namespace zq {

class TVlrRegSintegra {
public:
    void Adicionar(Moeda valor) { valor_ += valor; }
    Moeda Valor() const { return valor_; }

private:
    Moeda valor_;
};

// Total values of the records 50 with an output CFOP.
class TVlrReg50 final : public TVlrRegSintegra {};
// Gross sales of the fiscal printers (records 60M).
class TVlrReg60 final : public TVlrRegSintegra {};
// Total values of the records 61.
class TVlrReg61 final : public TVlrRegSintegra {};
// Total values of the records 70 with an output CFOP.
class TVlrReg70 final : public TVlrRegSintegra {};
// Total values of the records 76 with an output CFOP.
class TVlrReg76 final : public TVlrRegSintegra {};

struct TVlrRegistros {
    TVlrReg50 reg50;
    TVlrReg60 reg60;
    TVlrReg61 reg61;
    TVlrReg70 reg70;
    TVlrReg76 reg76;

    Moeda TotalSaidas() const {
        return reg50.Valor() + reg60.Valor() + reg61.Valor() + reg70.Valor() + reg76.Valor();
    }
};

}  // namespace zq
