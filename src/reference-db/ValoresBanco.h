#pragma once
// How the reference tables keep dates and decimals, and how they are read back exactly: dates and date-times
// as ISO-8601 text ("2013-01-01", "2013-01-01 08:30:00"), decimals as their decimal text ("1.50"), never as
// floating point. Both raise Excecao with the reason when the text is not in that form.

#include <chrono>
#include <string_view>

#include "record-model/comum/Moeda.h"

namespace zq {

// The date of "yyyy-mm-dd", optionally followed by " hh:mm[:ss]" or "Thh:mm[:ss]" (the time is not kept).
std::chrono::year_month_day DataDoBanco(std::string_view texto);
// "yyyy-mm" of a date.
std::string AnoMesDe(std::chrono::year_month_day data);
// An unsigned decimal of at most four decimal places, "." as the decimal point: "1", "1.5", "12.3456".
Moeda DecimalDoBanco(std::string_view texto);

}  // namespace zq
