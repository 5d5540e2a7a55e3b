#pragma once
// Percentages of currency values, taken to the currency's four decimals.

#include <cstdint>

#include "record-model/comum/Moeda.h"

namespace zq {

// valor × numerador ÷ denominador, rounded to the currency unit (halves away from zero). The denominator is
// positive; the intermediate products stay within 64 bits for every amount of the layout.
Moeda Proporcao(Moeda valor, std::int64_t numerador, std::int64_t denominador);

// valor × percentual ÷ 100; the percentage is taken to four decimals (2.5 % exactly).
Moeda AplicarPercentual(Moeda valor, double percentual);

}  // namespace zq
