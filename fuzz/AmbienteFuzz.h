#pragma once
// What every fuzz target shares: a private folder for the input written as a file, and a platform whose
// running program is a current national validator next to the built reference package.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/Plataforma.h"

namespace zq::fuzz {

// A folder of this process, made once and removed at exit.
inline const std::filesystem::path& PastaFuzz() {
    static const std::filesystem::path pasta = [] {
        std::string modelo = (std::filesystem::temp_directory_path() / "zq-fuzz-XXXXXX").string();
        if (!mkdtemp(modelo.data())) std::abort();
        std::atexit([] {
            std::error_code erro;
            std::filesystem::remove_all(PastaFuzz(), erro);
        });
        return std::filesystem::path(modelo);
    }();
    return pasta;
}

// Writes the input into a file of the folder and returns its path.
inline std::filesystem::path GravarEntrada(const std::uint8_t* dados, std::size_t tamanho, const char* nome) {
    const auto arquivo = PastaFuzz() / nome;
    std::FILE* saida = std::fopen(arquivo.c_str(), "wb");
    if (!saida) std::abort();
    if (tamanho > 0 && std::fwrite(dados, 1, tamanho, saida) != tamanho) std::abort();
    std::fclose(saida);
    return arquivo;
}

// The folder of the fuzz binaries, where the build also puts Morvanta.cri.
inline std::filesystem::path PastaBinarios() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

class PlataformaFuzz final : public Plataforma {
public:
    PlataformaFuzz() { DefinirPlataforma(this); }

    std::filesystem::path CaminhoProgramaEmExecucao() const override {
        return PastaBinarios() / "ValidadorSintegra2018";
    }
    std::filesystem::path PastaTemporaria() const override { return PastaFuzz(); }
    std::optional<std::string> VersaoDoArquivo(const std::filesystem::path&) const override { return "5.2.0.9"; }
    void MostrarMensagem(const std::string&) override {}
    void AbrirDocumento(const std::string&, const std::filesystem::path&) override {}
    std::optional<std::filesystem::path> CaminhoRegistrado(const std::string&) const override { return std::nullopt; }
};

}  // namespace zq::fuzz
