#pragma once
// The texts of the rules comparing an invoice's total value with its base,
// exempt and other amounts (records 50, 70 and 76).

#include <optional>
#include <string>
#include <string_view>

#include "record-model/comum/Moeda.h"

namespace zq {

struct ValoresNota {
    Moeda total;
    Moeda base;
    Moeda isentas;
    Moeda outras;

    Moeda Soma() const { return base + isentas + outras; }
};

// The invoice date of a value message from its eight characters "yyyymmdd" as read: "dd/mm/yyyy", or the
// characters as read when they are eight digits that make no real date; none when they are not eight digits
// (the date cannot be converted at all).
std::optional<std::string> DataDaNota(std::string_view lida);

// "Valor contabil = ..., base de cálculo = ..., isentas = ... e outras = .... NF: <numero> Data: <data>.
// VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO"
std::string ValoresEncontrados(const ValoresNota& valores, std::string_view numero, std::string_view data);

// "<tipo> (Reg <registro>): ValorContabil <sinal> BaseCalculo + Isentas + Outras. Valores encontrados: ...",
// `tipo` being "REJEIÇÃO" or "ADVERTÊNCIA"; when the date as read (`dataLida`, "yyyymmdd") cannot be converted at
// all, "REJEIÇÃO (Reg <registro>): Não foi possivel converter a data da NF <numero> em uma data valida. ..." instead.
std::string MensagemDiferencaValores(std::string_view tipo, int registro, std::string_view sinal,
                                     const ValoresNota& valores, std::string_view numero, std::string_view dataLida);

}  // namespace zq
