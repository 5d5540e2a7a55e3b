#include "gim-records/apuracao/Proporcao.h"

#include <cmath>

namespace zq {
namespace {

// a ÷ b rounded to the nearest integer, halves away from zero (b > 0).
std::int64_t DividirArredondado(std::int64_t a, std::int64_t b) {
    const std::int64_t metade = b / 2;
    return a >= 0 ? (a + metade) / b : -((-a + metade) / b);
}

}  // namespace

Moeda Proporcao(Moeda valor, std::int64_t numerador, std::int64_t denominador) {
    // Split the amount so that only the remainder is multiplied before the division.
    const std::int64_t unidades = valor.Unidades();
    const std::int64_t inteiros = unidades / denominador;
    const std::int64_t resto = unidades % denominador;
    return Moeda::DeUnidades(inteiros * numerador + DividirArredondado(resto * numerador, denominador));
}

Moeda AplicarPercentual(Moeda valor, double percentual) {
    constexpr std::int64_t kDecimosMilesimos = 10000;
    return Proporcao(valor, std::llround(percentual * kDecimosMilesimos), 100 * kDecimosMilesimos);
}

}  // namespace zq
