#pragma once
// The program's title and version as the reports print them.

#include <string>

namespace zq {

struct TIdentificacaoPrograma {
    std::string Titulo = "Validador XAR-ZQ";
    std::string Versao;  // "a.b.c.d"

    // "%s (Versão %s)".
    std::string Texto() const;
};

}  // namespace zq
