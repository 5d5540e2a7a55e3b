#include "critique/totais/CalculosCritica.h"

#include <cmath>
#include <cstdio>

#include "record-model/comum/Digitos.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

std::int64_t Centavos(Moeda valor) { return valor.CentavosArredondados(); }

}  // namespace

std::int64_t CentesimosDePercentual(double percentual) { return std::llround(percentual * 100.0); }

Moeda AplicarAliquotaArredondada(Moeda valor, std::int64_t aliquota) {
    const std::int64_t produto = Centavos(valor) * aliquota;
    const std::int64_t metade = produto >= 0 ? 5000 : -5000;
    return Moeda::DeCentavos((produto + metade) / 10000);
}

Moeda AplicarAliquotaTruncada(Moeda valor, std::int64_t aliquota) {
    return Moeda::DeCentavos(Centavos(valor) * aliquota / 10000);
}

std::int64_t DivergenciaRelativa(Moeda total, Moeda soma) {
    std::int64_t diferenca = Centavos(soma) - Centavos(total);
    std::int64_t base = Centavos(total);
    if (diferenca < 0) diferenca = -diferenca;
    if (base < 0) base = -base;
    return (diferenca * 10000 + base / 2) / base;
}

std::string PercentualDaDivergencia(std::int64_t divergencia) {
    return FormatarValor(Moeda::DeUnidades(divergencia * 100), "##0.00");
}

std::string TextoAliquota(std::int64_t aliquota) { return FormatarValor(Moeda::DeCentavos(aliquota), "##0.00") + "%"; }

std::string DataDMA(const std::chrono::year_month_day& data) {
    const int ano = static_cast<int>(data.year());
    if (data.ok() && ano >= 0 && ano <= 9999) {
        char texto[10] = {'0', '0', '/', '0', '0', '/', '0', '0', '0', '0'};
        EscreverDigitos(texto + 2, static_cast<unsigned>(data.day()), 2);
        EscreverDigitos(texto + 5, static_cast<unsigned>(data.month()), 2);
        EscreverDigitos(texto + 10, static_cast<std::uint64_t>(ano), 4);
        return std::string(texto, sizeof texto);
    }
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02u/%02u/%04d", static_cast<unsigned>(data.day()),
                  static_cast<unsigned>(data.month()), static_cast<int>(data.year()));
    return texto;
}

std::string DataDMA(const std::optional<std::chrono::year_month_day>& data, std::string_view lida) {
    return data ? DataDMA(*data) : std::string(lida);
}

std::string DataLidaDMA(std::string_view lida) {
    if (lida.size() != 8) return std::string(lida);
    std::string texto;
    texto.reserve(10);
    texto.append(lida.substr(6, 2)).append("/").append(lida.substr(4, 2)).append("/").append(lida.substr(0, 4));
    return texto;
}

}  // namespace zq
