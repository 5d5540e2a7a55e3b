// Usage: ValidadorSintegra2018 ARQUIVO SAIDA
// Critiques the SINTEGRA file ARQUIVO with the library that lies next to this
// program, writes the report to SAIDA and exits with the library's result
// (0 no rejection, 1 invalid parameter, 2 rejections); 3 when the library
// cannot be loaded (or, on Windows, breaks the stdcall convention), 64 on wrong usage.

#include <iostream>
#include <stdexcept>

#include "host-stand-in/BibliotecaCritica.h"
#include "platform/Plataforma.h"

namespace {

constexpr int kBibliotecaIndisponivel = 3;
constexpr int kUsoIncorreto = 64;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: " << (argc > 0 ? argv[0] : "ValidadorSintegra") << " ARQUIVO SAIDA\n";
        return kUsoIncorreto;
    }
    try {
        const zq::BibliotecaCritica biblioteca(zq::PlataformaAtual().CaminhoProgramaEmExecucao().parent_path());
        return biblioteca.CriticaEspecifica(zq::ArgumentoCp1252(argv[1]), zq::ArgumentoCp1252(argv[2]));
    } catch (const std::runtime_error& erro) {
        std::cerr << erro.what() << '\n';
        return kBibliotecaIndisponivel;
    }
}
