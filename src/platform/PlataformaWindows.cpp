// Windows services through their ANSI (code page 1252) calls, as the host
// passes its paths. ZQ_DESKTOP=0 sends message boxes and documents to standard
// error instead, for unattended runs (under Wine in CI).

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Plataforma.h"
#include "platform/SemDesktop.h"

namespace zq {
namespace {

constexpr const char* kChaveAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

bool UsarDesktop() { return DesktopPedido(true); }

// A module's file name, however long.
std::string NomeDoModulo(HMODULE modulo) {
    std::vector<char> nome(MAX_PATH);
    while (true) {
        const DWORD tamanho = GetModuleFileNameA(modulo, nome.data(), static_cast<DWORD>(nome.size()));
        if (tamanho == 0) return {};
        if (tamanho < nome.size()) return std::string(nome.data(), tamanho);
        nome.resize(nome.size() * 2);
    }
}

std::string Versao(const VS_FIXEDFILEINFO& info) {
    char texto[48];
    std::snprintf(texto, sizeof texto, "%lu.%lu.%lu.%lu", static_cast<unsigned long>(HIWORD(info.dwFileVersionMS)),
                  static_cast<unsigned long>(LOWORD(info.dwFileVersionMS)),
                  static_cast<unsigned long>(HIWORD(info.dwFileVersionLS)),
                  static_cast<unsigned long>(LOWORD(info.dwFileVersionLS)));
    return texto;
}

class PlataformaWindows final : public Plataforma {
public:
    std::filesystem::path CaminhoProgramaEmExecucao() const override { return CaminhoNativo(NomeDoModulo(nullptr)); }

    std::filesystem::path PastaTemporaria() const override {
        char pasta[MAX_PATH + 1];
        const DWORD tamanho = GetTempPathA(sizeof pasta, pasta);
        if (tamanho == 0 || tamanho > MAX_PATH) return CaminhoNativo("C:\\Windows\\Temp");
        return CaminhoNativo(std::string(pasta, tamanho));
    }

    std::optional<std::string> VersaoDoArquivo(const std::filesystem::path& arquivo) const override {
        const std::string nome = CaminhoCp1252(arquivo);
        DWORD ignorado = 0;
        const DWORD tamanho = GetFileVersionInfoSizeA(nome.c_str(), &ignorado);
        if (tamanho == 0) return std::nullopt;
        std::vector<char> bloco(tamanho);
        if (!GetFileVersionInfoA(nome.c_str(), 0, tamanho, bloco.data())) return std::nullopt;
        VS_FIXEDFILEINFO* info = nullptr;
        UINT tamanhoInfo = 0;
        if (!VerQueryValueA(bloco.data(), "\\", reinterpret_cast<void**>(&info), &tamanhoInfo) || info == nullptr ||
            tamanhoInfo < sizeof(VS_FIXEDFILEINFO) || info->dwSignature != 0xFEEF04BD) {
            return std::nullopt;
        }
        return Versao(*info);
    }

    void MostrarMensagem(const std::string& texto) override {
        if (!UsarDesktop()) return MensagemSemDesktop(texto);
        MessageBoxA(nullptr, texto.c_str(), "Morvanta", MB_OK);
    }

    void AbrirDocumento(const std::string& programa, const std::filesystem::path& documento) override {
        if (!UsarDesktop()) return DocumentoSemDesktop(programa, documento);
        const std::string parametro = "\"" + CaminhoCp1252(documento) + "\"";
        ShellExecuteA(nullptr, "open", programa.c_str(), parametro.c_str(), nullptr, SW_SHOWNORMAL);
    }

    std::optional<std::filesystem::path> CaminhoRegistrado(const std::string& executavel) const override {
        const std::string chave = kChaveAppPaths + executavel;
        DWORD tamanho = 0;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, chave.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &tamanho) !=
                ERROR_SUCCESS ||
            tamanho == 0) {
            return std::nullopt;
        }
        std::vector<char> valor(tamanho);
        if (RegGetValueA(HKEY_LOCAL_MACHINE, chave.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, valor.data(),
                         &tamanho) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string caminho(valor.data());
        // Installers often quote the path.
        if (caminho.size() >= 2 && caminho.front() == '"' && caminho.back() == '"') {
            caminho = caminho.substr(1, caminho.size() - 2);
        }
        if (caminho.empty()) return std::nullopt;
        return CaminhoNativo(caminho);
    }
};

}  // namespace

Plataforma& PlataformaDoSistema() {
    static PlataformaWindows plataforma;
    return plataforma;
}

}  // namespace zq
