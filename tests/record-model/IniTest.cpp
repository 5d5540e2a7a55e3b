#include "record-model/arquivos/Ini.h"

#include <gtest/gtest.h>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "support/PastaTeste.h"

namespace zq {
namespace {
namespace fs = std::filesystem;
using teste::GravarArquivo;
using teste::LerArquivo;
using teste::PastaTeste;

class ArquivoIni : public testing::Test {
protected:
    std::string Caminho() const { return CaminhoCp1252(pasta / "ValidadorXraZQ.ini"); }

    PastaTeste pasta;
};

TEST_F(ArquivoIni, GravaELeDeVolta) {
    {
        TArquivoIni ini(Caminho());
        ini.Gravar("Config", "PastaSintegra", "C:\\Mídias\\");
        ini.Gravar("Config", "NomeArqInternet", "*.sfn");
        ini.Gravar("Outra", "Chave", "valor");
        ini.Gravar("Config", "PastaSintegra", "D:\\");
    }
    EXPECT_EQ(LerArquivo(pasta / "ValidadorXraZQ.ini"),
              "[Config]\r\nPastaSintegra=D:\\\r\nNomeArqInternet=*.sfn\r\n\r\n[Outra]\r\nChave=valor\r\n");

    const TArquivoIni ini(Caminho());
    EXPECT_EQ(ini.Ler("Config", "PastaSintegra", "A:\\"), "D:\\");
    EXPECT_EQ(ini.Ler("config", "NOMEARQINTERNET", ""), "*.sfn");
    EXPECT_EQ(ini.Ler("Config", "ValidadorSintegra", "padrão"), "padrão");
    EXPECT_EQ(ini.Ler("Ausente", "Chave", "padrão"), "padrão");
}

TEST_F(ArquivoIni, ArquivoAusenteDaOsPadroes) {
    const TArquivoIni ini(Caminho());
    EXPECT_EQ(ini.Ler("Config", "PastaColetoria", "A:\\"), "A:\\");
    EXPECT_FALSE(fs::exists(pasta / "ValidadorXraZQ.ini"));
}

TEST_F(ArquivoIni, LeArquivoEscritoAMaoEPreservaSeuConteudo) {
    GravarArquivo(pasta / "ValidadorXraZQ.ini",
                  "; configuração\n[ Config ]\n  PastaSintegra = \"C:\\Meus Arquivos\\\" \n;Chave=comentada\n"
                  "Vazia=\n\n[Depois]\nX=1\n");
    TArquivoIni ini(Caminho());
    EXPECT_EQ(ini.Ler("Config", "PastaSintegra", ""), "C:\\Meus Arquivos\\");
    EXPECT_EQ(ini.Ler("Config", "Vazia", "padrão"), "");
    EXPECT_EQ(ini.Ler("Config", ";Chave", "padrão"), "padrão");
    EXPECT_EQ(ini.Ler("Depois", "X", ""), "1");

    ini.Gravar("Config", "Nova", "n");
    EXPECT_EQ(LerArquivo(pasta / "ValidadorXraZQ.ini"),
              "; configuração\r\n[ Config ]\r\n  PastaSintegra = \"C:\\Meus Arquivos\\\" \r\n;Chave=comentada\r\n"
              "Vazia=\r\nNova=n\r\n\r\n[Depois]\r\nX=1\r\n");
}

TEST_F(ArquivoIni, FalhaDeGravacaoNaoMudaNada) {
    const std::string caminho = CaminhoCp1252(pasta / "ausente" / "x.ini");
    TArquivoIni ini(caminho);
    try {
        ini.Gravar("Config", "Chave", "valor");
        FAIL() << "sem exceção";
    } catch (const EArquivo& erro) {
        EXPECT_EQ(std::string(erro.what()), "Não foi possível gravar o arquivo '" + caminho + "'.");
    }
    EXPECT_EQ(ini.Ler("Config", "Chave", "padrão"), "padrão");
}

TEST_F(ArquivoIni, IniDoProgramaIdaEVolta) {
    DefinirCaminhoIni(Caminho());
    EXPECT_EQ(LerIni("Config", "PastaSintegra", "A:\\"), "A:\\");
    GravarIni("Config", "PastaSintegra", "C:\\Mídias\\");
    EXPECT_EQ(LerIni("Config", "PastaSintegra", "A:\\"), "C:\\Mídias\\");
    EXPECT_EQ(TArquivoIni(Caminho()).Ler("Config", "PastaSintegra", ""), "C:\\Mídias\\");
}

TEST_F(ArquivoIni, ObjetoCompartilhadoViveEnquantoHouverUso) {
    DefinirCaminhoIni(Caminho());
    GravarIni("Config", "Chave", "1");
    {
        const TUsoIni uso;
        EXPECT_EQ(&uso.Ini(), &TUsoIni().Ini());
        GravarArquivo(pasta / "ValidadorXraZQ.ini", "[Config]\r\nChave=2\r\n");
        EXPECT_EQ(LerIni("Config", "Chave", ""), "1");  // the object opened by `uso` serves the call
    }
    EXPECT_EQ(LerIni("Config", "Chave", ""), "2");  // freed with the last use, opened again
}

}  // namespace
}  // namespace zq
