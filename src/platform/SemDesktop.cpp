#include "platform/SemDesktop.h"

#include <cstdlib>
#include <iostream>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"

namespace zq {
namespace {

std::string TextoParaTerminal(const std::string& textoCp1252) {
    std::string texto = Cp1252ParaUtf8(textoCp1252);
    for (char& c : texto) {
        if (c == '\r') c = '\n';
    }
    return texto;
}

}  // namespace

bool DesktopPedido(bool padraoDoSistema) {
    const char* valor = std::getenv("ZQ_DESKTOP");
    if (valor == nullptr) return padraoDoSistema;
    return std::string(valor) == "1";
}

void MensagemSemDesktop(const std::string& textoCp1252) {
    std::cerr << "[mensagem] " << TextoParaTerminal(textoCp1252) << std::endl;
}

void DocumentoSemDesktop(const std::string& programa, const std::filesystem::path& documento) {
    std::cerr << "[abrir] " << programa << ' ' << Cp1252ParaUtf8(CaminhoCp1252(documento)) << std::endl;
}

}  // namespace zq
