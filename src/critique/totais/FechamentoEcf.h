#pragma once
// The close of a fiscal printer (record 60M): its gross sale against the sum of
// its analytic records 60A.

#include <string>
#include <vector>

#include "critique/declaracao/EstadoDeclaracao.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// An ECF followed by another record 60M.
inline constexpr Moeda kToleranciaEcf = Moeda::DeReais(9);
// The last ECF of the file, closed after the pass.
inline constexpr Moeda kToleranciaUltimoEcf = Moeda::DeReais(5);

// When an ECF is open: a difference above `tolerancia` is rejected; the ECF is closed either way.
void FecharEcf(EcfAtual& ecf, Moeda tolerancia, std::vector<std::string>& rejeicoes);

}  // namespace zq
