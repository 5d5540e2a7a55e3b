#include "reference-db/CifraDeslocamento.h"

#include <charconv>
#include <fstream>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr int kDeslocamentoPadrao = 13;

int DeslocamentoDaChave(std::string_view chave) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(chave.data(), chave.data() + chave.size(), valor);
    if (chave.empty() || erro != std::errc() || fim != chave.data() + chave.size()) return kDeslocamentoPadrao;
    return valor >= 1 && valor <= 255 ? valor : kDeslocamentoPadrao;
}

}  // namespace

CifraDeslocamento::CifraDeslocamento(std::string_view chave) {
    if (chave.size() > kTamanhoMaximoChave) {
        throw Excecao(Formatar("Chave muito longa, com tamanho maior que %d", {static_cast<int>(kTamanhoMaximoChave)}));
    }
    deslocamento_ = DeslocamentoDaChave(chave);
}

void CifraDeslocamento::Deslocar(const std::filesystem::path& arquivo, int deslocamento) {
    std::fstream fluxo(arquivo, std::ios::in | std::ios::out | std::ios::binary);
    if (!fluxo) throw Excecao(Formatar("Arquivo de entrada não encontrado: '%s'", {CaminhoCp1252(arquivo)}));
    std::vector<char> bloco(1 << 16);
    std::streamoff posicao = 0;
    for (;;) {
        fluxo.seekg(posicao);
        fluxo.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        const std::streamsize lidos = fluxo.gcount();
        if (lidos <= 0) break;
        for (std::streamsize i = 0; i < lidos; ++i) {
            const auto byte = static_cast<unsigned char>(bloco[static_cast<std::size_t>(i)]);
            bloco[static_cast<std::size_t>(i)] = static_cast<char>((byte + deslocamento) & 0xFF);
        }
        fluxo.clear();
        fluxo.seekp(posicao);
        fluxo.write(bloco.data(), lidos);
        if (!fluxo) throw Excecao(Formatar("Não foi possível gravar o arquivo '%s'.", {CaminhoCp1252(arquivo)}));
        posicao += lidos;
    }
}

}  // namespace zq
