#pragma once
// Runs the host stand-in the way the national validator calls the library.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Cp1252.h"
#include "support/PastaTeste.h"

namespace zq::teste {

inline std::filesystem::path PastaBinarios() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
}

struct ExecucaoHost {
    int resultado = -1;
    std::string erroPadrao;  // message boxes and opened documents, as CP1252
};

inline ExecucaoHost ExecutarHost(const std::string& programa, const std::filesystem::path& arquivo,
                                 const std::filesystem::path& saida) {
    PastaTeste pasta;
    const auto erros = pasta / "stderr.txt";
    // The leak checker's tracer fails now and then in short-lived children of a
    // sanitizer build; leaks are checked in the test programs themselves.
    const std::string comando = "ASAN_OPTIONS=detect_leaks=0 '" + (PastaBinarios() / programa).string() + "' '" + arquivo.string() + "' '" +
                                saida.string() + "' 2>'" + erros.string() + "'";
    const int estado = std::system(comando.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Utf8ParaCp1252(LerArquivo(erros))};
}

inline ExecucaoHost CriticarComHost(const std::filesystem::path& arquivo, const std::filesystem::path& saida) {
    return ExecutarHost("ValidadorSintegra2018", arquivo, saida);
}

}  // namespace zq::teste
