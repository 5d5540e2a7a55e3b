// Scans a folder of media ZIPs (about 100 KB of declaration each) into the declaration table and prints the
// time and the ZIPs per second, next to a plain read of the same ZIPs (open, decrypt and inflate every entry).
// Usage: bench_varredura_midias [ZIPs [KB]]   (default: 1000 100)

#include <stdlib.h>
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GeradorDeclaracao.h"
#include "platform/Plataforma.h"
#include "record-model/arquivos/Zip.h"
#include "selection/DmValidador.h"
#include "selection/varredura/MidiaSintegra.h"

namespace {

namespace fs = std::filesystem;

std::string Ler(const fs::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

void Gravar(const fs::path& arquivo, const std::string& bytes) { std::ofstream(arquivo, std::ios::binary) << bytes; }

// A declaration of about `bytes`: the generator's first lines up to that size, then its type-88 and record-90
// lines (the generator always adds thousands of products; the program's reader needs only the header and the end).
std::string Declaracao(const fs::path& montagem, std::uint64_t bytes) {
    zq::bench::GerarDeclaracao(montagem / "base.txt", bytes);
    const std::string completa = Ler(montagem / "base.txt");
    const std::size_t final = completa.find("\r\n88") + 2;
    std::size_t corte = std::min<std::size_t>(bytes > completa.size() - final ? bytes - (completa.size() - final) : 0, final);
    corte = completa.rfind("\r\n", corte) + 2;
    return completa.substr(0, corte) + completa.substr(final);
}

// `quantidade` media of the same declaration, each of another inscrição (record 10, columns 17 to 25).
void GerarMidias(const fs::path& pasta, unsigned quantidade, unsigned long kb) {
    const fs::path montagem = pasta / "montagem";
    fs::create_directories(montagem);
    std::string declaracao = Declaracao(montagem, kb * 1024);
    Gravar(montagem / "Validacao2.resumo", "Resumo\r\n5.2.0.9\r\nFim\r\n");
    Gravar(montagem / "Saidas.cfop", "5102;100,00\r\n");
    for (unsigned i = 0; i < quantidade; ++i) {
        char inscricao[16];
        std::snprintf(inscricao, sizeof inscricao, "%09u", 100000000u + i);
        declaracao.replace(16, 9, inscricao);
        Gravar(montagem / "DECLARACAO.TXT", declaracao);
        char nome[64];
        std::snprintf(nome, sizeof nome, "12345678000195_%05u.zip", i);
        zq::CompactarArquivos({(montagem / "DECLARACAO.TXT").string(), (montagem / "Validacao2.resumo").string(),
                               (montagem / "Saidas.cfop").string()},
                              (pasta / nome).string(), zq::kSenhaMidia);
    }
    fs::remove_all(montagem);
}

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

    std::string modelo = (fs::temp_directory_path() / "bench-midias-XXXXXX").string();
    if (!mkdtemp(modelo.data())) return 1;
    const fs::path raiz = modelo;
    const fs::path midias = raiz / "midias";
    fs::create_directories(midias);
    std::printf("gerando %u mídias de %lu KB...\n", quantidade, kb);
    GerarMidias(midias, quantidade, kb);

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
