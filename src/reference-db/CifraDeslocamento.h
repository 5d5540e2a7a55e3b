#pragma once
// The byte-shift cipher of the package: every byte of the file moved by N (modulo 256), in place. N is the
// key read as a decimal integer, 13 when the key is not a number between 1 and 255.

#include <filesystem>
#include <string_view>

namespace zq {

class CifraDeslocamento {
public:
    static constexpr std::size_t kTamanhoMaximoChave = 32;

    // Excecao "Chave muito longa, com tamanho maior que 32" for a longer key.
    explicit CifraDeslocamento(std::string_view chave);

    int Deslocamento() const { return deslocamento_; }
    // Excecao "Arquivo de entrada não encontrado: '<arquivo>'" when the file cannot be opened for
    // reading and writing, Excecao of the file system when it cannot be rewritten.
    void Cifrar(const std::filesystem::path& arquivo) const { Deslocar(arquivo, deslocamento_); }
    void Decifrar(const std::filesystem::path& arquivo) const { Deslocar(arquivo, 256 - deslocamento_); }

private:
    static void Deslocar(const std::filesystem::path& arquivo, int deslocamento);

    int deslocamento_ = 13;
};

}  // namespace zq
