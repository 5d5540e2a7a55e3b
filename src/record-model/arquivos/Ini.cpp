#include "record-model/arquivos/Ini.h"

#include <fstream>
#include <memory>
#include <optional>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

std::string Aparado(std::string_view texto) { return std::string(Aparar(texto)); }

bool IguaisSemCaixa(const std::string& a, const std::string& b) { return Maiusculas(a) == Maiusculas(b); }

std::optional<std::string> Secao(const std::string& linha) {
    const std::string texto = Aparado(linha);
    if (texto.size() < 2 || texto.front() != '[' || texto.back() != ']') return std::nullopt;
    return Aparado(texto.substr(1, texto.size() - 2));
}

bool EhChave(const std::string& linha, const std::string& chave) {
    const auto igual = linha.find('=');
    return igual != std::string::npos && Aparado(linha).front() != ';' &&
           IguaisSemCaixa(Aparado(linha.substr(0, igual)), chave);
}

std::string Valor(const std::string& linha) {
    std::string valor = Aparado(linha.substr(linha.find('=') + 1));
    if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"') valor = valor.substr(1, valor.size() - 2);
    return valor;
}

std::vector<std::string> LerLinhas(const std::string& caminho) {
    std::vector<std::string> linhas;
    std::ifstream arquivo(CaminhoNativo(caminho), std::ios::binary);
    for (std::string linha; std::getline(arquivo, linha);) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(std::move(linha));
    }
    return linhas;
}

// Index of the line of the key in the section, or where a new key of the section goes; npos when the
// section is missing.
struct Posicao {
    std::size_t secao = std::string::npos;
    std::size_t chave = std::string::npos;
    std::size_t fimDaSecao = std::string::npos;  // after its last non-blank line
};

Posicao Localizar(const std::vector<std::string>& linhas, const std::string& secao, const std::string& chave) {
    Posicao posicao;
    bool dentro = false;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (const auto nome = Secao(linhas[i])) {
            if (dentro) break;
            dentro = IguaisSemCaixa(*nome, secao);
            if (dentro) posicao.secao = posicao.fimDaSecao = i + 1;
            continue;
        }
        if (!dentro) continue;
        if (!Aparado(linhas[i]).empty()) posicao.fimDaSecao = i + 1;
        if (EhChave(linhas[i], chave)) {
            posicao.chave = i;
            break;
        }
    }
    return posicao;
}

}  // namespace

TArquivoIni::TArquivoIni(std::string caminho) : caminho_(std::move(caminho)), linhas_(LerLinhas(caminho_)) {}

std::string TArquivoIni::Ler(const std::string& secao, const std::string& chave, const std::string& padrao) const {
    const Posicao posicao = Localizar(linhas_, secao, chave);
    return posicao.chave == std::string::npos ? padrao : Valor(linhas_[posicao.chave]);
}

void TArquivoIni::Gravar(const std::string& secao, const std::string& chave, const std::string& valor) {
    std::vector<std::string> linhas = linhas_;
    const Posicao posicao = Localizar(linhas, secao, chave);
    const std::string linhaDaChave = chave + "=" + valor;
    if (posicao.chave != std::string::npos) {
        linhas[posicao.chave] = linhaDaChave;
    } else if (posicao.secao != std::string::npos) {
        linhas.insert(linhas.begin() + static_cast<std::ptrdiff_t>(posicao.fimDaSecao), linhaDaChave);
    } else {
        if (!linhas.empty() && !Aparado(linhas.back()).empty()) linhas.emplace_back();
        linhas.push_back("[" + secao + "]");
        linhas.push_back(linhaDaChave);
    }

    TGravacaoSegura gravacao(caminho_);
    {
        std::ofstream arquivo(gravacao.Temporario(), std::ios::binary | std::ios::trunc);
        for (const auto& linha : linhas) arquivo << linha << "\r\n";
        arquivo.close();
        if (!arquivo) throw ErroDeGravacao(caminho_);
    }
    gravacao.Confirmar();
    linhas_ = std::move(linhas);
}

namespace {

std::optional<std::string> caminhoDefinido;
std::unique_ptr<TArquivoIni> iniCompartilhado;
int usosIni = 0;

std::string CaminhoIni() {
    if (!caminhoDefinido) {
        caminhoDefinido = CaminhoCp1252(PlataformaAtual().CaminhoProgramaEmExecucao().replace_extension(".ini"));
    }
    return *caminhoDefinido;
}

TArquivoIni& AdquirirIni() {
    if (!iniCompartilhado) iniCompartilhado = std::make_unique<TArquivoIni>(CaminhoIni());
    ++usosIni;
    return *iniCompartilhado;
}

}  // namespace

void DefinirCaminhoIni(const std::string& caminho) { caminhoDefinido = caminho; }

TUsoIni::TUsoIni() : ini_(AdquirirIni()) {}

TUsoIni::~TUsoIni() {
    if (--usosIni == 0) iniCompartilhado.reset();
}

std::string LerIni(const std::string& secao, const std::string& chave, const std::string& padrao) {
    return TUsoIni().Ini().Ler(secao, chave, padrao);
}

void GravarIni(const std::string& secao, const std::string& chave, const std::string& valor) {
    TUsoIni().Ini().Gravar(secao, chave, valor);
}

}  // namespace zq
