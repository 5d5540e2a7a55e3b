#pragma once
// The display forms of the reports' fields: pt-BR amounts and rates, the masks of inscrição and CRC, the size
// of a file, the page total. CP1252 in and out.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "record-model/comum/Moeda.h"

namespace zq {

// "#,##0.00": "1.234,56", "-1.234,56", "0,00"; empty for a null value.
std::string TextoValor(const std::optional<Moeda>& valor);
// "#0.00%" of a rate given in percent: 12.5 -> "12,50%"; empty for a null value.
std::string TextoPercentual(const std::optional<double>& taxa);
// A rate with two decimals: 3.5 -> "3,50"; empty for a null value.
std::string TextoTaxa(const std::optional<double>& taxa);
// "99.999.999-9;0;_": the nine characters in the mask, '_' where they are missing.
std::string TextoInscricao(const std::optional<std::string>& inscricao);
// "ll 999.999/l-9;0;_": the ten characters of a CRC registration in the mask.
std::string TextoCrc(const std::optional<std::string>& crc);
// "%d %s": bytes up to 1024, kBytes up to 1048576, MBytes up to 1073741824, GBytes above; integer divisions.
std::string TextoTamanhoArquivo(std::int64_t bytes);
// Pages of `linhas` rows, `porPagina` to a page, as "de %2d".
std::string TextoTotalPaginas(std::size_t linhas, std::size_t porPagina);
// "dd/mm/yyyy hh:mm:ss".
std::string TextoDataHoraRelatorio(std::chrono::local_seconds instante);

}  // namespace zq
