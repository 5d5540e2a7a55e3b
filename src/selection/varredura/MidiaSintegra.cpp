#include "selection/varredura/MidiaSintegra.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

bool NomeSeguro(const std::string& nome) {
    return !nome.empty() && nome.find_first_of("/\\:") == std::string::npos && !IsPontoOuPontoPonto(nome);
}

}  // namespace

void VerificarEntradasConfiaveis(const TArquivoZip& arquivo) {
    VerificarLimites(arquivo);
    for (const auto& entrada : arquivo.Entradas()) {
        if (!NomeSeguro(entrada.Nome)) {
            throw EZip(Formatar("Arquivo compactado com entrada de nome inválido: '%s'.", {entrada.Nome}));
        }
    }
}

namespace {

// The lines of a text; a final line end adds no empty line.
std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream entrada(texto);
    for (std::string linha; std::getline(entrada, linha);) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(std::move(linha));
    }
    return linhas;
}

// The media is planned from its directory and only its TXT is written to disk: the summary is read in memory
// and the CFOP lists are only inflated (so that a damaged entry still skips the media), which is what writing
// them all and deleting all but the TXT would leave.
std::optional<TTxtMidia> Extrair(const std::string& zip, const std::string& pasta) {
    TArquivoZip arquivo(zip, kSenhaMidia);
    try {
        VerificarLimites(arquivo);
    } catch (const EZip& falha) {
        throw EMidiaRecusada(MensagemDe(falha));
    }
    const auto& entradas = arquivo.Entradas();
    if (!std::all_of(entradas.begin(), entradas.end(), [](const TEntradaZip& e) { return NomeSeguro(e.Nome); })) {
        return std::nullopt;
    }
    // The files an extraction writes: one per name, the last entry of a name replacing the earlier ones.
    std::map<std::string, std::size_t> arquivos;
    for (std::size_t i = 0; i < entradas.size(); ++i) arquivos[entradas[i].Nome] = i;
    if (arquivos.size() < 2) return std::nullopt;

    const auto procurar = [&](const char* mascara) {
        return std::find_if(arquivos.begin(), arquivos.end(), [&](const auto& a) { return CombinaComMascara(a.first, mascara); });
    };
    auto resumo = procurar("Validacao2.resumo");
    if (resumo == arquivos.end()) resumo = procurar("Validacao.resumo");
    if (resumo == arquivos.end()) return std::nullopt;

    std::vector<std::string> restantes;
    for (const auto& [nome, indice] : arquivos) {
        if (nome == resumo->first) continue;
        if (CombinaComMascara(nome, "*.cfop")) {
            arquivo.LerEntrada(indice);
        } else {
            restantes.push_back(nome);
        }
    }
    TTxtMidia txt;
    const std::vector<std::string> linhas = Linhas(arquivo.LerEntrada(resumo->second));
    if (linhas.size() >= 2) txt.VersaoSintegra = linhas[linhas.size() - 2];
    if (restantes.size() != 1) return std::nullopt;

    const std::string nomeTxt = Maiusculas(restantes.front());
    const auto entrada = std::find_if(entradas.begin(), entradas.end(),
                                      [&](const TEntradaZip& e) { return Maiusculas(e.Nome) == nomeTxt; });
    txt.ArquivoTxt = arquivo.ExtrairEntrada(arquivos.at(restantes.front()), pasta);
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
    } catch (const EMidiaRecusada&) {
        throw;
    } catch (const std::exception&) {
        txt.reset();
    }
    if (!txt) ApagarArquivos(pasta, "*.*");
    return txt;
}

}  // namespace zq
