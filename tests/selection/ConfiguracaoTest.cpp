// The program's configuration and its work folder.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Ini.h"
#include "selection/configuracao/ConfigValidadorXra.h"
#include "support/PastaTeste.h"
#include "support/PlataformaTeste.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

class Configuracao : public testing::Test {
protected:
    Configuracao() : plataforma_(temporaria_.Caminho(), programa_ / "ValidadorXraZQ") {
        DefinirCaminhoIni(CaminhoCp1252(Ini()));
    }

    fs::path Ini() const { return programa_ / "ValidadorXraZQ.ini"; }
    std::size_t PastasDeTrabalho() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(temporaria_.Caminho()), fs::directory_iterator()));
    }

    PastaTeste temporaria_;
    PastaTeste programa_;
    PlataformaTeste plataforma_;
};

TEST_F(Configuracao, PrimeiraExecucaoSemIniTomaOsPadroesEGravaAsCincoChavesAoFim) {
    {
        const TConfigValidadorXra configuracao;
        EXPECT_EQ(configuracao.PastaColetoria, "A:\\");
        EXPECT_EQ(configuracao.PastaSintegra, "A:\\");
        EXPECT_EQ(configuracao.NomeArqInternet, "*.sfn");
        EXPECT_EQ(configuracao.ValidadorSintegra, "");
        EXPECT_EQ(configuracao.NomeArqRecibosColetoria, "A:\\*.zip");
    }
    const TArquivoIni ini(CaminhoCp1252(Ini()));
    for (const char* chave : {"PastaColetoria", "PastaSintegra", "NomeArqInternet", "ValidadorSintegra",
                              "NomeArqRecibosColetoria"}) {
        EXPECT_NE(ini.Ler("Config", chave, "<ausente>"), "<ausente>") << chave;
    }
    EXPECT_EQ(ini.Ler("Config", "NomeArqInternet", ""), "*.sfn");
}

TEST_F(Configuracao, PastasLidasDoIniTerminamEmSeparador) {
    GravarArquivo(Ini(), "[Config]\r\nPastaSintegra=C\r\nPastaColetoria=/dados/gim\r\nValidadorSintegra=/opt/v/V2018\r\n");
    const TConfigValidadorXra configuracao;
    EXPECT_EQ(configuracao.PastaSintegra, "C:\\");
    EXPECT_EQ(configuracao.PastaColetoria, "/dados/gim/");
    EXPECT_EQ(configuracao.ValidadorSintegra, "/opt/v/V2018");
}

TEST(NormalizarPastaConfig, Casos) {
    EXPECT_EQ(NormalizarPastaConfig(""), "");
    EXPECT_EQ(NormalizarPastaConfig("C"), "C:\\");
    EXPECT_EQ(NormalizarPastaConfig("D:"), "D:");
    EXPECT_EQ(NormalizarPastaConfig("C:\\dados\\"), "C:\\dados\\");
    EXPECT_EQ(NormalizarPastaConfig("/dados/"), "/dados/");
    EXPECT_EQ(NormalizarPastaConfig("/dados"), "/dados/");
}

TEST_F(Configuracao, CadaExecucaoTemSuaPastaDeTrabalhoRemovidaAoFim) {
    auto primeira = std::make_unique<TConfigValidadorXra>();
    const TConfigValidadorXra segunda;
    EXPECT_NE(primeira->PastaTrabalho(), segunda.PastaTrabalho());
    EXPECT_TRUE(primeira->PastaTrabalho().starts_with(CaminhoCp1252(temporaria_.Caminho() / "ValidadorXraZQ-")));
    const fs::path pastaSegunda = CaminhoNativo(segunda.PastaTrabalho());
    GravarArquivo(pastaSegunda / "arquivo.txt", "x");
    fs::create_directories(CaminhoNativo(primeira->PastaTrabalho()) / "Zip" / "Sintegra");
    EXPECT_EQ(PastasDeTrabalho(), 2u);

    primeira.reset();
    EXPECT_EQ(PastasDeTrabalho(), 1u);
    EXPECT_TRUE(fs::exists(pastaSegunda / "arquivo.txt"));
}

// A run ended by a signal removes its work folder and still dies of that signal.
TEST_F(Configuracao, SinalDeTerminoRemoveAPastaDeTrabalho) {
    for (int sinal : {SIGTERM, SIGINT, SIGHUP}) {
        int canal[2];
        ASSERT_EQ(pipe(canal), 0);
        const pid_t filho = fork();
        if (filho == 0) {
            close(canal[0]);
            TConfigValidadorXra configuracao;
            fs::create_directories(CaminhoNativo(configuracao.PastaTrabalho()) / "Zip" / "Sintegra" / "Txt");
            GravarArquivo(CaminhoNativo(configuracao.PastaTrabalho()) / "Zip" / "Sintegra" / "Txt" / "a.txt", "x");
            const char pronto = 1;
            static_cast<void>(write(canal[1], &pronto, 1));
            pause();
            _exit(0);
        }
        close(canal[1]);
        char pronto = 0;
        ASSERT_EQ(read(canal[0], &pronto, 1), 1);
        close(canal[0]);
        EXPECT_EQ(PastasDeTrabalho(), 1u);
        kill(filho, sinal);
        int estado = 0;
        waitpid(filho, &estado, 0);
        EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == sinal) << sinal;
        EXPECT_EQ(PastasDeTrabalho(), 0u) << sinal;
    }
}

}  // namespace
}  // namespace zq
