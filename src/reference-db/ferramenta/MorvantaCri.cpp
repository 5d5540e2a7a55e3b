// morvanta-cri: builds the reference package from its text sources, and unpacks a package back to text.

#include <cstdio>
#include <exception>
#include <string_view>

#include "platform/Cp1252.h"
#include "reference-db/Empacotador.h"

namespace {

int Uso() {
    std::fputs("uso: morvanta-cri empacotar <pasta-fontes> <Morvanta.cri>\n"
               "     morvanta-cri desempacotar <Morvanta.cri> <pasta-fontes>\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Uso();
    const std::string_view comando = argv[1];
    try {
        if (comando == "empacotar") {
            zq::EmpacotarReferencia(argv[2], argv[3]);
        } else if (comando == "desempacotar") {
            zq::DesempacotarReferencia(argv[2], argv[3]);
        } else {
            return Uso();
        }
    } catch (const std::exception& falha) {
        std::fprintf(stderr, "morvanta-cri: %s\n", zq::Cp1252ParaUtf8(falha.what()).c_str());
        return 1;
    }
    return 0;
}
