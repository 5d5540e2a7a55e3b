#pragma once
// The rows of the reference tables that the rules read.

#include <chrono>
#include <string>

#include "record-model/comum/Moeda.h"

namespace zq {

// A contributor of ContribCriticaICMSReg50Especial: its internal ICMS differences are forgiven up to a
// percentage of its tax balance.
struct TContribValidRegraEspecial {
    std::string inscricao;
    Moeda percentual;
};

// A contributor of contribuinteEntregaNormal: of the normal regime, allowed to deliver the GIM instead of the
// EFD within its permission window.
struct TContribEntregaNormal {
    std::string inscricao;
    std::string razaoSocial;
    std::chrono::year_month_day inicioPermissao;
    std::chrono::year_month_day fimPermissao;
};

// The open row of validadedadosEFD: the window in which the list of contributors above is valid.
struct TValidadeDadosEfd {
    std::chrono::year_month_day inicio;
    std::chrono::year_month_day fim;
    std::chrono::year_month_day inicioVigencia;
};

}  // namespace zq
