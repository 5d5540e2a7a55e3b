#pragma once
// A temporary folder for one test, removed with everything in it.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace zq::teste {

class PastaTeste {
public:
    PastaTeste() {
        std::string modelo = (std::filesystem::temp_directory_path() / "zq-teste-XXXXXX").string();
        if (::mkdtemp(modelo.data()) == nullptr) throw std::runtime_error("mkdtemp");
        caminho_ = modelo;
    }
    ~PastaTeste() {
        std::error_code erro;
        std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all, erro);
        std::filesystem::remove_all(caminho_, erro);
    }
    PastaTeste(const PastaTeste&) = delete;
    PastaTeste& operator=(const PastaTeste&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }
    std::filesystem::path operator/(const std::string& nome) const { return caminho_ / nome; }

private:
    std::filesystem::path caminho_;
};

inline void GravarArquivo(const std::filesystem::path& arquivo, const std::string& bytes) {
    std::ofstream saida(arquivo, std::ios::binary);
    saida << bytes;
}

inline std::string LerArquivo(const std::filesystem::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

}  // namespace zq::teste
