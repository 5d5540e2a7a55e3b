#pragma once
// Reads a SINTEGRA file line by line in large blocks. A carriage return ends a
// line and the byte after it (normally the line feed, whatever it is) is
// dropped; other bytes pass unchanged, so a file without carriage returns is
// one line.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zq {

class LeitorLinhas {
public:
    explicit LeitorLinhas(const std::filesystem::path& arquivo);

    // False when the file has no more bytes; `linha` keeps its capacity.
    bool LerLinha(std::string& linha);
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
};

}  // namespace zq
