#pragma once
// Texts of decimal digits only, as the fixed columns of a SINTEGRA line write their numbers: the readings
// that every number parser tries first, without allocating, signs or floating point.

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
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

// Eight characters read as the bytes of one 64-bit word, the first character in the lowest byte: a single
// load on little-endian machines.
constexpr std::uint64_t OitoCaracteres(const char* texto) {
    if (!std::is_constant_evaluated() && std::endian::native == std::endian::little) {
        std::uint64_t bloco;
        std::memcpy(&bloco, texto, sizeof bloco);
        return bloco;
    }
    std::uint64_t bloco = 0;
    for (int i = 0; i < 8; ++i) bloco |= std::uint64_t{static_cast<unsigned char>(texto[i])} << (8 * i);
    return bloco;
}

// The value of the eight digit characters of a word, tested and converted at once; none when any of them is
// not a digit. A byte is a digit when its high half is 3 and adding 6 leaves it 3 (0x30 to 0x39); the value is
// then built by merging pairs of digits, pairs of pairs and pairs of fours.
constexpr std::optional<std::uint32_t> ValorDoBloco(std::uint64_t bloco) {
    constexpr std::uint64_t kMetadesAltas = 0xF0F0F0F0F0F0F0F0;
    if (((bloco & kMetadesAltas) | (((bloco + 0x0606060606060606) & kMetadesAltas) >> 4)) != 0x3333333333333333) {
        return std::nullopt;
    }
    std::uint64_t valor = bloco & 0x0F0F0F0F0F0F0F0F;            // each byte a digit
    valor = (valor * (1 + (10 << 8))) >> 8;                          // each 16 bits: two digits in the low byte
    valor = ((valor & 0x00FF00FF00FF00FF) * (1 + (100 << 16))) >> 16;  // each 32 bits: four digits
    return static_cast<std::uint32_t>(((valor & 0x0000FFFF0000FFFF) * (1 + (10000ULL << 32))) >> 32);
}

constexpr std::optional<std::uint32_t> ValorDeOitoDigitos(const char* texto) {
    return ValorDoBloco(OitoCaracteres(texto));
}

// The value of the first `quantidade` (1 to 8) of the eight characters at `texto`: the word is shifted so
// that they end it, behind as many "0" as it takes.
constexpr std::optional<std::uint32_t> ValorDosPrimeiros(const char* texto, std::size_t quantidade) {
    if (quantidade == 8) return ValorDeOitoDigitos(texto);
    const unsigned deslocamento = 8 * static_cast<unsigned>(8 - quantidade);
    return ValorDoBloco((OitoCaracteres(texto) << deslocamento) | (0x3030303030303030ULL >> (64 - deslocamento)));
}

// The value of a non-empty text of at most 19 digits and nothing else; none for any other text. From eight
// digits on, whole words: the last eight, the eight before them, and the first ones shifted into a word.
constexpr std::optional<std::uint64_t> ValorDosDigitos(std::string_view texto) {
    const std::size_t tamanho = texto.size();
    if (tamanho == 0 || tamanho > kMaximoDigitos64) return std::nullopt;
    if (tamanho < 8) {
        std::uint64_t valor = 0;
        for (char c : texto) {
            const unsigned digito = static_cast<unsigned char>(c) - unsigned{'0'};
            if (digito > 9) return std::nullopt;
            valor = valor * 10 + digito;
        }
        return valor;
    }
    const auto ultimos = ValorDeOitoDigitos(texto.data() + tamanho - 8);
    if (!ultimos) return std::nullopt;
    if (tamanho == 8) return *ultimos;
    if (tamanho <= 16) {
        const auto primeiros = ValorDosPrimeiros(texto.data(), tamanho - 8);
        if (!primeiros) return std::nullopt;
        return std::uint64_t{*primeiros} * 100000000 + *ultimos;
    }
    const auto meio = ValorDeOitoDigitos(texto.data() + tamanho - 16);
    const auto primeiros = ValorDosPrimeiros(texto.data(), tamanho - 16);
    if (!meio || !primeiros) return std::nullopt;
    return (std::uint64_t{*primeiros} * 100000000 + *meio) * 100000000 + *ultimos;
}

inline constexpr auto kPotenciasDeDez = [] {
    std::array<std::uint64_t, kMaximoDigitos64 + 1> potencias{1};
    for (std::size_t i = 1; i < potencias.size(); ++i) potencias[i] = potencias[i - 1] * 10;
    return potencias;
}();

// 10^expoente for 0 <= expoente <= 19.
constexpr std::uint64_t PotenciaDeDez(int expoente) { return kPotenciasDeDez[static_cast<std::size_t>(expoente)]; }

// Writes `valor` as exactly `tamanho` digits ending just before `fim`, zeros on the left; returns the
// first character written. The digits beyond the width are dropped.
constexpr char* EscreverDigitos(char* fim, std::uint64_t valor, int tamanho) {
    for (int i = 0; i < tamanho; ++i, valor /= 10) *--fim = static_cast<char>('0' + valor % 10);
    return fim;
}

}  // namespace zq
