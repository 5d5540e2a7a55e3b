#include "record-model/arquivos/ArqSintegraLeitura.h"

#include <algorithm>
#include <fstream>

#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

constexpr std::streamoff kTamanhoCabecalho = 6400;
constexpr std::streamoff kTamanhoTotais = 1536;

bool IsQuebra(char c) { return c == '\r' || c == '\n'; }

std::streamoff TamanhoDe(std::istream& arquivo) {
    arquivo.clear();
    arquivo.seekg(0, std::ios::end);
    const std::streamoff tamanho = arquivo.tellg();
    if (tamanho < 0) throw Excecao("Não foi possível ler o arquivo.");
    return tamanho;
}

// Up to `quantidade` bytes from `inicio`.
std::string LerTrecho(std::istream& arquivo, std::streamoff inicio, std::streamoff quantidade) {
    std::string trecho(static_cast<std::size_t>(quantidade), '\0');
    arquivo.clear();
    arquivo.seekg(inicio);
    arquivo.read(trecho.data(), static_cast<std::streamsize>(quantidade));
    if (arquivo.bad()) throw Excecao("Não foi possível ler o arquivo.");
    trecho.resize(static_cast<std::size_t>(arquivo.gcount()));
    return trecho;
}

}  // namespace

std::vector<std::string_view> DividirLinhas(std::string_view texto) {
    std::vector<std::string_view> linhas;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = inicio;
        while (fim < texto.size() && !IsQuebra(texto[fim])) ++fim;
        linhas.push_back(texto.substr(inicio, fim - inicio));
        if (fim < texto.size() && texto[fim] == '\r' && fim + 1 < texto.size() && texto[fim + 1] == '\n') ++fim;
        inicio = fim + 1;
    }
    return linhas;
}

TArqSintegraLeitura::TArqSintegraLeitura() = default;

TArqSintegraLeitura::TArqSintegraLeitura(const std::string& arquivo) { Abrir(arquivo); }

void TArqSintegraLeitura::Abrir(const std::string& arquivo) {
    Fechar();
    registro10_.Limpar();
    registro11_.Limpar();
    registro90_.Limpar();
    {
        std::ifstream fluxo(CaminhoNativo(arquivo), std::ios::binary);
        if (!fluxo) throw Excecao(Formatar("Não foi possível abrir o arquivo '%s'.", {arquivo}));
        LerCabecalho(fluxo);
        LerTotais(fluxo);
    }
    if (!registro90_.TemTotais()) {
        throw Excecao(Formatar("Arquivo Sintegra sem registro Tipo 90: '%s'", {arquivo}));
    }
    TArqTextoLeitura::Abrir(arquivo);
}

void TArqSintegraLeitura::LerCabecalho(std::istream& arquivo) {
    const std::string cabecalho = LerTrecho(arquivo, 0, kTamanhoCabecalho);
    const std::vector<std::string_view> linhas = DividirLinhas(cabecalho);
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (!linhas[i].starts_with("10")) continue;
        registro10_.SetLinha(linhas[i]);
        if (i + 1 < linhas.size()) registro11_.SetLinha(linhas[i + 1]);
        return;
    }
    throw Excecao("Registro 10 não encontrado!");
}

void TArqSintegraLeitura::LerTotais(std::istream& arquivo) {
    const std::streamoff tamanho = TamanhoDe(arquivo);
    // One byte before the last 1536 tells whether their first line is whole.
    const std::streamoff inicio = std::max<std::streamoff>(0, tamanho - kTamanhoTotais - 1);
    const std::string final = LerTrecho(arquivo, inicio, tamanho - inicio);
    std::string_view texto = final;
    bool primeiraInteira = true;
    if (inicio > 0) {
        primeiraInteira = IsQuebra(texto.front());
        texto.remove_prefix(1);
    }
    registro90_.Limpar();
    const std::vector<std::string_view> linhas = DividirLinhas(texto);
    for (std::size_t i = primeiraInteira ? 0 : 1; i < linhas.size(); ++i) {
        if (linhas[i].starts_with("90")) registro90_.AdicionarLinha(linhas[i]);
    }
}

TArqSintegraLeitura::RegistroLido TArqSintegraLeitura::ProximoRegistro() {
    const std::string& linha = ProximaLinha();
    numeroTipoLinha_ = linha.size() >= 2 && IsDigito(linha[0]) && IsDigito(linha[1]) ? (linha[0] - '0') * 10 + (linha[1] - '0') : 0;
    return {linha, numeroTipoLinha_};
}

}  // namespace zq
