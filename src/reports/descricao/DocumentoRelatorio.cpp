#include "reports/descricao/DocumentoRelatorio.h"

namespace zq {

std::vector<std::string> TDocumentoRelatorio::Textos() const {
    std::vector<std::string> textos;
    for (const auto& pagina : Paginas) {
        for (const auto& banda : pagina.Bandas) {
            for (const auto& texto : banda.Textos) textos.push_back(texto.Texto);
        }
    }
    return textos;
}

}  // namespace zq
