#pragma once
// Texts of decimal digits only, as the fixed columns of a SINTEGRA line write their numbers: the readings
// that every number parser tries first, without allocating, signs or floating point.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zq {

constexpr bool IsDigito(char c) { return c >= '0' && c <= '9'; }

// A non-empty text of "0" to "9" only.
constexpr bool SoDigitosEm(std::string_view texto) {
    if (texto.empty()) return false;
    for (char c : texto) {
        if (!IsDigito(c)) return false;
    }
    return true;
}

// The most digits whose value always fits 64 bits.
constexpr std::size_t kMaximoDigitos64 = 19;

// The value of a non-empty text of at most 19 digits and nothing else; none for any other text.
constexpr std::optional<std::uint64_t> ValorDosDigitos(std::string_view texto) {
    if (texto.empty() || texto.size() > kMaximoDigitos64) return std::nullopt;
    std::uint64_t valor = 0;
    for (char c : texto) {
        const unsigned digito = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digito > 9) return std::nullopt;
        valor = valor * 10 + digito;
    }
    return valor;
}

// 10^expoente for 0 <= expoente <= 19.
constexpr std::uint64_t PotenciaDeDez(int expoente) {
    std::uint64_t potencia = 1;
    for (int i = 0; i < expoente; ++i) potencia *= 10;
    return potencia;
}

// Writes `valor` as exactly `tamanho` digits ending just before `fim`, zeros on the left; returns the
// first character written. The digits beyond the width are dropped.
constexpr char* EscreverDigitos(char* fim, std::uint64_t valor, int tamanho) {
    for (int i = 0; i < tamanho; ++i, valor /= 10) *--fim = static_cast<char>('0' + valor % 10);
    return fim;
}

}  // namespace zq
