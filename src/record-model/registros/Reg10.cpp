#include "record-model/registros/Reg10.h"

#include "platform/Relogio.h"
#include "record-model/comum/Formatador.h"

namespace zq {

TReg10::TReg10() : TRegSintegra("10", 126) {}

std::chrono::year_month_day TReg10::DataReferencia() const {
    return DataInicial() ? *DataInicial() : Hoje();
}

std::string TReg10::PeriodoReferencia() const {
    const auto data = DataReferencia();
    return Formatar("%.4d-%.2d", {static_cast<int>(data.year()), static_cast<unsigned>(data.month())});
}

int TReg10::AnoReferencia() const { return static_cast<int>(DataReferencia().year()); }

}  // namespace zq
