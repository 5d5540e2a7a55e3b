#include "xrazq/SaidaTerminal.h"

#include <iostream>
#include <stdexcept>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"

namespace zq::xrazq {
namespace {

// A value on one line of its own column: no tabs or line breaks inside, no trailing blanks.
std::string Celula(std::string texto) {
    for (char& c : texto) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    texto.erase(texto.find_last_not_of(' ') + 1);
    return Cp1252ParaUtf8(texto);
}

std::string NomeDoArquivo(const std::string& caminho) { return CaminhoCp1252(CaminhoNativo(caminho).filename()); }

template <class TLinha>
std::string Valor(const TTabelaMemoria<TLinha>& tabela, const TLinha& linha, const std::string& coluna) {
    if constexpr (std::is_same_v<TLinha, TDeclaracaoSintegra> || std::is_same_v<TLinha, TReciboNoldeNet>) {
        if (coluna == "ArquivoTxt") return NomeDoArquivo(linha.PathTxt);
    }
    const auto* campo = tabela.CampoPorNome(coluna);
    if (campo == nullptr) throw std::logic_error("coluna desconhecida: " + coluna);
    return tabela.Texto(linha, *campo);
}

}  // namespace

std::string TextoDeMensagem(const std::string& textoCp1252) {
    std::string texto;
    for (std::size_t i = 0; i < textoCp1252.size(); ++i) {
        if (textoCp1252[i] != '\r') {
            texto += textoCp1252[i];
            continue;
        }
        texto += '\n';
        if (i + 1 < textoCp1252.size() && textoCp1252[i + 1] == '\n') ++i;
    }
    return Cp1252ParaUtf8(texto);
}

void TCaixasTerminal::Informacao(const std::string& texto) { std::cerr << TextoDeMensagem(texto) << '\n'; }

void TCaixasTerminal::Erro(const std::string& texto) { std::cerr << TextoDeMensagem(texto) << '\n'; }

template <class TLinha>
void EscreverTabela(std::ostream& saida, const TTabelaMemoria<TLinha>& tabela, const std::vector<std::string>& colunas) {
    for (std::size_t i = 0; i < colunas.size(); ++i) saida << (i ? "\t" : "") << colunas[i];
    saida << '\n';
    for (const auto& linha : tabela.Linhas()) {
        for (std::size_t i = 0; i < colunas.size(); ++i) saida << (i ? "\t" : "") << Celula(Valor(tabela, linha, colunas[i]));
        saida << '\n';
    }
}

template void EscreverTabela(std::ostream&, const TTabelaSintegra&, const std::vector<std::string>&);
template void EscreverTabela(std::ostream&, const TTabelaResProces&, const std::vector<std::string>&);
template void EscreverTabela(std::ostream&, const TTabelaTransmissao&, const std::vector<std::string>&);
template void EscreverTabela(std::ostream&, const TTabelaNoldeNet&, const std::vector<std::string>&);

}  // namespace zq::xrazq
