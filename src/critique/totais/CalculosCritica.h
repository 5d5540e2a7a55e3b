#pragma once
// Amount arithmetic and texts shared by the rules of the national records.
// Record amounts carry whole cents, so the products below are taken in cents:
// they stay within 64 bits for every field width of the layout.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/comum/Moeda.h"

namespace zq {

// A rate in percent as hundredths of a percent: 17.0 is 1700.
std::int64_t CentesimosDePercentual(double percentual);
// valor × aliquota / 10000 (aliquota in hundredths of a percent), rounded to the
// nearest cent (halves up) or truncated to the cent.
Moeda AplicarAliquotaArredondada(Moeda valor, std::int64_t aliquota);
Moeda AplicarAliquotaTruncada(Moeda valor, std::int64_t aliquota);
// |soma / total - 1| in ten-thousandths, rounded (halves up); total must not be zero.
std::int64_t DivergenciaRelativa(Moeda total, Moeda soma);
// A divergence of DivergenciaRelativa as a percentage "##0.00" ("150,00").
std::string PercentualDaDivergencia(std::int64_t divergencia);
// A rate in hundredths of a percent as "##0.00%" ("17,00%").
std::string TextoAliquota(std::int64_t aliquota);

// "dd/mm/yyyy".
std::string DataDMA(const std::chrono::year_month_day& data);
// The date of the record, or the eight characters as read when it has none.
std::string DataDMA(const std::optional<std::chrono::year_month_day>& data, std::string_view lida);
// Eight characters "yyyymmdd" rearranged to "dd/mm/yyyy", without conversion;
// any other text as it is.
std::string DataLidaDMA(std::string_view lida);

}  // namespace zq
