#include "GeradorMidias.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "GeradorDeclaracao.h"
#include "record-model/arquivos/Zip.h"
#include "selection/varredura/MidiaSintegra.h"

namespace zq::bench {

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
    GerarDeclaracao(montagem / "base.txt", bytes);
    const std::string completa = Ler(montagem / "base.txt");
    const std::size_t final = completa.find("\r\n88") + 2;
    std::size_t corte = std::min<std::size_t>(bytes > completa.size() - final ? bytes - (completa.size() - final) : 0, final);
    corte = completa.rfind("\r\n", corte) + 2;
    return completa.substr(0, corte) + completa.substr(final);
}

}  // namespace

// Each of another inscrição (record 10, columns 17 to 25).
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

std::filesystem::path PastaComMidias(const char* prefixo, unsigned quantidade, unsigned long kb) {
    std::string modelo = (std::filesystem::temp_directory_path() / (std::string(prefixo) + "-XXXXXX")).string();
    if (!mkdtemp(modelo.data())) throw std::runtime_error("mkdtemp: " + modelo);
    const std::filesystem::path raiz = modelo;
    std::filesystem::create_directories(raiz / "midias");
    std::printf("gerando %u mídias de %lu KB...\n", quantidade, kb);
    GerarMidias(raiz / "midias", quantidade, kb);
    return raiz;
}

}  // namespace zq::bench
