#pragma once
// Record 8820: the physical stock of each tank at the close of the month's last day.

#include <optional>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8820 final : public TRegDetalhe {
public:
    TReg8820();

    std::string_view Periodo() const { return Texto(3); }  // "yyyymm"
    int Tanque() const { return Inteiro(4); }
    std::int64_t CodigoProduto() const { return Inteiro64(5); }
    int EstoqueFisico() const { return Inteiro(6); }

    int QuantidadeTanques() const { return tanques_.Quantidade(); }
    // The tank of a line, accepted or not; none when its columns are not a number.
    std::optional<int> TanqueDaLinha(std::string_view linha) const;

private:
    void Contar() override { tanques_.Acrescentar(Tanque()); }

    ListaTanques tanques_;
};

}  // namespace zq
