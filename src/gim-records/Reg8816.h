#pragma once
// Record 8816: the contributions to the state's poverty fund (FUNCEP) added to the ICMS of the period.

#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8816 : public TRegSintegra {
public:
    TReg8816();

    Moeda FuncepIcmsNormal() const { return funcepIcmsNormal_.AsMonetario(); }
    Moeda FuncepStSaidasInternas() const { return funcepStSaidasInternas_.AsMonetario(); }
    Moeda FuncepStEntradas() const { return funcepStEntradas_.AsMonetario(); }
    Moeda FuncepStFonte() const { return funcepStFonte_.AsMonetario(); }
    Moeda FuncepDifAliquota() const { return funcepDifAliquota_.AsMonetario(); }

    void SetFuncepIcmsNormal(Moeda valor) { funcepIcmsNormal_.SetMonetario(valor); }
    void SetFuncepStSaidasInternas(Moeda valor) { funcepStSaidasInternas_.SetMonetario(valor); }
    void SetFuncepStEntradas(Moeda valor) { funcepStEntradas_.SetMonetario(valor); }
    void SetFuncepStFonte(Moeda valor) { funcepStFonte_.SetMonetario(valor); }
    void SetFuncepDifAliquota(Moeda valor) { funcepDifAliquota_.SetMonetario(valor); }

private:
    TCampoSintegra funcepIcmsNormal_{*this, tcMonetario, 2, 13, 5, "FUNCEP-ZQ - ICMS Normal"};
    TCampoSintegra funcepStSaidasInternas_{*this, tcMonetario, 2, 13, 18, "FUNCEP-ZQ - ICMS ST Saidas Internas"};
    TCampoSintegra funcepStEntradas_{*this, tcMonetario, 2, 13, 31, "FUNCEP-ZQ - ICMS ST Entradas"};
    TCampoSintegra funcepStFonte_{*this, tcMonetario, 2, 13, 44, "FUNCEP-ZQ - ICMS ST Fonte"};
    TCampoSintegra funcepDifAliquota_{*this, tcMonetario, 2, 13, 57, "FUNCEP-ZQ - ICMS Dif. Alíquota"};
};

}  // namespace zq
