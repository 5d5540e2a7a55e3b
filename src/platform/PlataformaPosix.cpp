// POSIX stand-ins for the Windows services. Message boxes and documents never
// block and never pop up unless the user asks for the desktop (ZQ_DESKTOP=1):
// by default they are written to standard error.

#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"
#include "platform/Registro.h"
#include "platform/SemDesktop.h"
#include "platform/VersaoArquivo.h"

extern char** environ;

namespace zq {
namespace {

bool UsarDesktop() { return DesktopPedido(false); }

void IniciarSemEsperar(std::vector<std::string> argumentos) {
    std::vector<char*> argv;
    for (auto& argumento : argumentos) argv.push_back(argumento.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::cerr << "[abrir] não foi possível iniciar " << argumentos[0] << '\n';
    }
}

class PlataformaPosix final : public Plataforma {
public:
    std::filesystem::path CaminhoProgramaEmExecucao() const override {
        std::error_code erro;
        return std::filesystem::read_symlink("/proc/self/exe", erro);
    }

    std::filesystem::path PastaTemporaria() const override {
        std::error_code erro;
        auto pasta = std::filesystem::temp_directory_path(erro);
        return erro ? std::filesystem::path("/tmp") : pasta;
    }

    std::optional<std::string> VersaoDoArquivo(const std::filesystem::path& arquivo) const override {
        return LerVersaoEmbutida(arquivo);
    }

    void MostrarMensagem(const std::string& texto) override {
        if (UsarDesktop()) {
            std::string linhas = Cp1252ParaUtf8(texto);
            std::replace(linhas.begin(), linhas.end(), '\r', '\n');
            IniciarSemEsperar({"zenity", "--info", "--text=" + linhas});
            return;
        }
        MensagemSemDesktop(texto);
    }

    void AbrirDocumento(const std::string& programa, const std::filesystem::path& documento) override {
        if (UsarDesktop()) {
            IniciarSemEsperar({"xdg-open", documento.string()});
            return;
        }
        DocumentoSemDesktop(programa, documento);
    }

    // No registry here: the program's registry stand-in answers for POSIX.
    // The App Paths key of the registry stand-in.
    std::optional<std::filesystem::path> CaminhoRegistrado(const std::string& executavel) const override {
        const auto valor = LerValorRegistro(
            kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + executavel);
        if (!valor) return std::nullopt;
        return CaminhoNativo(*valor);
    }
};

}  // namespace

Plataforma& PlataformaDoSistema() {
    static PlataformaPosix plataforma;
    return plataforma;
}

}  // namespace zq
