// Scans a folder of media ZIPs (about 100 KB of declaration each) into the declaration table and prints the
// time and the ZIPs per second, next to a plain read of the same ZIPs (open, decrypt and inflate every entry).
// Usage: bench_varredura_midias [ZIPs [KB]]   (default: 1000 100)

#include <stdlib.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GeradorMidias.h"
#include "platform/Plataforma.h"
#include "selection/DmValidador.h"
#include "selection/varredura/MidiaSintegra.h"

namespace {

namespace fs = std::filesystem;

// Opens every ZIP and inflates every entry to memory: the least any scan must do.
std::uint64_t LerZips(const fs::path& pasta) {
    std::uint64_t bytes = 0;
    std::vector<char> bloco(1 << 16);
    for (const auto& entrada : fs::directory_iterator(pasta)) {
        int erro = 0;
        zip_t* arquivo = zip_open(entrada.path().c_str(), ZIP_RDONLY, &erro);
        if (!arquivo) continue;
        zip_set_default_password(arquivo, zq::kSenhaMidia);
        for (zip_int64_t i = 0; i < zip_get_num_entries(arquivo, 0); ++i) {
            zip_file_t* dados = zip_fopen_index(arquivo, static_cast<zip_uint64_t>(i), 0);
            if (!dados) continue;
            for (zip_int64_t lidos; (lidos = zip_fread(dados, bloco.data(), bloco.size())) > 0;) bytes += static_cast<std::uint64_t>(lidos);
            zip_fclose(dados);
        }
        zip_discard(arquivo);
    }
    return bytes;
}

double Segundos(std::chrono::steady_clock::time_point inicio) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned quantidade = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : 1000;
    const unsigned long kb = argc > 2 ? std::stoul(argv[2]) : 100;

    const fs::path raiz = zq::bench::PastaComMidias("bench-midias", quantidade, kb);
    const fs::path midias = raiz / "midias";

    auto inicio = std::chrono::steady_clock::now();
    const std::uint64_t bytes = LerZips(midias);
    const double leitura = Segundos(inicio);

    std::size_t declaracoes = 0;
    double varredura = 0;
    {
        zq::TDmValidador dm((raiz / "trabalho").string());
        inicio = std::chrono::steady_clock::now();
        dm.CarregarPastaMidias(midias.string());
        varredura = Segundos(inicio);
        declaracoes = dm.tblSintegra.Quantidade();
    }
    fs::remove_all(raiz);

    std::printf("leitura dos ZIPs:  %.3f s  %8.0f ZIPs/s  (%.1f MB inflados)\n", leitura, quantidade / leitura,
                static_cast<double>(bytes) / 1e6);
    std::printf("varredura:         %.3f s  %8.0f ZIPs/s  %zu declarações  (%.2f x a leitura)\n", varredura,
                quantidade / varredura, declaracoes, varredura / leitura);
    return declaracoes == quantidade ? 0 : 1;
}
