#pragma once
// Reads a SINTEGRA file line by line in large blocks. A carriage return ends a
// line and the byte after it (normally the line feed, whatever it is) is
// dropped; other bytes pass unchanged, so a file without carriage returns is
// one line. A line keeps at most `kLimiteLinha` bytes, whatever its length in
// the file, so memory stays bounded: no rule reads beyond column 126, and a
// longer line is only quoted in the report.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zq {

class LeitorLinhas {
public:
    static constexpr std::size_t kLimiteLinha = 1024;

    explicit LeitorLinhas(const std::filesystem::path& arquivo);

    // False when the file has no more bytes; `linha` keeps its capacity and
    // holds the first kLimiteLinha bytes of a longer line.
    bool LerLinha(std::string& linha);
    // Length in the file of the last line read, without its line end.
    std::uint64_t TamanhoLinha() const { return tamanhoLinha_; }
    std::uint64_t Posicao() const { return posicao_; }
    std::uint64_t Tamanho() const { return tamanho_; }

private:
    bool Encher();

    struct FecharArquivo {
        void operator()(std::FILE* arquivo) const { std::fclose(arquivo); }
    };
    std::unique_ptr<std::FILE, FecharArquivo> arquivo_;
    std::vector<char> bloco_;
    std::size_t inicio_ = 0;
    std::size_t fim_ = 0;
    std::uint64_t posicao_ = 0;
    std::uint64_t tamanho_ = 0;
    std::uint64_t tamanhoLinha_ = 0;
};

}  // namespace zq
