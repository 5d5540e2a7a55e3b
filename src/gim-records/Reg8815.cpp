#include "gim-records/Reg8815.h"

#include "record-model/comum/Texto.h"

namespace zq {

TReg8815::TReg8815() : TRegSintegra("8815", 56) {}

Moeda TReg8815::TotalCreditos() const {
    Moeda total;
    for (const TCampoSintegra* campo : {&presumidoOutrosRegimes_, &presumidoTare_, &presumidoRicms_, &presumidoFain_,
                                        &chequeMoradia_, &chequeEducacao_, &golDePlaca_, &fundoCultura_}) {
        total += campo->AsMonetario();
    }
    return total;
}

void TReg8815::LerCampos(std::string_view linha) {
    for (TCampoSintegra* campo : {&presumidoOutrosRegimes_, &presumidoTare_, &presumidoRicms_, &presumidoFain_}) {
        LerCampo(linha, *campo);
    }
    LerPar(linha, chequeMoradia_, chequeEducacao_);
    LerPar(linha, golDePlaca_, fundoCultura_);
}

void TReg8815::LerPar(std::string_view linha, TCampoSintegra& primeiro, TCampoSintegra& segundo) {
    if (Aparar(linha).size() > static_cast<std::size_t>(primeiro.Posicao())) {
        LerCampo(linha, primeiro);
        LerCampo(linha, segundo);
    } else {
        primeiro.Limpar();
        segundo.Limpar();
    }
}

}  // namespace zq
