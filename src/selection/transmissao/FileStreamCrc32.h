#pragma once
// A file written through a stream that keeps the CRC-32 (the standard one of ZIP) of every byte written.

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace zq {

class TFileStreamCrc32 {
public:
    // Creates the file (replacing an old one); EArquivo when it cannot be created.
    explicit TFileStreamCrc32(const std::string& arquivo);

    void Escrever(std::string_view bytes);
    void EscreverInteiro32(std::int32_t valor);  // little-endian
    // Appends the whole content of another file.
    void AnexarArquivo(const std::string& arquivo);

    std::uint32_t Crc32() const { return crc_; }
    // Writes `destino`: the CRC-32 as 4 bytes (little-endian), then everything written so far. The destination
    // is replaced only when complete; EArquivo on failure.
    void GravarComCrc(const std::string& destino);

private:
    std::string arquivo_;
    std::ofstream fluxo_;
    std::uint32_t crc_ = 0;
};

}  // namespace zq
