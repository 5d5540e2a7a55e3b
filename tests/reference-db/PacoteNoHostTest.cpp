// The package as the critique finds it beside the host: how it opens, and how each broken package ends in a
// report of the call instead of a crash, with nothing of the unpacked database left behind.

#include <gmock/gmock.h>
#include <functional>
#include <gtest/gtest.h>

#include "record-model/arquivos/Zip.h"
#include "reference-db/ArqBanco.h"
#include "reference-db/CifraDeslocamento.h"
#include "reference-db/PacoteMorvanta.h"
#include "reference-db/PacoteTeste.h"
#include "support/DeclaracaoMensal.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

constexpr const char* kErroDoModelo =
    "Erro ao processar crítica específica (Registro 0 - Linha do arquivo: 0 - Criando modelo de dados): Erro ao "
    "tentar criar o modelo de dados. Mensagem: ";

class PacoteNoHostTest : public HostComPacoteTest {
protected:
    // A package whose ZIP holds `arquivo` under the password given, shifted by the package's cipher.
    void EmpacotarArquivo(const std::filesystem::path& arquivo, const std::string& senha) {
        const auto zip = pasta_ / "pacote.zip";
        CompactarArquivos({arquivo.string()}, zip.string(), senha);
        CifraDeslocamento(kChaveCifra).Cifrar(zip);
        std::filesystem::copy_file(zip, Pacote(), std::filesystem::copy_options::overwrite_existing);
    }
    // The database file of a good package, unpacked into the test's folder.
    std::filesystem::path BancoValido() {
        Empacotar(DadosReferencia{});
        const TArqBanco arquivo(Pacote(), pasta_.Caminho(), "teste", kNomeBaseBanco, kSenhaZip);
        const auto banco = pasta_ / kNomeArquivoBanco;
        std::filesystem::copy_file(arquivo.ArquivoBanco(), banco);
        return banco;
    }

    std::string CriticarExemplo() { return CriticarNaPasta(DeclaracaoMensal{}.Linhas()); }
};

TEST_F(PacoteNoHostTest, PacoteDeslocadoPor13AbreEACriticaTerminaSemMensagens) {
    Empacotar(DadosReferencia{});
    const std::string relatorio = CriticarExemplo();
    EXPECT_EQ(ResultadoNaPasta(), 0) << relatorio;
    EXPECT_THAT(RestosTemporarios(), testing::IsEmpty());
}

TEST_F(PacoteNoHostTest, PacoteComOutroDeslocamentoDaOErroDeDescompactacao) {
    for (const int deslocamentoExtra : {1, 255}) {
        Empacotar(DadosReferencia{});
        std::string bytes = LerArquivo(Pacote());
        for (char& byte : bytes) byte = static_cast<char>(static_cast<unsigned char>(byte) + deslocamentoExtra);
        GravarArquivo(Pacote(), bytes);

        const std::string relatorio = CriticarExemplo();
        EXPECT_EQ(ResultadoNaPasta(), 2);
        EXPECT_THAT(relatorio, HasSubstr(std::string(kErroDoModelo) + "Erro ao descompactar arquivo '"));
        EXPECT_THAT(RestosTemporarios(), testing::IsEmpty());
    }
}

TEST_F(PacoteNoHostTest, PacoteAusenteDaONaoLocalizadoComOCaminho) {
    const std::string relatorio = CriticarExemplo();
    EXPECT_EQ(ResultadoNaPasta(), 2);
    EXPECT_THAT(relatorio, HasSubstr(std::string(kErroDoModelo) + "Arquivo " + Pacote().string() +
                                     " não localizado."));
    EXPECT_THAT(RestosTemporarios(), testing::IsEmpty());
}

TEST_F(PacoteNoHostTest, CadaTabelaAusenteDaSuaMensagemDeAbertura) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"municipio", "Erro ao tentar abrir a tabela dos municípios. Mensagem: "},
        {"IDContribuinte", "Erro ao tentar abrir a tabela dos contribuintes. Mensagem: "},
        {"datahoraatualizacao", "Erro ao tentar abrir a tabela de atualização. Mensagem: "},
        {"ContribCriticaICMSReg50Especial",
         "Erro ao tentar abrir a tabela de contribuinte crítica especial registro 50. Mensagem: "},
        {"contribuinteSPED", "Erro ao tentar abrir a tabela de contribuintes do SPED. Mensagem: "},
        {"validadedadosEFD", "Erro ao tentar abrir a tabela validadedadosEFD do SPED. Mensagem: "},
        {"contribuinteEntregaNormal", "Erro ao tentar abrir a tabela contribuinteEntregaNormal. Mensagem: "},
    };
    for (const auto& [tabela, mensagem] : casos) {
        SCOPED_TRACE(tabela);
        DadosReferencia dados;
        dados.esquema = EsquemaSem(dados.esquema, tabela);
        dados.linhas.erase(tabela);
        Empacotar(dados);

        const std::string relatorio = CriticarExemplo();
        EXPECT_EQ(ResultadoNaPasta(), 2);
        EXPECT_THAT(relatorio, HasSubstr("Abrindo tabelas): " + mensagem + "no such table: " + tabela));
        EXPECT_THAT(RestosTemporarios(), testing::IsEmpty());
    }
}

TEST_F(PacoteNoHostTest, PacotesDanificadosTerminamEmRelatorio) {
    struct Caso {
        const char* nome;
        std::function<void()> preparar;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"senha do ZIP errada", [&] { EmpacotarArquivo(BancoValido(), "outra senha"); },
         std::string(kErroDoModelo) + "Erro ao descompactar arquivo '"},
        {"banco que não é SQLite",
         [&] {
             GravarArquivo(pasta_ / kNomeArquivoBanco, std::string(4096, 'x'));
             EmpacotarArquivo(pasta_ / kNomeArquivoBanco, kSenhaZip);
         },
         "Realizando conexão): Não foi possível realizar a conexão com a Base de Dados. Provavelmente a instalação "
         "da MorVanta não ocorreu com sucesso. Por favor, instale-a novamente."},
        {"pacote cortado ao meio",
         [&] {
             Empacotar(DadosReferencia{});
             const std::string bytes = LerArquivo(Pacote());
             GravarArquivo(Pacote(), bytes.substr(0, bytes.size() / 2));
         },
         std::string(kErroDoModelo) + "Erro ao descompactar arquivo '"},
        {"pacote vazio", [&] { GravarArquivo(Pacote(), ""); }, std::string(kErroDoModelo) + "Erro ao descompactar"},
        {"bytes trocados no meio",
         [&] {
             Empacotar(DadosReferencia{});
             std::string bytes = LerArquivo(Pacote());
             for (std::size_t i = bytes.size() / 3; i < bytes.size() / 3 + 64; ++i) bytes[i] = static_cast<char>(~bytes[i]);
             GravarArquivo(Pacote(), bytes);
         },
         "Erro ao processar crítica específica (Registro 0 - Linha do arquivo: 0 - "},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        std::filesystem::remove(Pacote());
        std::filesystem::remove(pasta_ / kNomeArquivoBanco);
        caso.preparar();

        const std::string relatorio = CriticarExemplo();
        EXPECT_EQ(ResultadoNaPasta(), 2);
        EXPECT_THAT(relatorio, HasSubstr(caso.esperado));
        EXPECT_THAT(RestosTemporarios(), testing::IsEmpty());
    }
}

// Each call unpacks into a folder of its own: neither removes the other's database while it reads it.
TEST_F(PacoteNoHostTest, DuasCriticasAoMesmoTempoNaMesmaPastaTerminamComSeusRelatorios) {
    Empacotar(DadosReferencia{});
    DeclaracaoMensal limpa;
    DeclaracaoMensal comMunicipioDesconhecido;
    comMunicipioDesconhecido.gim.insert(comMunicipioDesconhecido.gim.end() - 1,
                                        "8829" + std::string("99999") + Digitos(1000, 13));
    GravarArquivo(pasta_ / "limpa.txt", limpa.Texto());
    GravarArquivo(pasta_ / "municipio.txt", comMunicipioDesconhecido.Texto());

    const auto host = (pastaHost_ / "ValidadorSintegra2018").string();
    const auto caminho = [&](const std::string& nome) { return "'" + (pasta_ / nome).string() + "'"; };
    std::string comando = "export ASAN_OPTIONS=detect_leaks=0; ";
    for (int vez = 0; vez < 4; ++vez) {
        for (const std::string declaracao : {"limpa", "municipio"}) {
            const std::string saida = declaracao + std::to_string(vez);
            comando += "('" + host + "' " + caminho(declaracao + ".txt") + " " + caminho(saida + ".rel") +
                       " 2>/dev/null; echo $? > " + caminho(saida + ".rc") + ") & ";
        }
    }
    comando += "wait";
    ASSERT_EQ(std::system(comando.c_str()), 0);

    for (int vez = 0; vez < 4; ++vez) {
        const std::string n = std::to_string(vez);
        SCOPED_TRACE(vez);
        EXPECT_EQ(LerArquivo(pasta_ / ("limpa" + n + ".rc")), "0\n") << LerArquivo(pasta_ / ("limpa" + n + ".rel"));
        EXPECT_EQ(LerArquivo(pasta_ / ("municipio" + n + ".rc")), "2\n");
        const std::string relatorio = LerArquivo(pasta_ / ("municipio" + n + ".rel"));
        EXPECT_THAT(relatorio, HasSubstr("O código do município informado 99999 não está na entre os códigos"));
        EXPECT_THAT(relatorio, Not(HasSubstr("Erro ao processar")));
    }
    EXPECT_THAT(RestosTemporarios(), testing::IsEmpty());
}

}  // namespace
}  // namespace zq::teste
