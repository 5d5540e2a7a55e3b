#pragma once
// The one source of "today" for every rule that depends on the date.

#include <chrono>
#include <optional>

namespace zq {

// Today's local date; the environment variable ZQ_HOJE (yyyy-mm-dd) fixes it
// for a whole process, FixarHoje for the code of a test.
std::chrono::year_month_day Hoje();
void FixarHoje(std::optional<std::chrono::year_month_day> dia);

}  // namespace zq
