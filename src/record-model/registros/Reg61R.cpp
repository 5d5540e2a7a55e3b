#include "record-model/registros/Reg61R.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Texto.h"

namespace zq {

void TCampoMesAno::Ler(std::string_view linha) {
    const std::string_view colunas = ColunasDe(linha);
    std::string texto;
    texto.reserve(8);
    texto.append(colunas.substr(std::min<std::size_t>(2, colunas.size()))).append(colunas.substr(0, 2)).append("01");
    Set(DataDoTexto(texto));
}

void TCampoMesAno::Montar(std::string& linha) const {
    if (!Valor()) {
        linha += "000000";
        return;
    }
    const std::string data = DataParaTexto(*Valor());
    linha.append(data, 4, 2).append(data, 0, 4);
}

void TReg61R::SetMesAno(const std::chrono::year_month_day& valor) {
    mesAno_.Set(std::chrono::year_month_day{valor.year(), valor.month(), std::chrono::day{1}});
}

}  // namespace zq
