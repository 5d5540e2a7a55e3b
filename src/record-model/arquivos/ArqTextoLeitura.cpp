#include "record-model/arquivos/ArqTextoLeitura.h"

#include <algorithm>
#include <filesystem>
#include <random>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Limites.h"

namespace zq {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTamanhoBloco = 64 * 1024;
constexpr int kTentativasPasta = 100;

EArqTextoLeitura ErroAoAbrir(const std::string& arquivo) {
    return EArqTextoLeitura(Formatar("Não foi possível abrir o arquivo '%s'.", {arquivo}));
}

EArqTextoLeitura ErroAoLer(const std::string& arquivo) {
    return EArqTextoLeitura(Formatar("Não foi possível ler o arquivo '%s'.", {arquivo}));
}

// Whether the first LF of the file is not preceded by a CR. A file without any LF is read as it is.
bool TemFinaisLfSimples(const std::string& arquivo) {
    std::ifstream entrada(CaminhoNativo(arquivo), std::ios::binary);
    if (!entrada) throw ErroAoAbrir(arquivo);
    std::vector<char> bloco(kTamanhoBloco);
    char anterior = '\0';
    while (entrada) {
        entrada.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        const auto lidos = static_cast<std::size_t>(entrada.gcount());
        const auto fim = bloco.begin() + static_cast<std::ptrdiff_t>(lidos);
        const auto lf = std::find(bloco.begin(), fim, '\n');
        if (lf != fim) return (lf == bloco.begin() ? anterior : *(lf - 1)) != '\r';
        if (lidos > 0) anterior = bloco[lidos - 1];
    }
    if (entrada.bad()) throw ErroAoLer(arquivo);
    return false;
}

// Every LF not preceded by a CR becomes CR LF; every other byte is copied as it is, so a lone CR and the text
// after the last line end are kept.
void ConverterFinaisDeLinha(const std::string& origem, const std::string& destino) {
    std::ifstream entrada(CaminhoNativo(origem), std::ios::binary);
    if (!entrada) throw ErroAoAbrir(origem);
    std::ofstream saida(CaminhoNativo(destino), std::ios::binary | std::ios::trunc);
    std::vector<char> bloco(kTamanhoBloco);
    std::string convertido;
    convertido.reserve(2 * kTamanhoBloco);
    char anterior = '\0';
    while (saida && entrada) {
        entrada.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        const auto lidos = static_cast<std::size_t>(entrada.gcount());
        convertido.clear();
        for (std::size_t i = 0; i < lidos; ++i) {
            const char c = bloco[i];
            if (c == '\n' && anterior != '\r') convertido += '\r';
            convertido += c;
            anterior = c;
        }
        saida.write(convertido.data(), static_cast<std::streamsize>(convertido.size()));
    }
    if (entrada.bad()) throw ErroAoLer(origem);
    saida.close();
    if (!saida) throw EArqTextoLeitura(Formatar("Não foi possível gravar o arquivo '%s'.", {destino}));
}

std::string NomePrograma() {
    const std::string nome = CaminhoCp1252(PlataformaAtual().CaminhoProgramaEmExecucao().stem());
    return nome.empty() ? "zq" : nome;
}

// A new folder of this reader alone, in the program's folder under the temporary folder (created when missing;
// created again when another reader removed it meanwhile). Returns it with its final separator.
std::string CriarPastaExclusiva() {
    static std::mt19937 gerador{std::random_device{}()};
    const fs::path pastaPrograma = PlataformaAtual().PastaTemporaria() / CaminhoNativo(NomePrograma());
    for (int tentativa = 0; tentativa < kTentativasPasta; ++tentativa) {
        std::error_code erro;
        fs::create_directories(pastaPrograma, erro);
        const fs::path pasta =
            pastaPrograma / CaminhoNativo(Formatar("leitura-%x", {static_cast<unsigned long>(gerador())}));
        if (fs::create_directory(pasta, erro)) {
            fs::permissions(pasta, fs::perms::owner_all, erro);
            return IncluirBarra(CaminhoCp1252(pasta));
        }
    }
    throw EArqTextoLeitura(Formatar("Não foi possível criar a pasta '%s'.", {CaminhoCp1252(pastaPrograma)}));
}

}  // namespace

TArqTextoLeitura::TArqTextoLeitura() = default;

TArqTextoLeitura::TArqTextoLeitura(const std::string& arquivo) { Abrir(arquivo); }

TArqTextoLeitura::~TArqTextoLeitura() {
    try {
        Fechar();
    } catch (...) {
        // Closing never fails the caller: what cannot be removed stays in the temporary folder.
    }
}

void TArqTextoLeitura::Abrir(const std::string& arquivo) {
    Fechar();
    const fs::path caminho = CaminhoNativo(arquivo);
    std::error_code erro;
    if (!fs::is_regular_file(caminho, erro)) {
        throw EArqTextoLeitura(Formatar("Arquivo não localizado: '%s'", {arquivo}));
    }
    arquivoConvertido_.clear();
    nomeArquivo_ = arquivo;
    const auto tamanho = fs::file_size(caminho, erro);
    if (erro) throw ErroAoAbrir(arquivo);
    tamanhoArquivo_ = static_cast<std::int64_t>(tamanho);
    if (tamanhoArquivo_ == 0) throw EArqTextoLeitura(Formatar("Arquivo com tamanho 0 (zero): '%s'", {arquivo}));
    try {
        if (TemFinaisLfSimples(arquivo)) CriarCopiaConvertida(arquivo);
        AbrirLeitura();
    } catch (...) {
        ApagarCopia();
        throw;
    }
}

void TArqTextoLeitura::CriarCopiaConvertida(const std::string& arquivo) {
    pastaCopia_ = CriarPastaExclusiva();
    arquivoConvertido_ = pastaCopia_ + CaminhoCp1252(CaminhoNativo(arquivo).filename());
    ConverterFinaisDeLinha(arquivo, arquivoConvertido_);
    nomeArquivo_ = arquivoConvertido_;
}

void TArqTextoLeitura::AbrirLeitura() {
    arquivo_.clear();
    arquivo_.open(CaminhoNativo(nomeArquivo_), std::ios::binary);
    if (!arquivo_) throw ErroAoAbrir(nomeArquivo_);
    bloco_.resize(kTamanhoBloco);
    inicio_ = fim_ = 0;
    linhaAtual_.clear();
    aberto_ = true;
}

void TArqTextoLeitura::Fechar() {
    if (aberto_) {
        arquivo_.close();
        aberto_ = false;
        inicio_ = fim_ = 0;
    }
    ApagarCopia();
}

void TArqTextoLeitura::ApagarCopia() {
    if (pastaCopia_.empty()) return;
    ApagarPasta(pastaCopia_, false);
    // The program's folder goes too once no other reader uses it.
    std::error_code erro;
    fs::remove(CaminhoNativo(ExcluirBarra(pastaCopia_)).parent_path(), erro);
    pastaCopia_.clear();
}

bool TArqTextoLeitura::Encher() {
    inicio_ = fim_ = 0;
    if (!arquivo_) return false;
    arquivo_.read(bloco_.data(), static_cast<std::streamsize>(bloco_.size()));
    if (arquivo_.bad()) throw ErroAoLer(nomeArquivo_);
    fim_ = static_cast<std::size_t>(arquivo_.gcount());
    return fim_ > 0;
}

bool TArqTextoLeitura::Eof() { return !aberto_ || (inicio_ == fim_ && !Encher()); }

const std::string& TArqTextoLeitura::ProximaLinha() {
    if (Eof()) throw EArqTextoLeitura("Tentativa de ler além do final do arquivo.");
    linhaAtual_.clear();
    while (inicio_ < fim_ || Encher()) {
        const auto comeco = bloco_.begin() + static_cast<std::ptrdiff_t>(inicio_);
        const auto fim = bloco_.begin() + static_cast<std::ptrdiff_t>(fim_);
        const auto quebra = std::find_if(comeco, fim, [](char c) { return c == '\r' || c == '\n'; });
        linhaAtual_.append(comeco, quebra);
        if (linhaAtual_.size() > kLinhaMaximaTexto) {
            throw EArqTextoLeitura(Formatar("Linha com mais de %d caracteres: o arquivo não é uma declaração.",
                                            {static_cast<long long>(kLinhaMaximaTexto)}));
        }
        inicio_ = static_cast<std::size_t>(quebra - bloco_.begin());
        if (quebra == fim) continue;
        const char fimDeLinha = *quebra;
        ++inicio_;
        // A CR followed by an LF, maybe in the next block, is one line end.
        if (fimDeLinha == '\r' && (inicio_ < fim_ || Encher()) && bloco_[inicio_] == '\n') ++inicio_;
        break;
    }
    return linhaAtual_;
}

}  // namespace zq
