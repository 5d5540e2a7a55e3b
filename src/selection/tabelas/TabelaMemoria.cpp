#include "selection/tabelas/TabelaMemoria.h"

#include "record-model/comum/Formatador.h"

namespace zq {

std::string TextoDataHora(std::chrono::local_seconds instante) {
    using namespace std::chrono;
    const auto dia = floor<days>(instante);
    const year_month_day data{dia};
    const hh_mm_ss hora{instante - dia};
    return Formatar("%.2d/%.2d/%.4d %.2d:%.2d:%.2d",
                    {static_cast<int>(static_cast<unsigned>(data.day())),
                     static_cast<int>(static_cast<unsigned>(data.month())), static_cast<int>(data.year()),
                     static_cast<int>(hora.hours().count()), static_cast<int>(hora.minutes().count()),
                     static_cast<int>(hora.seconds().count())});
}

std::string TextoExibicao(const TDefinicaoCampo& campo, const TValorCampo& valor) {
    if (const auto* texto = std::get_if<std::string>(&valor)) return *texto;
    if (const auto* inteiro = std::get_if<std::int64_t>(&valor)) {
        if (campo.Tipo == TTipoCampo::Logico) return *inteiro ? "1" : "0";
        if (campo.Hexadecimal) return Formatar("%.8X", {static_cast<unsigned long>(*inteiro & 0xFFFFFFFF)});
        return std::to_string(*inteiro);
    }
    return TextoDataHora(std::get<std::chrono::local_seconds>(valor));
}

}  // namespace zq
