#include "selection/configuracao/RemocaoAoTerminar.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>

namespace zq {
namespace {

constexpr std::size_t kMaximoPastas = 4;
constexpr std::size_t kTamanhoCaminho = 4096;

struct PastaGuardada {
    std::atomic<bool> ativa{false};
    char caminho[kTamanhoCaminho] = {};
};

std::array<PastaGuardada, kMaximoPastas> pastas;

struct EntradaPasta {  // the kernel's linux_dirent64
    std::uint64_t inode;
    std::int64_t deslocamento;
    unsigned short tamanho;
    unsigned char tipo;
    char nome[1];
};

bool PontoOuPontoPonto(const char* nome) {
    return nome[0] == '.' && (nome[1] == '\0' || (nome[1] == '.' && nome[2] == '\0'));
}

void RemoverConteudo(int pasta) {
    alignas(8) char bloco[8192];
    bool removeuAlgo = true;
    while (removeuAlgo) {
        removeuAlgo = false;
        lseek(pasta, 0, SEEK_SET);
        for (;;) {
            const long lidos = syscall(SYS_getdents64, pasta, bloco, sizeof bloco);
            if (lidos <= 0) break;
            for (long posicao = 0; posicao < lidos;) {
                const auto* entrada = reinterpret_cast<const EntradaPasta*>(bloco + posicao);
                posicao += entrada->tamanho;
                if (PontoOuPontoPonto(entrada->nome)) continue;
                if (unlinkat(pasta, entrada->nome, 0) == 0) {
                    removeuAlgo = true;
                    continue;
                }
                const int subpasta = openat(pasta, entrada->nome, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
                if (subpasta < 0) continue;
                RemoverConteudo(subpasta);
                close(subpasta);
                if (unlinkat(pasta, entrada->nome, AT_REMOVEDIR) == 0) removeuAlgo = true;
            }
        }
    }
}

void AoTerminar(int sinal) {
    for (auto& guardada : pastas) {
        if (!guardada.ativa.load()) continue;
        const int pasta = open(guardada.caminho, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (pasta < 0) continue;
        RemoverConteudo(pasta);
        close(pasta);
        rmdir(guardada.caminho);
    }
    signal(sinal, SIG_DFL);
    raise(sinal);
}

void InstalarUmaVez() {
    static const bool instalado = [] {
        struct sigaction acao {};
        acao.sa_handler = AoTerminar;
        sigemptyset(&acao.sa_mask);
        for (int sinal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&acao.sa_mask, sinal);
        for (int sinal : {SIGINT, SIGTERM, SIGHUP}) sigaction(sinal, &acao, nullptr);
        return true;
    }();
    static_cast<void>(instalado);
}

}  // namespace

void RemoverAoTerminar(const std::string& pasta) {
    if (pasta.empty() || pasta.size() >= kTamanhoCaminho) return;
    InstalarUmaVez();
    for (auto& guardada : pastas) {
        if (guardada.ativa.load()) continue;
        std::memcpy(guardada.caminho, pasta.c_str(), pasta.size() + 1);
        guardada.ativa.store(true);
        return;
    }
}

void EsquecerRemocao(const std::string& pasta) {
    for (auto& guardada : pastas) {
        if (guardada.ativa.load() && pasta == guardada.caminho) guardada.ativa.store(false);
    }
}

}  // namespace zq
