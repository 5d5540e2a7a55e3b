#pragma once
// Runs the program's command line as a script would, and reads back its tables.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/Host.h"
#include "support/PastaTeste.h"

namespace zq::teste {

struct ExecucaoXrazq {
    int resultado = -1;
    std::string saida;  // UTF-8
    std::string erros;  // UTF-8

    // The rows of the printed table, by column name; empty when the header is missing.
    std::vector<std::map<std::string, std::string>> Linhas() const {
        std::vector<std::map<std::string, std::string>> linhas;
        std::istringstream texto(saida);
        std::string linha;
        if (!std::getline(texto, linha)) return linhas;
        const std::vector<std::string> colunas = Campos(linha);
        while (std::getline(texto, linha)) {
            const std::vector<std::string> valores = Campos(linha);
            std::map<std::string, std::string> registro;
            for (std::size_t i = 0; i < colunas.size(); ++i) registro[colunas[i]] = i < valores.size() ? valores[i] : "";
            linhas.push_back(std::move(registro));
        }
        return linhas;
    }
    std::vector<std::string> Coluna(const std::string& nome) const {
        std::vector<std::string> valores;
        for (const auto& linha : Linhas()) valores.push_back(linha.at(nome));
        return valores;
    }
    std::string Cabecalho() const { return saida.substr(0, saida.find('\n')); }

    static std::vector<std::string> Campos(const std::string& linha) {
        std::vector<std::string> campos;
        std::size_t inicio = 0;
        for (;;) {
            const auto tab = linha.find('\t', inicio);
            campos.push_back(linha.substr(inicio, tab == std::string::npos ? std::string::npos : tab - inicio));
            if (tab == std::string::npos) return campos;
            inicio = tab + 1;
        }
    }
};

inline std::string Aspas(const std::string& texto) {
    std::string resultado = "'";
    for (char c : texto) resultado += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return resultado + "'";
}

// xrazq with the arguments, "today" fixed, the work folders below `temporaria` and local time in UTC.
inline ExecucaoXrazq Xrazq(const std::vector<std::string>& argumentos, const std::filesystem::path& temporaria,
                           const std::string& hoje = "2018-06-15") {
    PastaTeste pasta;
    const auto saida = pasta / "stdout.txt";
    const auto erros = pasta / "stderr.txt";
    std::string comando = "ASAN_OPTIONS=detect_leaks=0 TZ=UTC ZQ_HOJE=" + hoje + " TMPDIR=" + Aspas(temporaria.string()) +
                          " " + Aspas((PastaBinarios() / "xrazq").string());
    for (const auto& argumento : argumentos) comando += " " + Aspas(argumento);
    comando += " >" + Aspas(saida.string()) + " 2>" + Aspas(erros.string());
    const int estado = std::system(comando.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, LerArquivo(saida), LerArquivo(erros)};
}

}  // namespace zq::teste
