#include "record-model/arquivos/Arquivos.h"

#include <random>

#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"
#include "record-model/arquivos/Interacao.h"

namespace zq {
namespace fs = std::filesystem;

namespace {

bool LetraAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Upper case of a CP1252 byte, accented letters included.
unsigned char Maiuscula(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c != 0xF7 && c != 0xFF) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

bool MesmaLetra(char a, char b) {
    return Maiuscula(static_cast<unsigned char>(a)) == Maiuscula(static_cast<unsigned char>(b));
}

bool CombinaCuringas(const std::string& nome, const std::string& mascara) {
    std::size_t n = 0, m = 0;
    std::size_t estrela = std::string::npos, retomada = 0;
    while (n < nome.size()) {
        if (m < mascara.size() && mascara[m] == '*') {
            estrela = m++;
            retomada = n;
        } else if (m < mascara.size() && (mascara[m] == '?' || MesmaLetra(mascara[m], nome[n]))) {
            ++m;
            ++n;
        } else if (estrela != std::string::npos) {
            m = estrela + 1;
            n = ++retomada;
        } else {
            return false;
        }
    }
    while (m < mascara.size() && mascara[m] == '*') ++m;
    return m == mascara.size();
}

EArquivo DiretorioInexistente(const std::string& pastaComBarra) {
    return EArquivo("Diretório inexistente:\r" + ExcluirBarra(pastaComBarra));
}

struct ConteudoPasta {
    std::vector<std::string> arquivos;
    std::vector<std::string> subpastas;  // not linked ones
    std::vector<std::string> ligacoes;   // linked folders
};

ConteudoPasta LerConteudo(const std::string& pasta) {
    ConteudoPasta conteudo;
    std::error_code erro;
    for (fs::directory_iterator it(CaminhoNativo(pasta), erro), fim; !erro && it != fim; it.increment(erro)) {
        const std::string nome = CaminhoCp1252(it->path().filename());
        std::error_code erroTipo;
        if (it->is_symlink(erroTipo) && it->is_directory(erroTipo)) {
            conteudo.ligacoes.push_back(nome);
        } else if (it->is_directory(erroTipo)) {
            conteudo.subpastas.push_back(nome);
        } else {
            conteudo.arquivos.push_back(nome);
        }
    }
    return conteudo;
}

bool PastaExiste(const std::string& pasta) {
    std::error_code erro;
    return !pasta.empty() && fs::is_directory(CaminhoNativo(pasta), erro);
}

void Remover(const std::string& caminho) {
    std::error_code erro;
    fs::remove(CaminhoNativo(caminho), erro);
}

void ApagarArvore(const std::string& pastaComBarra) {
    const ConteudoPasta conteudo = LerConteudo(pastaComBarra);
    for (const auto& nome : conteudo.subpastas) ApagarArvore(pastaComBarra + nome + kBarraPasta);
    for (const auto& nome : conteudo.arquivos) Remover(pastaComBarra + nome);
    for (const auto& nome : conteudo.ligacoes) Remover(pastaComBarra + nome);
    Remover(pastaComBarra);
}

}  // namespace

bool IsPontoOuPontoPonto(const std::string& nome) { return nome == "." || nome == ".."; }

std::string IncluirBarra(const std::string& pasta, char barra) {
    if (pasta.empty()) return pasta;
    if (pasta.size() == 1 && barra == '\\' && LetraAscii(pasta[0])) return pasta + ":" + barra;
    return pasta.back() == barra ? pasta : pasta + barra;
}

std::string ExcluirBarra(const std::string& pasta, char barra) {
    if (pasta.size() == 1) return barra == '\\' && LetraAscii(pasta[0]) ? pasta + ":" : pasta;
    if (!pasta.empty() && pasta.back() == barra) return pasta.substr(0, pasta.size() - 1);
    return pasta;
}

bool CombinaComMascara(const std::string& nome, const std::string& mascara) {
    if (CombinaCuringas(nome, mascara)) return true;
    const bool terminaEmPontoEstrela = mascara.size() >= 2 && mascara.ends_with(".*");
    return terminaEmPontoEstrela && nome.find('.') == std::string::npos &&
           CombinaCuringas(nome, mascara.substr(0, mascara.size() - 2));
}

bool ApagarArquivos(const std::string& pasta, const std::string& mascara) {
    const std::string pastaComBarra = IncluirBarra(pasta);
    if (!PastaExiste(pastaComBarra)) return true;
    bool algumCombinou = false;
    for (const auto& nome : LerConteudo(pastaComBarra).arquivos) {
        if (!CombinaComMascara(nome, mascara)) continue;
        algumCombinou = true;
        Remover(pastaComBarra + nome);
    }
    return !algumCombinou || LerConteudo(pastaComBarra).arquivos.empty();
}

void ListarArquivos(const std::string& pasta, const std::string& mascara, std::vector<std::string>& lista,
                    bool caminhoCompleto, bool exigirPasta, bool recursivo) {
    InteracaoAtual().ProcessarEventos();
    const std::string pastaComBarra = IncluirBarra(pasta);
    if (!PastaExiste(pastaComBarra)) {
        if (exigirPasta) throw DiretorioInexistente(pastaComBarra);
        return;
    }
    const ConteudoPasta conteudo = LerConteudo(pastaComBarra);
    if (recursivo) {
        for (const auto& nome : conteudo.subpastas) {
            ListarArquivos(pastaComBarra + nome, mascara, lista, true, exigirPasta, true);
        }
    }
    for (const auto& nome : conteudo.arquivos) {
        if (!CombinaComMascara(nome, mascara)) continue;
        lista.push_back(caminhoCompleto || recursivo ? pastaComBarra + nome : nome);
        InteracaoAtual().ProcessarEventos();
    }
}

void ApagarPasta(const std::string& pasta, bool exigirPasta) {
    InteracaoAtual().ProcessarEventos();
    const std::string pastaComBarra = IncluirBarra(pasta);
    if (!PastaExiste(pastaComBarra)) {
        if (exigirPasta) throw DiretorioInexistente(pastaComBarra);
        return;
    }
    ApagarArvore(pastaComBarra);
}

void VerificarTamanhoMaximo(const std::string& arquivo, std::uint64_t limite) {
    std::error_code erro;
    const std::uintmax_t tamanho = fs::file_size(CaminhoNativo(arquivo), erro);
    if (!erro && tamanho > limite) {
        throw Excecao(Formatar("O arquivo '%s' tem %d bytes, acima do limite de %d bytes.",
                               {arquivo, static_cast<long long>(tamanho), static_cast<long long>(limite)}));
    }
}

std::string NomeLivre(const std::string& pasta, const std::string& formato) {
    const std::string pastaComBarra = IncluirBarra(pasta);
    const std::string primeiro = Formatar(formato, {0});
    for (int i = 0;; ++i) {
        std::string nome = Formatar(formato, {i});
        if (i > 0 && nome == primeiro) throw EArquivo(Formatar("Padrão de nome sem número: '%s'", {formato}));
        std::error_code erro;
        if (!fs::exists(fs::symlink_status(CaminhoNativo(pastaComBarra + nome), erro))) return nome;
    }
}

TGravacaoSegura::TGravacaoSegura(const std::string& destino) : destino_(destino) {
    static std::mt19937 gerador{std::random_device{}()};
    const fs::path caminho = CaminhoNativo(destino);
    std::error_code erro;
    do {
        temporario_ = caminho;
        temporario_ += Formatar(".~%x.tmp", {static_cast<unsigned long>(gerador())});
    } while (fs::exists(fs::symlink_status(temporario_, erro)));
}

TGravacaoSegura::~TGravacaoSegura() {
    if (confirmada_) return;
    std::error_code erro;
    fs::remove(temporario_, erro);
}

void TGravacaoSegura::Confirmar() {
    std::error_code erro;
    fs::rename(temporario_, CaminhoNativo(destino_), erro);
    if (erro) throw ErroDeGravacao(destino_);
    confirmada_ = true;
}

EArquivo ErroDeGravacao(const std::string& arquivo) {
    return EArquivo(Formatar("Não foi possível gravar o arquivo '%s'.", {arquivo}));
}

}  // namespace zq
