// Critiques large synthetic declarations through the host stand-in and prints
// MB/s, lines/s and the host's peak memory, next to a plain sequential read of
// the same file (wc -l, run just before on the file in the page cache) and the
// ratio of the two times, in wall time and in CPU time; each time is the best
// of three runs.
// Usage: bench_critica_grande [MB...]   (default: 100 1000)

#include <spawn.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "GeradorDeclaracao.h"

extern char** environ;

namespace {

struct Medida {
    double segundos = 0;
    // User and system CPU time: steadier than the wall time on a machine shared with other work.
    double segundosCpu = 0;
    long picoKb = 0;
    int saida = -1;
};

Medida Executar(std::vector<std::string> argumentos, const std::string& saidaPadrao = "/dev/null") {
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, STDOUT_FILENO, saidaPadrao.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& argumento : argumentos) argv.push_back(argumento.data());
    argv.push_back(nullptr);
    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    Medida medida;
    if (posix_spawnp(&pid, argv[0], &acoes, nullptr, argv.data(), environ) == 0) {
        int estado = 0;
        rusage uso{};
        wait4(pid, &estado, 0, &uso);
        medida.saida = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        medida.picoKb = uso.ru_maxrss;
        const auto segundos = [](const timeval& tempo) { return static_cast<double>(tempo.tv_sec) + tempo.tv_usec / 1e6; };
        medida.segundosCpu = segundos(uso.ru_utime) + segundos(uso.ru_stime);
    }
    medida.segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    posix_spawn_file_actions_destroy(&acoes);
    return medida;
}

// wc -l takes tens of milliseconds and either run may meet a page-cache hiccup: the best of three runs, each
// on the file the runs before left in the page cache.
Medida MelhorDeTres(const std::vector<std::string>& argumentos) {
    Medida melhor = Executar(argumentos);
    for (int vez = 0; vez < 2; ++vez) {
        const Medida outra = Executar(argumentos);
        if (outra.segundos < melhor.segundos) melhor = outra;
    }
    return melhor;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<unsigned long> tamanhosMb;
    for (int i = 1; i < argc; ++i) tamanhosMb.push_back(std::stoul(argv[i]));
    if (tamanhosMb.empty()) tamanhosMb = {100, 1000};

    const auto host = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "ValidadorSintegra2018";
    const auto pasta = std::filesystem::temp_directory_path() / ("zq-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(pasta);

    std::printf("%8s %10s %10s %8s %10s %8s %8s %8s %8s %8s %8s %s\n", "MB", "linhas", "crítica s", "MB/s",
                "linhas/s", "pico MB", "wc -l s", "× wc -l", "CPU s", "wc CPU s", "× CPU", "resultado");
    for (const auto megabytes : tamanhosMb) {
        const auto arquivo = pasta / ("declaracao-" + std::to_string(megabytes) + "MB.txt");
        const auto resumo = zq::bench::GerarDeclaracao(arquivo, megabytes * 1'000'000ULL);
        const Medida leitura = MelhorDeTres({"wc", "-l", arquivo.string()});
        const Medida critica = MelhorDeTres({host.string(), arquivo.string(), (pasta / "relatorio.txt").string()});
        const double mb = static_cast<double>(resumo.bytes) / 1e6;
        std::printf("%8.1f %10llu %10.2f %8.1f %10.0f %8.1f %8.2f %8.1f %8.2f %8.2f %8.1f %d\n", mb,
                    static_cast<unsigned long long>(resumo.linhas), critica.segundos, mb / critica.segundos,
                    static_cast<double>(resumo.linhas) / critica.segundos, static_cast<double>(critica.picoKb) / 1024.0,
                    leitura.segundos, critica.segundos / leitura.segundos, critica.segundosCpu, leitura.segundosCpu,
                    critica.segundosCpu / leitura.segundosCpu, critica.saida);
        std::fflush(stdout);
        std::filesystem::remove(arquivo);
    }
    std::error_code erro;
    std::filesystem::remove_all(pasta, erro);
    return 0;
}
