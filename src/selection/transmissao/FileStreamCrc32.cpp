#include "selection/transmissao/FileStreamCrc32.h"

#include <zlib.h>

#include <vector>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

std::string Inteiro32(std::uint32_t valor) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((valor >> (8 * i)) & 0xFF);
    return bytes;
}

EArquivo ErroDeLeitura(const std::string& arquivo) {
    return EArquivo(Formatar("Não foi possível ler o arquivo '%s'.", {arquivo}));
}

}  // namespace

TFileStreamCrc32::TFileStreamCrc32(const std::string& arquivo)
    : arquivo_(arquivo), fluxo_(CaminhoNativo(arquivo), std::ios::binary | std::ios::trunc) {
    if (!fluxo_) throw ErroDeGravacao(arquivo);
}

void TFileStreamCrc32::Escrever(std::string_view bytes) {
    fluxo_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!fluxo_) throw ErroDeGravacao(arquivo_);
    crc_ = static_cast<std::uint32_t>(
        crc32(crc_, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void TFileStreamCrc32::EscreverInteiro32(std::int32_t valor) { Escrever(Inteiro32(static_cast<std::uint32_t>(valor))); }

void TFileStreamCrc32::AnexarArquivo(const std::string& arquivo) {
    std::ifstream entrada(CaminhoNativo(arquivo), std::ios::binary);
    if (!entrada) throw ErroDeLeitura(arquivo);
    std::vector<char> bloco(1 << 16);
    while (entrada) {
        entrada.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        if (entrada.gcount() > 0) Escrever({bloco.data(), static_cast<std::size_t>(entrada.gcount())});
    }
    if (entrada.bad()) throw ErroDeLeitura(arquivo);
}

void TFileStreamCrc32::GravarComCrc(const std::string& destino) {
    fluxo_.flush();
    if (!fluxo_) throw ErroDeGravacao(arquivo_);
    TGravacaoSegura gravacao(destino);
    {
        std::ofstream saida(gravacao.Temporario(), std::ios::binary | std::ios::trunc);
        saida << Inteiro32(crc_);
        std::ifstream conteudo(CaminhoNativo(arquivo_), std::ios::binary);
        if (!conteudo) throw ErroDeLeitura(arquivo_);
        std::vector<char> bloco(1 << 16);
        while (conteudo) {
            conteudo.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
            saida.write(bloco.data(), conteudo.gcount());
        }
        if (conteudo.bad()) throw ErroDeLeitura(arquivo_);
        saida.close();
        if (!saida) throw ErroDeGravacao(destino);
    }
    gravacao.Confirmar();
}

}  // namespace zq
