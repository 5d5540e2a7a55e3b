#include "selection/varredura/MidiaSintegra.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

constexpr std::uint64_t kTamanhoMaximo = std::uint64_t{1} << 30;
constexpr std::uint64_t kTaxaMaxima = 1000;
// A media holds a TXT, its summary and a few CFOP lists.
constexpr std::size_t kEntradasMaximas = 1000;

bool NomeSeguro(const std::string& nome) {
    return !nome.empty() && nome.find_first_of("/\\:") == std::string::npos && !IsPontoOuPontoPonto(nome);
}

bool TamanhoPlausivel(const TEntradaZip& entrada) {
    if (entrada.Tamanho > kTamanhoMaximo) return false;
    if (entrada.Tamanho == 0) return true;
    return entrada.TamanhoCompactado > 0 && entrada.Tamanho / entrada.TamanhoCompactado <= kTaxaMaxima;
}

}  // namespace

bool EntradasConfiaveis(const TArquivoZip& arquivo) {
    const auto& entradas = arquivo.Entradas();
    if (entradas.size() > kEntradasMaximas) return false;
    std::uint64_t total = 0;
    for (const auto& entrada : entradas) {
        if (!NomeSeguro(entrada.Nome) || !TamanhoPlausivel(entrada)) return false;
        total += entrada.Tamanho;
        if (total > kTamanhoMaximo) return false;
    }
    return true;
}

namespace {

std::vector<std::string> Arquivos(const std::string& pasta, const std::string& mascara) {
    std::vector<std::string> lista;
    ListarArquivos(pasta, mascara, lista, false, false, false);
    return lista;
}

// The lines of a text file; a final line end adds no empty line.
std::vector<std::string> LerLinhas(const std::string& arquivo) {
    std::ifstream entrada(CaminhoNativo(arquivo), std::ios::binary);
    std::vector<std::string> linhas;
    for (std::string linha; std::getline(entrada, linha);) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(std::move(linha));
    }
    return linhas;
}

std::optional<TTxtMidia> Extrair(const std::string& zip, const std::string& pasta) {
    TArquivoZip arquivo(zip, kSenhaMidia);
    if (!EntradasConfiaveis(arquivo)) return std::nullopt;
    if (arquivo.Extrair(pasta, "*.*").size() < 2) return std::nullopt;

    std::vector<std::string> resumos = Arquivos(pasta, "Validacao2.resumo");
    if (resumos.empty()) resumos = Arquivos(pasta, "Validacao.resumo");
    if (resumos.empty()) return std::nullopt;
    ApagarArquivos(pasta, "*.cfop");

    TTxtMidia txt;
    const std::vector<std::string> linhas = LerLinhas(pasta + resumos.front());
    if (linhas.size() >= 2) txt.VersaoSintegra = linhas[linhas.size() - 2];
    ApagarArquivos(pasta, resumos.front());

    const std::vector<std::string> restantes = Arquivos(pasta, "*.*");
    if (restantes.size() != 1) return std::nullopt;
    const std::string nomeTxt = Maiusculas(restantes.front());
    const auto entrada = std::find_if(arquivo.Entradas().begin(), arquivo.Entradas().end(),
                                      [&](const TEntradaZip& e) { return Maiusculas(e.Nome) == nomeTxt; });
    if (entrada == arquivo.Entradas().end()) return std::nullopt;
    txt.ArquivoTxt = pasta + restantes.front();
    txt.TamanhoTxt = static_cast<std::int64_t>(entrada->Tamanho);
    txt.CrcTxt = entrada->Crc32;
    txt.DataHoraTxt = entrada->DataHora;
    return txt;
}

}  // namespace

std::optional<TTxtMidia> ExtrairMidia(const std::string& zip, const std::string& pastaExtracao) {
    const std::string pasta = IncluirBarra(pastaExtracao);
    ApagarArquivos(pasta, "*.*");
    std::optional<TTxtMidia> txt;
    try {
        txt = Extrair(zip, pasta);
    } catch (const std::exception&) {
        txt.reset();
    }
    if (!txt) ApagarArquivos(pasta, "*.*");
    return txt;
}

}  // namespace zq
