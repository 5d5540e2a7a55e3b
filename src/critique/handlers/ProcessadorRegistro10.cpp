#include "critique/handlers/ProcessadorRegistro10.h"

#include <charconv>

namespace zq {
namespace {

// Columns 1-based, as in the layout; a short line gives a shorter text.
std::string Colunas(const std::string& linha, std::size_t inicio, std::size_t largura) {
    return inicio - 1 < linha.size() ? linha.substr(inicio - 1, largura) : std::string();
}

unsigned NumeroOu(const std::string& texto, unsigned padrao) {
    unsigned valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return erro == std::errc() && fim == texto.data() + texto.size() && !texto.empty() ? valor : padrao;
}

}  // namespace

void ProcessadorRegistro10::Processar(const LinhaCritica& linha) {
    contexto_.semMovimento = true;
    contexto_.cabecalho.inscricaoEstadual = Colunas(linha.texto, 17, 14);
    contexto_.cabecalho.razaoSocial = Colunas(linha.texto, 31, 35);
    const auto ano = static_cast<int>(NumeroOu(Colunas(linha.texto, 108, 4), 1990));
    const auto mes = NumeroOu(Colunas(linha.texto, 112, 2), 12);
    contexto_.cabecalho.referencia = std::chrono::year{ano} / std::chrono::month{mes};
}

}  // namespace zq
