#include "gim-records/ArqSintegraGimZQLeitura.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr std::streamoff kTamanhoFinal = 1536;
// A 126-column line with its CR LF.
constexpr std::streamoff kTamanhoLinha = 128;

// The first four characters; fewer when the line is shorter. Compared as text.
std::string_view Prefixo(std::string_view linha) { return linha.substr(0, 4); }

// The next line of the stream, without its line end (CR LF, CR or LF), into `linha`; false at the end.
bool LerLinha(std::istream& fluxo, std::string& linha) {
    linha.clear();
    std::streambuf& bytes = *fluxo.rdbuf();
    for (auto c = bytes.sbumpc(); c != std::char_traits<char>::eof(); c = bytes.sbumpc()) {
        if (c == '\n') return true;
        if (c == '\r') {
            if (bytes.sgetc() == '\n') bytes.sbumpc();
            return true;
        }
        linha += std::char_traits<char>::to_char_type(c);
    }
    return !linha.empty();
}

std::string LerAteOFim(std::istream& fluxo, std::streamoff inicio, std::streamoff tamanho) {
    std::string texto(static_cast<std::size_t>(tamanho - inicio), '\0');
    fluxo.clear();
    fluxo.seekg(inicio);
    fluxo.read(texto.data(), static_cast<std::streamsize>(texto.size()));
    if (fluxo.bad()) throw Excecao("Não foi possível ler o arquivo.");
    texto.resize(static_cast<std::size_t>(fluxo.gcount()));
    return texto;
}

}  // namespace

TArqSintegraGimZQLeitura::TArqSintegraGimZQLeitura() : registros88_(Registro10()) {}

void TArqSintegraGimZQLeitura::Abrir(const std::string& arquivo, bool exigirDeclaracao) {
    Fechar();
    LerDeclaracao(arquivo);
    registros88_.VerificarErros();
    if (exigirDeclaracao && !registros88_.GimPresente() && !registros88_.DadosAnuaisPresente()) {
        throw Excecao(Formatar("Arquivo '%s' não contém declaração de GIM nem de Dados Anuais.", {arquivo}));
    }
    TArqSintegraLeitura::Abrir(arquivo);
}

void TArqSintegraGimZQLeitura::LerDeclaracao(const std::string& arquivo) {
    Registro10().Limpar();
    Registro11().Limpar();
    Registro90().Limpar();
    registros88_.Limpar();
    std::ifstream fluxo(CaminhoNativo(arquivo), std::ios::binary);
    if (!fluxo) throw Excecao(Formatar("Não foi possível abrir o arquivo '%s'.", {arquivo}));
    LerCabecalho(fluxo);
    fluxo.clear();
    fluxo.seekg(0, std::ios::end);
    const std::streamoff tamanho = fluxo.tellg();
    if (tamanho < 0) throw Excecao("Não foi possível ler o arquivo.");
    LerFinal(fluxo, tamanho);
    if (registros88_.QuantidadeLinhas() < 1) LerPelaContagem(fluxo, tamanho);
}

void TArqSintegraGimZQLeitura::LerFinal(std::istream& fluxo, std::streamoff tamanho) {
    const std::string final = LerAteOFim(fluxo, std::max<std::streamoff>(0, tamanho - kTamanhoFinal), tamanho);
    const std::vector<std::string_view> linhas = DividirLinhas(final);
    bool blocoLido = false;
    // The first line may begin before the bytes read.
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        if (!blocoLido && linhas[i].starts_with("8801")) {
            blocoLido = true;
            for (; i < linhas.size() && linhas[i].substr(0, 2) <= "88"; ++i) registros88_.Adicionar(linhas[i]);
            if (i == linhas.size()) break;
        }
        if (linhas[i].starts_with("90")) Registro90().AdicionarLinha(linhas[i]);
    }
}

void TArqSintegraGimZQLeitura::LerPelaContagem(std::istream& fluxo, std::streamoff tamanho) {
    const std::streamoff quantidade88 = Registro90().Total("88");
    if (quantidade88 <= 0) return;
    const auto linhas90 = static_cast<std::streamoff>(Registro90().Linhas().size());
    const std::streamoff inicio = std::max<std::streamoff>(0, tamanho - (quantidade88 + linhas90 + 2) * kTamanhoLinha);
    fluxo.clear();
    fluxo.seekg(inicio);
    std::string linha;
    // The first line may begin before the position.
    if (!LerLinha(fluxo, linha)) return;
    while (LerLinha(fluxo, linha)) {
        if (Prefixo(linha) > "8899") break;
        if (Prefixo(linha) >= "8801") registros88_.Adicionar(linha);
    }
    if (fluxo.bad()) throw Excecao("Não foi possível ler o arquivo.");
}

}  // namespace zq
