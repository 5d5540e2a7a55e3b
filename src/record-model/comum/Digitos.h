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

// Eight characters read as the bytes of one 64-bit word, the first character in the lowest byte (the
// compiler makes this a single load on little-endian machines).
constexpr std::uint64_t OitoCaracteres(const char* texto) {
    std::uint64_t bloco = 0;
    for (int i = 0; i < 8; ++i) bloco |= std::uint64_t{static_cast<unsigned char>(texto[i])} << (8 * i);
    return bloco;
}

// The value of eight digit characters, tested and converted a word at a time; none when any of them is not a
// digit. A byte is a digit when its high half is 3 and adding 6 leaves it 3 (0x30 to 0x39); the value is then
// built by merging pairs of digits, pairs of pairs and pairs of fours.
constexpr std::optional<std::uint32_t> ValorDeOitoDigitos(const char* texto) {
    const std::uint64_t bloco = OitoCaracteres(texto);
    constexpr std::uint64_t kMetadesAltas = 0xF0F0F0F0F0F0F0F0;
    if (((bloco & kMetadesAltas) | (((bloco + 0x0606060606060606) & kMetadesAltas) >> 4)) != 0x3333333333333333) {
        return std::nullopt;
    }
    std::uint64_t valor = bloco & 0x0F0F0F0F0F0F0F0F;            // each byte a digit
    valor = (valor * (1 + (10 << 8))) >> 8;                          // each 16 bits: two digits in the low byte
    valor = ((valor & 0x00FF00FF00FF00FF) * (1 + (100 << 16))) >> 16;  // each 32 bits: four digits
    return static_cast<std::uint32_t>(((valor & 0x0000FFFF0000FFFF) * (1 + (10000ULL << 32))) >> 32);
}

// The value of a non-empty text of at most 19 digits and nothing else; none for any other text.
constexpr std::optional<std::uint64_t> ValorDosDigitos(std::string_view texto) {
    if (texto.empty() || texto.size() > kMaximoDigitos64) return std::nullopt;
    std::uint64_t valor = 0;
    std::size_t lidos = 0;
    for (; lidos + 8 <= texto.size(); lidos += 8) {
        const auto oito = ValorDeOitoDigitos(texto.data() + lidos);
        if (!oito) return std::nullopt;
        valor = valor * 100000000 + *oito;
    }
    for (; lidos < texto.size(); ++lidos) {
        const unsigned digito = static_cast<unsigned char>(texto[lidos]) - unsigned{'0'};
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
