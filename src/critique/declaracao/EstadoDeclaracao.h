#pragma once
// Flags, counters and accumulators of the declaration being critiqued. Record
// 10 resets them; the handlers of the national and type-88 records fill them;
// record 90 and the end checks read them.

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "record-model/comum/Moeda.h"

namespace zq {

// The fiscal printer (record 60M) whose analytic records 60A are being summed.
struct EcfAtual {
    bool aberto = false;
    std::string data;    // 8 characters as read
    std::string numero;  // 3 characters as read
    Moeda vendaBruta;
    Moeda somaAnaliticos;
};

// Presence and count of one type-88 sub-type.
struct Ocorrencia88 {
    bool presente = false;
    int quantidade = 0;
};

struct EstadoDeclaracao {
    // From record 10.
    int codigoConvenio = 0;  // column 124; 1 selects the earlier layout of records 50, 53, 60, 70, 76
    int anoReferencia = 1990;
    unsigned mesReferencia = 12;
    std::chrono::year_month_day periodoReferencia{std::chrono::year{1990}, std::chrono::December, std::chrono::day{1}};
    bool dadosAnuais = false;
    bool apos012005 = false;
    std::string chaveGim;  // registration + "yyyymm" + "N"/"R"

    // Regime, from 8804 (and 8814, 8817, 8818).
    bool regimeNormal = false;
    bool regimeSimples = false;
    bool regimeEpp = false;

    // National records.
    bool existe50 = false;
    bool existe54 = false;
    bool existe70 = false;
    int quantidade50 = 0;
    int quantidade54 = 0;
    int quantidade60M = 0;
    int quantidade61 = 0;
    int quantidade70 = 0;
    int quantidade76 = 0;
    EcfAtual ecf;

    // Accumulators (currency units).
    Moeda creditosEntradas50e76;
    Moeda debitosSaidas50e76;
    Moeda creditosEntradas70;
    Moeda debitosSaidas70;
    Moeda debitos60;
    Moeda transferencias8803Recebidas;
    Moeda transferencias8803Enviadas;
    // 8802: ST on internal outputs of the records 53 minus fields 12 and 13, for the end checks of 8821.
    Moeda diferencaSt8802;

    // Type-88 records: by sub-type number (0..99), all lines, and the
    // sub-types in order of first appearance.
    std::array<Ocorrencia88, 100> registros88{};
    int quantidade88 = 0;
    std::vector<int> subtipos88;

    // Record 90: only the first one runs the end-of-file checks.
    bool registro90Processado = false;

    Ocorrencia88& Registro88(int subtipo) { return registros88.at(static_cast<std::size_t>(subtipo)); }
    const Ocorrencia88& Registro88(int subtipo) const { return registros88.at(static_cast<std::size_t>(subtipo)); }
};

}  // namespace zq
