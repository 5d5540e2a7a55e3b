#include "record-model/arquivos/Zip.h"

#include <zip.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Limites.h"
#include "record-model/arquivos/Interacao.h"

namespace zq {
namespace fs = std::filesystem;

namespace {

EZip ErroDaBiblioteca(zip_error_t* erro) { return EZip(zip_error_strerror(erro)); }

EZip ErroDoCodigo(int codigo) {
    zip_error_t erro;
    zip_error_init_with_code(&erro, codigo);
    EZip excecao = ErroDaBiblioteca(&erro);
    zip_error_fini(&erro);
    return excecao;
}

// The name after the last folder separator of any system, drive prefixes included.
std::string NomeSemPastas(const std::string& nome) {
    const auto barra = nome.find_last_of("/\\:");
    return barra == std::string::npos ? nome : nome.substr(barra + 1);
}

std::string PastaDe(const std::string& arquivo) {
    const auto barra = arquivo.find_last_of(kBarraPasta);
    return barra == std::string::npos ? std::string() : arquivo.substr(0, barra + 1);
}

std::chrono::local_seconds HoraLocal(std::time_t instante) {
    std::tm campos{};
#ifdef _WIN32
    localtime_s(&campos, &instante);
#else
    localtime_r(&instante, &campos);
#endif
    using namespace std::chrono;
    const year_month_day dia{year{campos.tm_year + 1900}, month{static_cast<unsigned>(campos.tm_mon + 1)},
                             day{static_cast<unsigned>(campos.tm_mday)}};
    return local_days{dia} + hours{campos.tm_hour} + minutes{campos.tm_min} + seconds{campos.tm_sec};
}

// The file of an archive (whole: length -1, as zip_open takes it) or of an entry to add. On Windows,
// libzip's ANSI source takes the CP1252 path as it is; its plain functions would read it as UTF-8.
zip_source_t* FonteDeArquivo(const std::string& caminhoCp1252, zip_error_t* erro, zip_int64_t tamanho = 0) {
#ifdef _WIN32
    return zip_source_win32a_create(caminhoCp1252.c_str(), 0, tamanho, erro);
#else
    return zip_source_file_create(CaminhoNativo(caminhoCp1252).c_str(), 0, tamanho, erro);
#endif
}

zip_t* AbrirZip(const std::string& caminhoCp1252, int modo, int& codigo) {
    zip_error_t erro;
    zip_error_init(&erro);
    zip_t* arquivo = nullptr;
    if (zip_source_t* fonte = FonteDeArquivo(caminhoCp1252, &erro, -1)) {
        arquivo = zip_open_from_source(fonte, modo, &erro);
        if (!arquivo) zip_source_free(fonte);
    }
    codigo = zip_error_code_zip(&erro);
    zip_error_fini(&erro);
    return arquivo;
}

struct FecharArquivoZip {
    void operator()(zip_file_t* arquivo) const { zip_fclose(arquivo); }
};

struct DescartarZip {
    void operator()(zip_t* arquivo) const { zip_discard(arquivo); }
};

// An entry opened for reading. libzip 1.7 leaks the entry's source when it cannot decrypt it, so an
// encryption method it does not support is refused before opening.
std::unique_ptr<zip_file_t, FecharArquivoZip> AbrirEntrada(zip_t* arquivo, zip_uint64_t indice) {
    zip_stat_t estado;
    if (zip_stat_index(arquivo, indice, 0, &estado) == 0 && (estado.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
        estado.encryption_method != ZIP_EM_NONE && !zip_encryption_method_supported(estado.encryption_method, 0)) {
        throw ErroDoCodigo(ZIP_ER_ENCRNOTSUPP);
    }
    std::unique_ptr<zip_file_t, FecharArquivoZip> entrada(zip_fopen_index(arquivo, indice, 0));
    if (!entrada) throw ErroDaBiblioteca(zip_get_error(arquivo));
    return entrada;
}

void GravarEntrada(zip_t* arquivo, zip_uint64_t indice, const std::string& destino, std::time_t dataHora,
                   std::uint64_t tamanhoDeclarado) {
    const auto entrada = AbrirEntrada(arquivo, indice);

    TGravacaoSegura gravacao(destino);
    std::ofstream saida(gravacao.Temporario(), std::ios::binary | std::ios::trunc);
    std::vector<char> bloco(1 << 16);
    std::uint64_t total = 0;
    for (;;) {
        const zip_int64_t lidos = zip_fread(entrada.get(), bloco.data(), bloco.size());
        if (lidos < 0) throw ErroDaBiblioteca(zip_file_get_error(entrada.get()));
        if (lidos == 0) break;
        total += static_cast<std::uint64_t>(lidos);
        if (total > tamanhoDeclarado) throw ErroDoCodigo(ZIP_ER_INCONS);
        saida.write(bloco.data(), static_cast<std::streamsize>(lidos));
    }
    saida.close();
    if (!saida) throw EZip(ErroDeGravacao(destino).what());

    std::error_code erro;
    const auto instante = std::chrono::system_clock::from_time_t(dataHora);
    fs::last_write_time(gravacao.Temporario(), std::chrono::file_clock::from_sys(instante), erro);
    try {
        gravacao.Confirmar();
    } catch (const EArquivo& falha) {
        throw EZip(falha.what());
    }
}

}  // namespace

TArquivoZip::TArquivoZip(const std::string& arquivo, const std::string& senha) {
    int codigo = 0;
    zip_ = AbrirZip(arquivo, ZIP_RDONLY, codigo);
    if (!zip_) throw ErroDoCodigo(codigo);
    std::unique_ptr<zip_t, DescartarZip> guarda(zip_);
    if (!senha.empty()) zip_set_default_password(zip_, senha.c_str());

    const zip_int64_t quantidade = zip_get_num_entries(zip_, 0);
    for (zip_int64_t i = 0; i < quantidade; ++i) {
        zip_stat_t estado;
        if (zip_stat_index(zip_, static_cast<zip_uint64_t>(i), 0, &estado) < 0) {
            throw ErroDaBiblioteca(zip_get_error(zip_));
        }
        entradas_.push_back(TEntradaZip{Utf8ParaCp1252(estado.name), estado.crc, estado.size,
                                        estado.comp_size, HoraLocal(estado.mtime)});
        instantes_.push_back(estado.mtime);
    }
    guarda.release();
}

TArquivoZip::~TArquivoZip() { zip_discard(zip_); }

std::string TArquivoZip::ExtrairEntrada(std::size_t indice, const std::string& pasta) {
    const std::string nome = NomeSemPastas(entradas_.at(indice).Nome);
    if (nome.empty() || IsPontoOuPontoPonto(nome)) throw EZip(Formatar("Nome de entrada inválido: '%s'.", {nome}));
    const std::string destino = IncluirBarra(pasta) + nome;
    GravarEntrada(zip_, indice, destino, instantes_[indice], entradas_[indice].Tamanho);
    return destino;
}

std::string TArquivoZip::LerEntrada(std::size_t indice) {
    const auto entrada = AbrirEntrada(zip_, static_cast<zip_uint64_t>(indice));
    std::string conteudo;
    std::vector<char> bloco(1 << 16);
    for (;;) {
        const zip_int64_t lidos = zip_fread(entrada.get(), bloco.data(), bloco.size());
        if (lidos < 0) throw ErroDaBiblioteca(zip_file_get_error(entrada.get()));
        if (lidos == 0) break;
        if (conteudo.size() + static_cast<std::size_t>(lidos) > entradas_[indice].Tamanho) throw ErroDoCodigo(ZIP_ER_INCONS);
        conteudo.append(bloco.data(), static_cast<std::size_t>(lidos));
    }
    return conteudo;
}

std::vector<std::string> TArquivoZip::Extrair(const std::string& pasta, const std::string& mascara) {
    const std::string pastaComBarra = IncluirBarra(pasta);
    if (!pastaComBarra.empty()) {
        std::error_code erro;
        fs::create_directories(CaminhoNativo(pastaComBarra), erro);
        if (erro) throw EZip(Formatar("Não foi possível criar a pasta '%s'.", {pasta}));
    }

    std::vector<std::string> escritos;
    for (std::size_t i = 0; i < entradas_.size(); ++i) {
        const std::string nome = NomeSemPastas(entradas_[i].Nome);
        if (nome.empty() || IsPontoOuPontoPonto(nome) || !CombinaComMascara(nome, mascara)) continue;
        const std::string destino = pastaComBarra + nome;
        GravarEntrada(zip_, i, destino, instantes_[i], entradas_[i].Tamanho);
        if (std::find(escritos.begin(), escritos.end(), destino) == escritos.end()) escritos.push_back(destino);
    }
    return escritos;
}

void CompactarArquivos(const std::vector<std::string>& lista, const std::string& zip, const std::string& senha) {
    InteracaoAtual().MostrarDica(Formatar("Compactando arquivos no arquivo '%s'...", {NomeSemPastas(zip)}));
    if (lista.empty()) throw EZip("Nenhum arquivo para compactar.");

    TGravacaoSegura gravacao(zip);
    int codigo = 0;
    std::unique_ptr<zip_t, DescartarZip> arquivo(
        AbrirZip(CaminhoCp1252(gravacao.Temporario()), ZIP_CREATE | ZIP_EXCL, codigo));
    if (!arquivo) throw ErroDoCodigo(codigo);

    for (const auto& caminho : lista) {
        zip_error_t erro;
        zip_error_init(&erro);
        zip_source_t* fonte = FonteDeArquivo(caminho, &erro);
        if (!fonte) {
            const EZip falha = ErroDaBiblioteca(&erro);
            zip_error_fini(&erro);
            throw falha;
        }
        zip_error_fini(&erro);
        const std::string nome = Cp1252ParaUtf8(NomeSemPastas(caminho));
        const zip_int64_t indice = zip_file_add(arquivo.get(), nome.c_str(), fonte, ZIP_FL_ENC_GUESS);
        if (indice < 0) {
            zip_source_free(fonte);
            throw ErroDaBiblioteca(zip_get_error(arquivo.get()));
        }
        if (!senha.empty() && zip_file_set_encryption(arquivo.get(), static_cast<zip_uint64_t>(indice),
                                                      ZIP_EM_TRAD_PKWARE, senha.c_str()) < 0) {
            throw ErroDaBiblioteca(zip_get_error(arquivo.get()));
        }
    }
    if (zip_close(arquivo.get()) < 0) throw ErroDaBiblioteca(zip_get_error(arquivo.get()));
    arquivo.release();
    try {
        gravacao.Confirmar();
    } catch (const EArquivo& falha) {
        throw EZip(falha.what());
    }
}

void VerificarLimites(const TArquivoZip& arquivo) {
    const auto& entradas = arquivo.Entradas();
    if (entradas.size() > kEntradasZipMaximas) {
        throw EZip(Formatar("Arquivo compactado com %d entradas, acima do limite de %d.",
                            {static_cast<long long>(entradas.size()), static_cast<long long>(kEntradasZipMaximas)}));
    }
    std::uint64_t total = 0;
    for (const auto& entrada : entradas) {
        if (entrada.Tamanho > kZipMaximoDescompactado) {
            throw EZip(Formatar("Entrada '%s' do arquivo compactado com %d bytes, acima do limite de %d bytes.",
                                {entrada.Nome, static_cast<long long>(entrada.Tamanho),
                                 static_cast<long long>(kZipMaximoDescompactado)}));
        }
        if (entrada.Tamanho > 0 &&
            (entrada.TamanhoCompactado == 0 || entrada.Tamanho / entrada.TamanhoCompactado > kTaxaCompressaoMaxima)) {
            throw EZip(Formatar("Entrada '%s' do arquivo compactado com taxa de compressão acima de %d para 1.",
                                {entrada.Nome, static_cast<long long>(kTaxaCompressaoMaxima)}));
        }
        total += entrada.Tamanho;
        if (total > kZipMaximoDescompactado) {
            throw EZip(Formatar("Arquivo compactado com mais de %d bytes descompactados.",
                                {static_cast<long long>(kZipMaximoDescompactado)}));
        }
    }
}

std::string DescompactarArquivo(const std::string& zip, const std::string& pasta, const std::string& senha) {
    const std::string base = pasta.empty() ? PastaDe(zip) : pasta;
    try {
        TArquivoZip arquivo(zip, senha);
        VerificarLimites(arquivo);
        InteracaoAtual().MostrarDica("Aguarde, descompactando o arquivo...");
        const std::vector<std::string> escritos = arquivo.Extrair(base, "*.*");
        if (escritos.empty()) throw EZip("Arquivo compactado vazio.");
        return escritos.front();
    } catch (const EZip& falha) {
        throw EZip(Formatar("Erro ao descompactar arquivo '%s':\r%s", {zip, falha.what()}));
    }
}

}  // namespace zq
