#pragma once
// Rewrites the declared uncompressed size of an entry in a ZIP's headers (local and central), to make the
// archives that lie about their contents.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/PastaTeste.h"

namespace zq::teste {

inline void DeclararTamanho(const std::filesystem::path& zip, const std::string& nome, std::uint32_t tamanho) {
    std::string bytes = LerArquivo(zip);
    const auto escrever = [&](std::size_t posicao) {
        for (int i = 0; i < 4; ++i) bytes[posicao + i] = static_cast<char>((tamanho >> (8 * i)) & 0xFF);
    };
    const auto ler16 = [&](std::size_t posicao) {
        return static_cast<std::size_t>(static_cast<unsigned char>(bytes[posicao]) |
                                        (static_cast<unsigned char>(bytes[posicao + 1]) << 8));
    };
    for (std::size_t i = 0; i + 46 <= bytes.size(); ++i) {
        if (bytes.compare(i, 4, "PK\x03\x04") == 0 && bytes.compare(i + 30, nome.size(), nome) == 0 &&
            ler16(i + 26) == nome.size()) {
            if (ler16(i + 6) & 0x08) continue;  // sizes in a data descriptor
            escrever(i + 22);
        } else if (bytes.compare(i, 4, "PK\x01\x02") == 0 && ler16(i + 28) == nome.size() &&
                   bytes.compare(i + 46, nome.size(), nome) == 0) {
            escrever(i + 24);
        }
    }
    GravarArquivo(zip, bytes);
}

}  // namespace zq::teste
