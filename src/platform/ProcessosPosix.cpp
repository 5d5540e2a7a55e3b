#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdlib>
#include <iostream>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Processos.h"

extern char** environ;

namespace zq {
namespace {

std::vector<std::string> DividirParametros(const std::string& parametros) {
    std::vector<std::string> partes;
    std::string atual;
    bool entreAspas = false;
    bool temParte = false;
    for (char c : parametros) {
        if (c == '"') {
            entreAspas = !entreAspas;
            temParte = true;
        } else if ((c == ' ' || c == '\t') && !entreAspas) {
            if (temParte) partes.push_back(atual);
            atual.clear();
            temParte = false;
        } else {
            atual += c;
            temParte = true;
        }
    }
    if (temParte) partes.push_back(atual);
    return partes;
}

// The child starts with the signals of a fresh process, whatever the caller blocks.
class AtributosFilho {
public:
    AtributosFilho() {
        posix_spawnattr_init(&atributos_);
        sigset_t nenhum;
        sigemptyset(&nenhum);
        posix_spawnattr_setsigmask(&atributos_, &nenhum);
        sigset_t padrao;
        sigemptyset(&padrao);
        sigaddset(&padrao, SIGINT);
        sigaddset(&padrao, SIGTERM);
        sigaddset(&padrao, SIGHUP);
        posix_spawnattr_setsigdefault(&atributos_, &padrao);
        posix_spawnattr_setflags(&atributos_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~AtributosFilho() { posix_spawnattr_destroy(&atributos_); }
    AtributosFilho(const AtributosFilho&) = delete;
    AtributosFilho& operator=(const AtributosFilho&) = delete;
    const posix_spawnattr_t* Atributos() const { return &atributos_; }

private:
    posix_spawnattr_t atributos_;
};

class AcoesFilho {
public:
    explicit AcoesFilho(const std::string& pasta) {
        posix_spawn_file_actions_init(&acoes_);
        if (!pasta.empty()) posix_spawn_file_actions_addchdir_np(&acoes_, pasta.c_str());
    }
    ~AcoesFilho() { posix_spawn_file_actions_destroy(&acoes_); }
    AcoesFilho(const AcoesFilho&) = delete;
    AcoesFilho& operator=(const AcoesFilho&) = delete;
    const posix_spawn_file_actions_t* Acoes() const { return &acoes_; }

private:
    posix_spawn_file_actions_t acoes_;
};

bool Iniciar(std::vector<std::string> argumentos, const std::string& pasta, pid_t& pid) {
    std::vector<char*> argv;
    for (auto& argumento : argumentos) argv.push_back(argumento.data());
    argv.push_back(nullptr);
    const AtributosFilho atributos;
    const AcoesFilho acoes(pasta);
    return posix_spawnp(&pid, argv[0], acoes.Acoes(), atributos.Atributos(), argv.data(), environ) == 0;
}

bool UsarDesktop() {
    const char* valor = std::getenv("ZQ_DESKTOP");
    return valor != nullptr && std::string(valor) == "1";
}

// A short pause between two looks at the child, so that waiting does not keep a processor busy.
void Pausa() {
    const timespec intervalo{0, 20'000'000};
    nanosleep(&intervalo, nullptr);
}

}  // namespace

bool AbrirComShell(const std::string& arquivo, const std::string& parametros, const std::string& pasta,
                   EstadoJanela) {
    const std::string alvo = Cp1252ParaUtf8(arquivo);
    if (!UsarDesktop()) {
        std::cerr << "[abrir] " << alvo << (parametros.empty() ? "" : " " + Cp1252ParaUtf8(parametros)) << '\n';
        return true;
    }
    pid_t pid = 0;
    return Iniciar({"xdg-open", alvo}, Cp1252ParaUtf8(pasta), pid);
}

int ExecutarEAguardar(const std::string& arquivo, const std::string& parametros, const std::string& pasta,
                      EstadoJanela, const std::function<bool()>& processarEventos) {
    std::vector<std::string> argumentos{Cp1252ParaUtf8(arquivo)};
    for (const auto& parte : DividirParametros(Cp1252ParaUtf8(parametros))) argumentos.push_back(parte);
    pid_t pid = 0;
    if (!Iniciar(argumentos, Cp1252ParaUtf8(pasta), pid)) return -1;
    for (;;) {
        int estado = 0;
        const pid_t fim = waitpid(pid, &estado, processarEventos ? WNOHANG : 0);
        if (fim == pid) {
            if (WIFEXITED(estado)) return WEXITSTATUS(estado);
            if (WIFSIGNALED(estado)) return 128 + WTERMSIG(estado);
            continue;
        }
        if (fim < 0) return -1;
        if (!processarEventos()) return kProcessoAtivo;
        Pausa();
    }
}

}  // namespace zq
