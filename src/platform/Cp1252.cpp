#include "platform/Cp1252.h"

#include <array>
#include <cstdint>

namespace zq {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes CP1252 leaves undefined
// (they are kept as the C1 control of the same number).
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodigoDoByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kFaixa80[byte - 0x80] != 0) return kFaixa80[byte - 0x80];
    return byte;
}

void AcrescentarUtf8(std::string& saida, char32_t codigo) {
    if (codigo < 0x80) {
        saida += static_cast<char>(codigo);
    } else if (codigo < 0x800) {
        saida += static_cast<char>(0xC0 | (codigo >> 6));
        saida += static_cast<char>(0x80 | (codigo & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (codigo >> 12));
        saida += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (codigo & 0x3F));
    }
}

char ByteDoCodigo(char32_t codigo) {
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) return static_cast<char>(codigo);
    for (std::size_t i = 0; i < kFaixa80.size(); ++i) {
        if (kFaixa80[i] == codigo) return static_cast<char>(0x80 + i);
    }
    if (codigo >= 0x80 && codigo <= 0x9F) return static_cast<char>(codigo);
    return '?';
}

}  // namespace

std::string Cp1252ParaUtf8(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 8);
    for (unsigned char byte : texto) AcrescentarUtf8(saida, CodigoDoByte(byte));
    return saida;
}

std::string Utf8ParaCp1252(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const auto byte = static_cast<unsigned char>(texto[i]);
        const std::size_t extras = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
        bool valido = extras > 0 && i + extras < texto.size();
        char32_t codigo = byte & (0x3F >> extras);
        for (std::size_t k = 1; valido && k <= extras; ++k) {
            const auto seguinte = static_cast<unsigned char>(texto[i + k]);
            valido = (seguinte & 0xC0) == 0x80;
            codigo = (codigo << 6) | (seguinte & 0x3F);
        }
        if (!valido) {
            saida += static_cast<char>(byte);
            ++i;
            continue;
        }
        saida += ByteDoCodigo(codigo);
        i += extras + 1;
    }
    return saida;
}

}  // namespace zq
