#include "platform/Registro.h"

#include <cstdlib>
#include <fstream>

#include "platform/Cp1252.h"

namespace zq {
namespace {

std::string SemEspacos(const std::string& texto) {
    const auto inicio = texto.find_first_not_of(" \t\r");
    if (inicio == std::string::npos) return {};
    const auto fim = texto.find_last_not_of(" \t\r");
    return texto.substr(inicio, fim - inicio + 1);
}

std::string SemAspas(const std::string& texto) {
    if (texto.size() >= 2 && texto.front() == '"' && texto.back() == '"') return texto.substr(1, texto.size() - 2);
    return texto;
}

bool IguaisSemCaixa(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && !(x < 128 && y < 128 && std::tolower(x) == std::tolower(y))) return false;
    }
    return true;
}

std::filesystem::path PastaConfiguracao() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
    if (const char* casa = std::getenv("HOME"); casa && *casa) return std::filesystem::path(casa) / ".config";
    return {};
}

}  // namespace

std::filesystem::path ArquivoRegistro() {
    if (const char* arquivo = std::getenv("ZQ_REGISTRO"); arquivo && *arquivo) return arquivo;
    const auto pasta = PastaConfiguracao();
    return pasta.empty() ? std::filesystem::path() : pasta / "zq" / "registro.reg";
}

std::optional<std::string> LerValorRegistro(const std::string& raiz, const std::string& chave,
                                            const std::string& nome) {
    const auto arquivo = ArquivoRegistro();
    if (arquivo.empty()) return std::nullopt;
    std::ifstream entrada(arquivo);
    const std::string procurada = Cp1252ParaUtf8(raiz + "\\" + chave);
    const std::string nomeProcurado = nome.empty() ? "@" : Cp1252ParaUtf8(nome);
    bool naChave = false;
    for (std::string linha; std::getline(entrada, linha);) {
        linha = SemEspacos(linha);
        if (linha.empty() || linha.front() == ';' || linha.front() == '#') continue;
        if (linha.front() == '[' && linha.back() == ']') {
            naChave = IguaisSemCaixa(SemEspacos(linha.substr(1, linha.size() - 2)), procurada);
            continue;
        }
        const auto igual = linha.find('=');
        if (!naChave || igual == std::string::npos) continue;
        if (IguaisSemCaixa(SemAspas(SemEspacos(linha.substr(0, igual))), nomeProcurado)) {
            return Utf8ParaCp1252(SemAspas(SemEspacos(linha.substr(igual + 1))));
        }
    }
    return std::nullopt;
}

}  // namespace zq
