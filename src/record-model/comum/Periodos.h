#pragma once
// Periods: "aaaa-mm" (any separator) in the program's tables, "aaaa" for a year, "mm/aaaa" in messages,
// "01mmaaaa" or "aaaaaaaa" as the code of transmission files. "Today" comes from zq::Hoje().

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

using DataOpcional = std::optional<std::chrono::year_month_day>;  // std::nullopt: today

// Empty, "-" or "/" once trimmed.
bool PeriodoVazio(std::string_view periodo);
// "aaaa-mm" becomes "mm" sep "aaaa"; an empty period stays empty.
std::string PeriodoParaMesAno(std::string_view periodo, std::string_view separador);
// The first day of the period; raises Excecao when the year or month is wrong.
std::chrono::year_month_day PeriodoParaData(std::string_view periodo);
std::string FormatarPeriodo(std::string_view separador, DataOpcional data = std::nullopt);
// Raises Excecao with the reason when the period is empty, malformed, before `minimo` or after `maximo`
// (bounds "aaaa-mm" or "aaaa/mm"; an empty bound is not checked).
void ValidarPeriodo(std::string_view periodo, std::string_view maximo = {}, std::string_view minimo = {});
// The period `meses` months after `periodo` (before it when negative), "%.4d" sep "%.2d".
std::string SomarMeses(std::string_view periodo, int meses, std::string_view separador);
std::string PeriodoAnterior(std::string_view periodo, std::string_view separador);
// The period before the month of `data`.
std::string PeriodoAnteriorDe(std::string_view separador, DataOpcional data = std::nullopt);
std::string TrocarSeparador(std::string_view periodo, std::string_view separador);
int AnoDe(DataOpcional data = std::nullopt);
int AnoAnterior(DataOpcional data = std::nullopt);
// Raises Excecao with the reason when the year is empty, malformed, before `minimo` or after `maximo`.
void ValidarAno(std::string_view ano, std::string_view maximo = {}, std::string_view minimo = {});
// "aaaa" becomes "aaaaaaaa"; "aaaa-mm" becomes "01mmaaaa".
std::string CodigoPeriodo(std::string_view periodo);
// The period of a code of CodigoPeriodo: "aaaa-mm" or "aaaa".
std::string PeriodoDoCodigo(std::string_view codigo);
// "mmaaaa" becomes "aaaa" sep "mm"; an empty text stays empty.
std::string MesAnoParaPeriodo(std::string_view mesAno, std::string_view separador);
// The same day of the next month, or that month's last day when it has no such day.
std::chrono::year_month_day MesSeguinte(std::chrono::year_month_day data);

}  // namespace zq
