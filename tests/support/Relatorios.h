#pragma once
// What the tests look for in a critique report.

#include <cstddef>
#include <string>

namespace zq::teste {

inline constexpr const char* kSucesso = "Consistência dos registros da GIM-ZQ (Tipo 88) realizada com sucesso!\r\n";

// How many times `trecho` stands in `texto`, overlaps counted.
inline long long Ocorrencias(const std::string& texto, const std::string& trecho) {
    long long quantidade = 0;
    for (auto posicao = texto.find(trecho); posicao != std::string::npos; posicao = texto.find(trecho, posicao + 1)) {
        ++quantidade;
    }
    return quantidade;
}

}  // namespace zq::teste
