#pragma once
// Conversions between the fixed-width field texts of a SINTEGRA line and typed values.
//
// Positions are 1-based columns of the line; the columns of a field are `tamanho` characters from column
// `posicao`, fewer when the line ends earlier (taking never fails). A good number field is made of digits
// only, with implied decimals; a date field is eight digits.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "record-model/comum/Excecao.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// The text is not in the expected format ("Formato inválido", or the invalid-date message).
class EFormatoInvalido : public Excecao {
public:
    using Excecao::Excecao;
};

// The text converts to a negative number ("Valor Negativo"). It is not a kind of EFormatoInvalido.
class EValorNegativo : public Excecao {
public:
    using Excecao::Excecao;
};

// Inline: every field of every line is taken through it.
inline std::string_view Colunas(std::string_view linha, int posicao, int tamanho) {
    const std::size_t inicio = posicao > 1 ? static_cast<std::size_t>(posicao - 1) : 0;
    if (inicio >= linha.size()) return {};
    return linha.substr(inicio, tamanho > 0 ? static_cast<std::size_t>(tamanho) : 0);
}

// Year, month, day ("yyyymmdd") from the eight columns at `posicao`.
std::chrono::year_month_day DataDoCampo(std::string_view linha, int posicao);
// Day, month, year ("ddmmyyyy") from the eight columns at `posicao`.
std::chrono::year_month_day DataDoCampoDMA(std::string_view linha, int posicao);
// Year, month, day ("yyyymmdd") from the whole text.
std::chrono::year_month_day DataDoTexto(std::string_view texto);

// The number of the columns (of exactly `tamanho` digits) or of the whole text (of digits only), divided by
// 10^decimais.
Moeda MonetarioDoCampo(std::string_view linha, int posicao, int tamanho, int decimais);
Moeda MonetarioDoTexto(std::string_view texto, int decimais);
double DecimalDoCampo(std::string_view linha, int posicao, int tamanho, int decimais);
double DecimalDoTexto(std::string_view texto, int decimais);
std::int32_t InteiroDoCampo(std::string_view linha, int posicao, int tamanho);
std::int32_t InteiroDoTexto(std::string_view texto);
std::int64_t Inteiro64DoCampo(std::string_view linha, int posicao, int tamanho);
std::int64_t Inteiro64DoTexto(std::string_view texto);

// "yyyymmdd".
std::string DataParaTexto(const std::chrono::year_month_day& data);
// The integer part of valor × 10^decimais (truncated toward zero), cut to its first `tamanho` characters and
// left-padded with "0" to `tamanho`.
std::string DecimalParaCampo(int tamanho, int decimais, double valor);
std::string MonetarioParaCampo(int tamanho, int decimais, Moeda valor);
// The integer zero-padded to at least `tamanho` digits, never cut.
std::string InteiroParaCampo(int tamanho, std::int64_t valor);

}  // namespace zq
