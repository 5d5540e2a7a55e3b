#include "reference-db/PastaTrabalho.h"

#include <random>

#include "platform/Plataforma.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

std::string SufixoAleatorio(std::mt19937_64& gerador) {
    static constexpr char kLetras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> escolha(0, sizeof(kLetras) - 2);
    std::string sufixo(10, ' ');
    for (char& letra : sufixo) letra = kLetras[escolha(gerador)];
    return sufixo;
}

}  // namespace

PastaTrabalho::PastaTrabalho(const std::filesystem::path& pai, const std::string& prefixo) {
    std::error_code erro;
    std::filesystem::create_directories(pai, erro);
    std::mt19937_64 gerador(std::random_device{}());
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const auto candidata = pai / (prefixo + "-" + SufixoAleatorio(gerador));
        // create_directory is false when the name exists: another call took it.
        if (std::filesystem::create_directory(candidata, erro)) {
            caminho_ = candidata;
            return;
        }
        if (erro) break;
    }
    throw Excecao(Formatar("Não foi possível criar a pasta de trabalho em '%s'. %s",
                           {CaminhoCp1252(pai), erro ? erro.message() : std::string()}));
}

PastaTrabalho::~PastaTrabalho() {
    std::error_code erro;
    std::filesystem::remove_all(caminho_, erro);
}

}  // namespace zq
