#include "record-model/arquivos/Zip.h"

#include <zip.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"
#include "record-model/arquivos/Interacao.h"
#include "support/PastaTeste.h"

namespace zq {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono;
using teste::GravarArquivo;
using teste::LerArquivo;
using teste::PastaTeste;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

std::string Cp(const fs::path& caminho) { return CaminhoCp1252(caminho); }

std::vector<std::string> NomesNaPasta(const fs::path& pasta) {
    std::vector<std::string> nomes;
    for (const auto& entrada : fs::directory_iterator(pasta)) nomes.push_back(Cp(entrada.path().filename()));
    return nomes;
}

std::string MensagemZip(int codigo) {
    zip_error_t erro;
    zip_error_init_with_code(&erro, codigo);
    std::string mensagem = zip_error_strerror(&erro);
    zip_error_fini(&erro);
    return mensagem;
}

// 15/03/2016 10:20:30 on this machine's clock; even seconds survive the MS-DOS date-time.
constexpr local_seconds kDataHora = local_days{2016y / March / 15} + 10h + 20min + 30s;

void FixarDataHora(const fs::path& arquivo, local_seconds dataHora) {
    const year_month_day dia{floor<days>(dataHora)};
    const hh_mm_ss hora{dataHora - floor<days>(dataHora)};
    std::tm campos{};
    campos.tm_year = static_cast<int>(dia.year()) - 1900;
    campos.tm_mon = static_cast<int>(static_cast<unsigned>(dia.month())) - 1;
    campos.tm_mday = static_cast<int>(static_cast<unsigned>(dia.day()));
    campos.tm_hour = static_cast<int>(hora.hours().count());
    campos.tm_min = static_cast<int>(hora.minutes().count());
    campos.tm_sec = static_cast<int>(hora.seconds().count());
    campos.tm_isdst = -1;
    fs::last_write_time(arquivo, file_clock::from_sys(system_clock::from_time_t(std::mktime(&campos))));
}

// Declarations to pack: names with and without accents, one of them in a subfolder, one empty, one larger
// than the extraction's block.
class ArquivosParaCompactar : public testing::Test {
protected:
    void SetUp() override {
        std::string grande;
        for (int i = 0; i < 200000; ++i) grande += static_cast<char>((i * 7919) % 251);
        fs::create_directories(pasta / "origem" / "sub");
        Criar("origem/123456789.txt", "123456789");
        Criar("origem/sub/DECLARAÇÃO.txt", "10ZQ conteúdo\r\n");
        Criar("origem/vazio.txt", "");
        Criar("origem/grande.bin", grande);
    }

    void Criar(const std::string& nome, const std::string& conteudo) {
        const fs::path caminho = pasta / CaminhoNativo(nome);
        GravarArquivo(caminho, conteudo);
        FixarDataHora(caminho, kDataHora);
        lista.push_back(Cp(caminho));
        conteudos.push_back(conteudo);
    }

    std::string Zip() const { return Cp(pasta / "saida.zip"); }

    PastaTeste pasta;
    std::vector<std::string> lista;
    std::vector<std::string> conteudos;
    const std::vector<std::string> nomes{"123456789.txt", "DECLARAÇÃO.txt", "vazio.txt", "grande.bin"};
};

// Reads an archive with Python's zipfile: each entry must be encrypted or not as expected and, when
// encrypted, unreadable without the password. Writes entry i to <destino>/<i> and "name|date-time"
// lines (UTF-8) to <destino>/nomes.txt.
constexpr const char* kLeitorPython = R"(
import os, sys, zipfile
arquivo, destino, senha, cifrado = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4] == '1'
senha = None if senha == '-' else bytes.fromhex(senha)
with zipfile.ZipFile(arquivo) as z, open(os.path.join(destino, 'nomes.txt'), 'w', encoding='utf-8') as nomes:
    for i, info in enumerate(z.infolist()):
        if bool(info.flag_bits & 1) != cifrado:
            sys.exit('cifragem inesperada: ' + info.filename)
        if cifrado:
            try:
                z.read(info)
                sys.exit('lida sem senha: ' + info.filename)
            except RuntimeError:
                pass
        with open(os.path.join(destino, str(i)), 'wb') as saida:
            saida.write(z.read(info, pwd=senha))
        nomes.write('%s|%04d-%02d-%02d %02d:%02d:%02d\n' % ((info.filename,) + info.date_time))
)";

bool PythonDisponivel() { return std::system("python3 -c '' >/dev/null 2>&1") == 0; }

std::string Hexadecimal(const std::string& bytes) {
    std::string texto;
    for (unsigned char c : bytes) texto += "0123456789abcdef"[c >> 4], texto += "0123456789abcdef"[c & 15];
    return texto.empty() ? "-" : texto;
}

struct CasoSenha {
    std::string nome;
    std::string senha;
};

class CompactarComSenha : public ArquivosParaCompactar, public testing::WithParamInterface<CasoSenha> {};

TEST_P(CompactarComSenha, LeitorIndependenteLeComASenha) {
    if (!PythonDisponivel()) GTEST_SKIP() << "python3 ausente";
    CompactarArquivos(lista, Zip(), GetParam().senha);

    const fs::path script = pasta / "leitor.py";
    const fs::path lidos = pasta / "python";
    GravarArquivo(script, kLeitorPython);
    fs::create_directory(lidos);
    const std::string comando = "python3 '" + script.string() + "' '" + CaminhoNativo(Zip()).string() + "' '" +
                                lidos.string() + "' " + Hexadecimal(GetParam().senha) + " " +
                                (GetParam().senha.empty() ? "0" : "1");
    ASSERT_EQ(std::system(comando.c_str()), 0) << comando;

    std::istringstream linhas(LerArquivo(lidos / "nomes.txt"));
    std::vector<std::string> entradas;
    for (std::string linha; std::getline(linhas, linha);) entradas.push_back(Utf8ParaCp1252(linha));
    std::vector<std::string> esperadas;
    for (const auto& nome : nomes) esperadas.push_back(nome + "|2016-03-15 10:20:30");
    EXPECT_EQ(entradas, esperadas);
    for (std::size_t i = 0; i < conteudos.size(); ++i) {
        EXPECT_EQ(LerArquivo(lidos / std::to_string(i)), conteudos[i]) << nomes[i];
    }
}

TEST_P(CompactarComSenha, DescompactarDevolveOsArquivosComSuasDatas) {
    CompactarArquivos(lista, Zip(), GetParam().senha);
    const fs::path destino = pasta / "destino" / "novo";

    EXPECT_EQ(DescompactarArquivo(Zip(), Cp(destino), GetParam().senha), Cp(destino / "123456789.txt"));

    EXPECT_THAT(NomesNaPasta(destino), testing::UnorderedElementsAreArray(nomes));
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        const fs::path arquivo = destino / CaminhoNativo(nomes[i]);
        EXPECT_EQ(LerArquivo(arquivo), conteudos[i]) << nomes[i];
        EXPECT_EQ(fs::last_write_time(arquivo), fs::last_write_time(CaminhoNativo(lista[i]))) << nomes[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Senhas, CompactarComSenha,
                         testing::Values(CasoSenha{"SemSenha", ""}, CasoSenha{"Ascii", "K37WtpqN%&9"},
                                         CasoSenha{"Acentuada", "!%#&mavTek)(*çã"}),
                         [](const auto& caso) { return caso.param.nome; });

TEST_F(ArquivosParaCompactar, EntradasTrazemNomeCrcTamanhoEDataHora) {
    CompactarArquivos(lista, Zip(), "senha");
    const TArquivoZip arquivo(Zip(), "senha");
    const auto& entradas = arquivo.Entradas();
    ASSERT_EQ(entradas.size(), 4u);
    EXPECT_EQ(entradas[0].Nome, "123456789.txt");
    EXPECT_EQ(entradas[0].Crc32, 0xCBF43926u);  // the standard check value of CRC-32
    EXPECT_EQ(entradas[0].Tamanho, 9u);
    EXPECT_EQ(entradas[0].DataHora, kDataHora);
    EXPECT_EQ(entradas[1].Nome, "DECLARAÇÃO.txt");
    EXPECT_EQ(entradas[2].Tamanho, 0u);
    EXPECT_EQ(entradas[3].Tamanho, conteudos[3].size());
}

TEST_F(ArquivosParaCompactar, SemPastaDescompactaAoLadoDoArquivo) {
    CompactarArquivos(lista, Zip(), "");
    EXPECT_EQ(DescompactarArquivo(Zip(), "", ""), Cp(pasta / "123456789.txt"));
    EXPECT_EQ(LerArquivo(pasta / "grande.bin"), conteudos[3]);
}

TEST_F(ArquivosParaCompactar, ExtrairSoOsQueCombinamSubstituindoOsExistentes) {
    CompactarArquivos(lista, Zip(), "senha");
    fs::create_directory(pasta / "destino");
    GravarArquivo(pasta / "destino" / "123456789.txt", "arquivo mais novo que a entrada");

    TArquivoZip arquivo(Zip(), "senha");
    EXPECT_THAT(arquivo.Extrair(Cp(pasta / "destino"), "*.TXT"),
                ElementsAre(Cp(pasta / "destino" / "123456789.txt"), Cp(pasta / "destino" / "DECLARAÇÃO.txt"),
                            Cp(pasta / "destino" / "vazio.txt")));
    EXPECT_EQ(LerArquivo(pasta / "destino" / "123456789.txt"), "123456789");
    EXPECT_THAT(arquivo.Extrair(Cp(pasta / "destino"), "*.pdf"), testing::IsEmpty());
    EXPECT_EQ(NomesNaPasta(pasta / "destino").size(), 3u);
}

// Traditional encryption checks a password against one byte of the entry's header, so a wrong password
// passes that check once in 256 and then fails later. Takes one that the check rejects.
std::string SenhaRecusadaPeloCabecalho(const std::string& zip) {
    int codigo = 0;
    zip_t* arquivo = zip_open(CaminhoNativo(zip).string().c_str(), ZIP_RDONLY, &codigo);
    for (int i = 0;; ++i) {
        const std::string senha = "errada" + std::to_string(i);
        zip_file_t* entrada = zip_fopen_index_encrypted(arquivo, 0, 0, senha.c_str());
        if (entrada == nullptr && zip_error_code_zip(zip_get_error(arquivo)) == ZIP_ER_WRONGPASSWD) {
            zip_discard(arquivo);
            return senha;
        }
        if (entrada != nullptr) zip_fclose(entrada);
        zip_error_clear(arquivo);
    }
}

// Marks every entry of a ZIP (local and central headers) as under strong encryption, a method the library
// cannot decrypt.
void MarcarCriptografiaForte(const fs::path& zip) {
    std::string bytes = LerArquivo(zip);
    for (std::size_t i = 0; i + 10 <= bytes.size(); ++i) {
        if (bytes.compare(i, 4, "PK\x03\x04") == 0) bytes[i + 6] = static_cast<char>(bytes[i + 6] | 0x41);
        if (bytes.compare(i, 4, "PK\x01\x02") == 0) bytes[i + 8] = static_cast<char>(bytes[i + 8] | 0x41);
    }
    GravarArquivo(zip, bytes);
}

TEST_F(ArquivosParaCompactar, ErrosDeDescompactacaoTrazemAMensagemDaBiblioteca) {
    CompactarArquivos(lista, Zip(), "K37WtpqN%&9");
    GravarArquivo(pasta / "texto.zip", "isto não é um arquivo zip");
    // Refused without leaking what the library allocated for the entry (checked by the sanitizer build).
    CompactarArquivos(lista, Cp(pasta / "forte.zip"), "K37WtpqN%&9");
    MarcarCriptografiaForte(pasta / "forte.zip");
    GravarArquivo(pasta / "bomba.txt", std::string(std::size_t{32} << 20, '0'));
    CompactarArquivos({Cp(pasta / "bomba.txt")}, Cp(pasta / "bomba.zip"), "");
    const fs::path destino = pasta / "destino";

    struct Caso {
        std::string zip;
        std::string senha;
        std::string mensagem;
    };
    for (const auto& caso : {Caso{Zip(), SenhaRecusadaPeloCabecalho(Zip()), MensagemZip(ZIP_ER_WRONGPASSWD)},
                             Caso{Zip(), "", MensagemZip(ZIP_ER_NOPASSWD)},
                             Caso{Cp(pasta / "texto.zip"), "", MensagemZip(ZIP_ER_NOZIP)},
                             Caso{Cp(pasta / "forte.zip"), "K37WtpqN%&9", MensagemZip(ZIP_ER_ENCRNOTSUPP)},
                             Caso{Cp(pasta / "bomba.zip"), "",
                                  "Entrada 'bomba.txt' do arquivo compactado com taxa de compressão acima de 1000 para "
                                  "1."}}) {
        try {
            DescompactarArquivo(caso.zip, Cp(destino), caso.senha);
            ADD_FAILURE() << "sem exceção: " << caso.mensagem;
        } catch (const EZip& erro) {
            EXPECT_EQ(std::string(erro.what()), "Erro ao descompactar arquivo '" + caso.zip + "':\r" + caso.mensagem);
        }
        EXPECT_TRUE(!fs::exists(destino) || fs::is_empty(destino)) << caso.mensagem;
    }

    try {
        DescompactarArquivo(Cp(pasta / "ausente.zip"), Cp(destino), "");
        ADD_FAILURE() << "sem exceção";
    } catch (const EZip& erro) {
        EXPECT_EQ(std::string(erro.what()),
                  "Erro ao descompactar arquivo '" + Cp(pasta / "ausente.zip") + "':\r" + MensagemZip(ZIP_ER_NOENT));
    }
}

void CriarZip(const fs::path& caminho, const std::vector<std::string>& nomes) {
    int codigo = 0;
    zip_t* arquivo = zip_open(caminho.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &codigo);
    ASSERT_NE(arquivo, nullptr);
    for (const auto& nome : nomes) {
        if (nome.ends_with('/')) {
            ASSERT_GE(zip_dir_add(arquivo, nome.c_str(), ZIP_FL_ENC_RAW), 0) << nome;
            continue;
        }
        zip_source_t* fonte = zip_source_buffer(arquivo, nome.data(), nome.size(), 0);
        ASSERT_GE(zip_file_add(arquivo, nome.c_str(), fonte, ZIP_FL_ENC_RAW), 0) << nome;
    }
    ASSERT_EQ(zip_close(arquivo), 0);
}

TEST(DescompactarArquivo, NomesHostisFicamDentroDaPasta) {
    PastaTeste pasta;
    const std::vector<std::string> entradas{"../x1",  "/abs/x2", "C:\\x\\y3", "a/../../b4",
                                            "pasta/", "..",      "D:x5",      "../../../../../../../../tmp/zq-fora-da-pasta"};
    CriarZip(pasta / "hostil.zip", entradas);
    const fs::path destino = pasta / "um" / "alvo";

    EXPECT_EQ(DescompactarArquivo(Cp(pasta / "hostil.zip"), Cp(destino), ""), Cp(destino / "x1"));

    EXPECT_THAT(NomesNaPasta(destino), UnorderedElementsAre("x1", "x2", "y3", "b4", "x5", "zq-fora-da-pasta"));
    EXPECT_EQ(LerArquivo(destino / "y3"), "C:\\x\\y3");
    EXPECT_EQ(LerArquivo(destino / "b4"), "a/../../b4");
    EXPECT_THAT(NomesNaPasta(pasta.Caminho()), UnorderedElementsAre("hostil.zip", "um"));
    EXPECT_THAT(NomesNaPasta(pasta / "um"), ElementsAre("alvo"));
    EXPECT_FALSE(fs::exists("/tmp/zq-fora-da-pasta"));
}

TEST(DescompactarArquivo, ArquivoSemArquivosEErro) {
    PastaTeste pasta;
    CriarZip(pasta / "so-pastas.zip", {"pasta/", "outra/"});
    EXPECT_THROW(DescompactarArquivo(Cp(pasta / "so-pastas.zip"), Cp(pasta / "alvo"), ""), EZip);
}

class CompactarFalhando : public ArquivosParaCompactar {
protected:
    void EsperarFalhaSemRastro(const std::vector<std::string>& arquivos, const std::string& zip,
                               const std::string& mensagem) {
        const auto antes = NomesNaPasta(pasta.Caminho());
        try {
            CompactarArquivos(arquivos, zip, "senha");
            ADD_FAILURE() << "sem exceção";
        } catch (const EZip& erro) {
            EXPECT_THAT(erro.what(), testing::StartsWith(mensagem));
        }
        EXPECT_THAT(NomesNaPasta(pasta.Caminho()), testing::UnorderedElementsAreArray(antes));
    }
};

TEST_F(CompactarFalhando, ArquivoAusenteNaoEstragaOArquivoExistente) {
    GravarArquivo(pasta / "saida.zip", "arquivo anterior");
    lista.push_back(Cp(pasta / "ausente.txt"));
    EsperarFalhaSemRastro(lista, Zip(), MensagemZip(ZIP_ER_READ));
    EXPECT_EQ(LerArquivo(pasta / "saida.zip"), "arquivo anterior");
}

TEST_F(CompactarFalhando, NomesRepetidosOuListaVazia) {
    Criar("origem/sub/123456789.txt", "outro");
    EsperarFalhaSemRastro({lista.front(), lista.back()}, Zip(), MensagemZip(ZIP_ER_EXISTS));
    EsperarFalhaSemRastro({}, Zip(), "Nenhum arquivo para compactar.");
}

TEST_F(CompactarFalhando, PastaDoArquivoNaoECriada) {
    EsperarFalhaSemRastro(lista, Cp(pasta / "ausente" / "saida.zip"), "");
    EXPECT_FALSE(fs::exists(pasta / "ausente"));
}

class InteracaoGravada : public TInteracao {
public:
    void MostrarDica(const std::string& dica) override { dicas.push_back(dica); }
    std::vector<std::string> dicas;
};

TEST_F(ArquivosParaCompactar, DicasAoUsuario) {
    InteracaoGravada interacao;
    DefinirInteracao(&interacao);
    CompactarArquivos(lista, Zip(), "");
    DescompactarArquivo(Zip(), Cp(pasta / "destino"), "");
    DefinirInteracao(nullptr);
    EXPECT_THAT(interacao.dicas, ElementsAre("Compactando arquivos no arquivo 'saida.zip'...",
                                             "Aguarde, descompactando o arquivo..."));
}

}  // namespace
}  // namespace zq
