#pragma once
// Record 8826: the ICMS of a reseller of motor vehicles.

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8826 final : public TRegDetalhe {
public:
    TReg8826();

    std::string_view InscricaoEstadual() const { return Texto(3); }
    std::string_view Periodo() const { return Texto(4); }  // "yyyymm"
    Moeda IcmsARecolher() const { return Monetario(6); }
    int TipoRevendedor() const { return Inteiro(7); }
    bool TipoRevendedorValido() const { return TipoRevendedor() == 1 || TipoRevendedor() == 2; }
};

}  // namespace zq
