#include "platform/Plataforma.h"

#include "platform/Cp1252.h"

namespace zq {

Plataforma& PlataformaDoSistema();  // one per operating system

namespace {
Plataforma* plataformaDefinida = nullptr;
}

Plataforma& PlataformaAtual() { return plataformaDefinida ? *plataformaDefinida : PlataformaDoSistema(); }

void DefinirPlataforma(Plataforma* plataforma) { plataformaDefinida = plataforma; }

std::filesystem::path CaminhoNativo(const std::string& caminhoCp1252) {
    const std::string utf8 = Cp1252ParaUtf8(caminhoCp1252);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string CaminhoCp1252(const std::filesystem::path& caminho) {
    const std::u8string utf8 = caminho.u8string();
    return Utf8ParaCp1252(std::string(utf8.begin(), utf8.end()));
}

std::FILE* AbrirArquivoC(const std::filesystem::path& arquivo, const char* modo) {
#ifdef _WIN32
    const std::string texto(modo);
    return _wfopen(arquivo.c_str(), std::wstring(texto.begin(), texto.end()).c_str());
#else
    return std::fopen(arquivo.c_str(), modo);
#endif
}

}  // namespace zq
