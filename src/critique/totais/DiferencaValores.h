#pragma once
// The texts of the rules comparing an invoice's total value with its base,
// exempt and other amounts (records 50, 70 and 76).

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

// "Valor contabil = ..., base de cálculo = ..., isentas = ... e outras = .... NF: <numero> Data: <data>.
// VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO"
std::string ValoresEncontrados(const ValoresNota& valores, std::string_view numero, std::string_view data);

// "<tipo> (Reg <registro>): ValorContabil <sinal> BaseCalculo + Isentas + Outras. Valores encontrados: ...",
// `tipo` being "REJEIÇÃO" or "ADVERTÊNCIA".
std::string MensagemDiferencaValores(std::string_view tipo, int registro, std::string_view sinal,
                                     const ValoresNota& valores, std::string_view numero, std::string_view data);

}  // namespace zq
