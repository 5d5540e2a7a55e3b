#pragma once
// Record 8819: the meter readings of the fuel pumps, one line per pump and product, with the tank it draws from.

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8819 final : public TRegDetalhe {
public:
    TReg8819();

    std::string_view Periodo() const { return Texto(3); }  // "yyyymm"
    std::int64_t CodigoProduto() const { return Inteiro64(4); }
    double LeituraInicio() const { return Decimal(7); }
    double LeituraFim() const { return Decimal(8); }
    int Tanque() const { return Inteiro(9); }

    // `tanque` as decimal text ("7").
    bool TanqueInformado(std::string_view tanque) const { return tanques_.Contem(tanque); }
    int QuantidadeTanques() const { return tanques_.Quantidade(); }

private:
    void Contar() override { tanques_.Acrescentar(Tanque()); }

    ListaTanques tanques_;
};

}  // namespace zq
