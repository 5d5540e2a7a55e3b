// Usage: ValidadorSintegra2018 ARQUIVO SAIDA
// Critiques the SINTEGRA file ARQUIVO with the library that lies next to this
// program, writes the report to SAIDA and exits with the library's result
// (0 no rejection, 1 invalid parameter, 2 rejections); 3 when the library
// cannot be loaded, 64 on wrong usage.

#include <dlfcn.h>

#include <cstdint>
#include <iostream>
#include <string>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"

namespace {

using CriticaEspecifica = std::uint8_t (*)(const char*, const char*);

constexpr int kBibliotecaIndisponivel = 3;
constexpr int kUsoIncorreto = 64;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: " << (argc > 0 ? argv[0] : "ValidadorSintegra") << " ARQUIVO SAIDA\n";
        return kUsoIncorreto;
    }
    const auto biblioteca = zq::PlataformaAtual().CaminhoProgramaEmExecucao().parent_path() / "libMorvanta.so";
    void* modulo = dlopen(biblioteca.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (modulo == nullptr) {
        std::cerr << "Não foi possível carregar " << biblioteca.string() << ": " << dlerror() << '\n';
        return kBibliotecaIndisponivel;
    }
    auto critica = reinterpret_cast<CriticaEspecifica>(dlsym(modulo, "CriticaEspecifica"));
    if (critica == nullptr) {
        std::cerr << "CriticaEspecifica não encontrada em " << biblioteca.string() << '\n';
        dlclose(modulo);
        return kBibliotecaIndisponivel;
    }
    // The validator passes ANSI (CP1252) paths.
    const std::string arquivo = zq::Utf8ParaCp1252(argv[1]);
    const std::string saida = zq::Utf8ParaCp1252(argv[2]);
    const int resultado = critica(arquivo.c_str(), saida.c_str());
    dlclose(modulo);
    return resultado;
}
