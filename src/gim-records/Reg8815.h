#pragma once
// Record 8815: presumed credits and the credits of government programmes. The programme credits came later
// to the layout: a line carries them only when it reaches their columns.

#include <string_view>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8815 : public TRegSintegra {
public:
    TReg8815();

    Moeda ChequeMoradia() const { return chequeMoradia_.AsMonetario(); }
    Moeda ChequeEducacao() const { return chequeEducacao_.AsMonetario(); }
    // The eight credits together.
    Moeda TotalCreditos() const;

    void SetPresumidoOutrosRegimes(Moeda valor) { presumidoOutrosRegimes_.SetMonetario(valor); }
    void SetPresumidoTare(Moeda valor) { presumidoTare_.SetMonetario(valor); }
    void SetPresumidoRicms(Moeda valor) { presumidoRicms_.SetMonetario(valor); }
    void SetPresumidoFain(Moeda valor) { presumidoFain_.SetMonetario(valor); }
    void SetChequeMoradia(Moeda valor) { chequeMoradia_.SetMonetario(valor); }
    void SetChequeEducacao(Moeda valor) { chequeEducacao_.SetMonetario(valor); }
    void SetGolDePlaca(Moeda valor) { golDePlaca_.SetMonetario(valor); }
    void SetFundoCultura(Moeda valor) { fundoCultura_.SetMonetario(valor); }

protected:
    // The presumed credits always; each pair of programme credits when the line, trimmed, goes beyond the
    // first column of the pair, else the pair is cleared.
    void LerCampos(std::string_view linha) override;

private:
    void LerPar(std::string_view linha, TCampoSintegra& primeiro, TCampoSintegra& segundo);

    TCampoSintegra presumidoOutrosRegimes_{*this, tcMonetario, 2, 13, 5,
                                           "Crédito Presumido - Outros Regimes Especiais"};
    TCampoSintegra presumidoTare_{*this, tcMonetario, 2, 13, 18, "Crédito Presumido - Termo de Acordo (TARE)"};
    TCampoSintegra presumidoRicms_{*this, tcMonetario, 2, 13, 31, "Crédito Presumido - Previsão no RICMS"};
    TCampoSintegra presumidoFain_{*this, tcMonetario, 2, 13, 44, "Crédito Presumido - FAIN"};
    TCampoSintegra chequeMoradia_{*this, tcMonetario, 2, 13, 57, "Crédito Prog. Governo - Cheque Moradia"};
    TCampoSintegra chequeEducacao_{*this, tcMonetario, 2, 13, 70, "Crédito Prog. Governo - Cheque Educação"};
    TCampoSintegra golDePlaca_{*this, tcMonetario, 2, 13, 83, "Crédito Programa Gol de Placa"};
    TCampoSintegra fundoCultura_{*this, tcMonetario, 2, 13, 96, "Crédito Fundo de Incentivo à Cultura"};
};

}  // namespace zq
