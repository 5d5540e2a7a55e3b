#include "record-model/arquivos/Arquivos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "platform/Plataforma.h"
#include "support/PastaTeste.h"

namespace zq {
namespace {
namespace fs = std::filesystem;
using teste::GravarArquivo;
using teste::LerArquivo;
using teste::PastaTeste;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

std::string Cp(const fs::path& caminho) { return CaminhoCp1252(caminho); }

struct CasoBarra {
    std::string pasta;
    char barra;
    std::string incluida;
    std::string excluida;
};

class Barras : public testing::TestWithParam<CasoBarra> {};

TEST_P(Barras, IncluirEExcluir) {
    EXPECT_EQ(IncluirBarra(GetParam().pasta, GetParam().barra), GetParam().incluida);
    EXPECT_EQ(ExcluirBarra(GetParam().pasta, GetParam().barra), GetParam().excluida);
}

INSTANTIATE_TEST_SUITE_P(Pastas, Barras,
                         testing::Values(CasoBarra{"", '\\', "", ""},
                                         CasoBarra{"C", '\\', "C:\\", "C:"},
                                         CasoBarra{"C:\\", '\\', "C:\\", "C:"},
                                         CasoBarra{"C:\\Mídias", '\\', "C:\\Mídias\\", "C:\\Mídias"},
                                         CasoBarra{"C:\\Mídias\\", '\\', "C:\\Mídias\\", "C:\\Mídias"},
                                         CasoBarra{"/", '/', "/", "/"},
                                         CasoBarra{"/tmp", '/', "/tmp/", "/tmp"},
                                         CasoBarra{"/tmp/", '/', "/tmp/", "/tmp"},
                                         CasoBarra{"a", '/', "a/", "a"}));

TEST(IsPontoOuPontoPonto, SoPontoEPontoPonto) {
    EXPECT_TRUE(IsPontoOuPontoPonto("."));
    EXPECT_TRUE(IsPontoOuPontoPonto(".."));
    EXPECT_FALSE(IsPontoOuPontoPonto("..."));
    EXPECT_FALSE(IsPontoOuPontoPonto(".txt"));
}

struct CasoMascara {
    std::string nome;
    std::string mascara;
    bool combina;
};

class Mascaras : public testing::TestWithParam<CasoMascara> {};

TEST_P(Mascaras, Combina) {
    EXPECT_EQ(CombinaComMascara(GetParam().nome, GetParam().mascara), GetParam().combina)
        << GetParam().nome << " / " << GetParam().mascara;
}

INSTANTIATE_TEST_SUITE_P(Curingas, Mascaras,
                         testing::Values(CasoMascara{"a.txt", "*.*", true},
                                         CasoMascara{"LEIAME", "*.*", true},
                                         CasoMascara{"abc", "a*.*", true},
                                         CasoMascara{"x.tar.gz", "*.*", true},
                                         CasoMascara{"MIDIA.ZIP", "*.zip", true},
                                         CasoMascara{"midia.zip.bak", "*.zip", false},
                                         CasoMascara{"midiazip", "*.zip", false},
                                         CasoMascara{"resumo.cfop", "*.CFOP", true},
                                         CasoMascara{"DECLARAÇÃO.TXT", "declaração.txt", true},
                                         CasoMascara{"ab", "a?", true},
                                         CasoMascara{"a", "a?", false},
                                         CasoMascara{"recibo 01.pdf", "r*0?.pdf", true},
                                         CasoMascara{"aXbXc", "a*b*c", true},
                                         CasoMascara{"aXbXd", "a*b*c", false}));

class PastaComArquivos : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(pasta / "sub" / "fundo");
        for (const char* nome : {"a.zip", "b.ZIP", "c.txt", "sub/d.zip", "sub/fundo/e.zip"}) {
            GravarArquivo(pasta / nome, nome);
        }
    }

    std::string Pasta() const { return Cp(pasta.Caminho()); }
    std::string Em(const std::string& nome) const { return Cp(pasta / nome); }

    PastaTeste pasta;
};

TEST_F(PastaComArquivos, ListarSoNomesOuCaminhosCompletos) {
    std::vector<std::string> nomes{"já na lista"};
    ListarArquivos(Pasta(), "*.zip", nomes, false, true, false);
    EXPECT_THAT(nomes, UnorderedElementsAre("já na lista", "a.zip", "b.ZIP"));
    EXPECT_EQ(nomes.front(), "já na lista");

    std::vector<std::string> caminhos;
    ListarArquivos(IncluirBarra(Pasta()), "*.zip", caminhos, true, true, false);
    EXPECT_THAT(caminhos, UnorderedElementsAre(Em("a.zip"), Em("b.ZIP")));
}

TEST_F(PastaComArquivos, ListarRecursivoPoeSubpastasAntes) {
    std::vector<std::string> lista;
    ListarArquivos(Pasta(), "*.zip", lista, false, true, true);
    ASSERT_EQ(lista.size(), 4u);
    EXPECT_THAT(std::vector(lista.begin(), lista.begin() + 2),
                ElementsAre(Em("sub/fundo/e.zip"), Em("sub/d.zip")));
    EXPECT_THAT(std::vector(lista.begin() + 2, lista.end()), UnorderedElementsAre(Em("a.zip"), Em("b.ZIP")));
}

TEST_F(PastaComArquivos, PastaInexistente) {
    const std::string ausente = Em("ausente");
    std::vector<std::string> lista;
    EXPECT_NO_THROW(ListarArquivos(ausente, "*.*", lista, true, false, true));
    EXPECT_TRUE(lista.empty());
    EXPECT_NO_THROW(ApagarPasta(ausente, false));

    for (const auto& chamada : std::vector<std::function<void()>>{
             [&] { ListarArquivos(ausente + kBarraPasta, "*.*", lista, true, true, false); },
             [&] { ApagarPasta(ausente + kBarraPasta, true); }}) {
        try {
            chamada();
            ADD_FAILURE() << "sem exceção";
        } catch (const EArquivo& erro) {
            EXPECT_EQ(std::string(erro.what()), "Diretório inexistente:\r" + ausente);
        }
    }
}

struct CasoApagar {
    std::vector<std::string> arquivos;
    std::string mascara;
    bool resultado;
    std::vector<std::string> restantes;
};

class ApagarArquivosCasos : public testing::TestWithParam<CasoApagar> {};

TEST_P(ApagarArquivosCasos, ApagaOsQueCombinam) {
    PastaTeste pasta;
    fs::create_directory(pasta / "subpasta");
    for (const auto& nome : GetParam().arquivos) GravarArquivo(pasta / nome, "x");

    EXPECT_EQ(ApagarArquivos(Cp(pasta.Caminho()), GetParam().mascara), GetParam().resultado);

    std::vector<std::string> restantes;
    ListarArquivos(Cp(pasta.Caminho()), "*.*", restantes, false, true, false);
    EXPECT_THAT(restantes, testing::UnorderedElementsAreArray(GetParam().restantes));
    EXPECT_TRUE(fs::is_directory(pasta / "subpasta"));
}

INSTANTIATE_TEST_SUITE_P(
    Mascaras, ApagarArquivosCasos,
    testing::Values(CasoApagar{{"a.cfop", "b.CFOP", "decl.txt"}, "*.cfop", false, {"decl.txt"}},
                    CasoApagar{{"a.cfop", "b.cfop"}, "*.cfop", true, {}},
                    CasoApagar{{"decl.txt"}, "*.cfop", true, {"decl.txt"}},
                    CasoApagar{{}, "*.*", true, {}},
                    CasoApagar{{"Validacao.resumo", "decl.txt"}, "*.*", true, {}}));

TEST(ApagarArquivos, PastaInexistenteNaoTemNadaAApagar) { EXPECT_TRUE(ApagarArquivos("/nao/existe/zq", "*.*")); }

TEST_F(PastaComArquivos, ApagarPastaNaoDeixaNada) {
    ApagarPasta(Pasta(), true);
    EXPECT_FALSE(fs::exists(pasta.Caminho()));
}

TEST(ApagarPasta, PastaLigadaNaoEEsvaziada) {
    PastaTeste pasta;
    fs::create_directories(pasta / "alheia");
    GravarArquivo(pasta / "alheia" / "guardar.txt", "x");
    fs::create_directories(pasta / "trabalho");
    fs::create_directory_symlink(pasta / "alheia", pasta / "trabalho" / "ligacao");

    ApagarPasta(Cp(pasta / "trabalho"), true);

    EXPECT_FALSE(fs::exists(pasta / "trabalho"));
    EXPECT_EQ(LerArquivo(pasta / "alheia" / "guardar.txt"), "x");
}

struct CasoNomeLivre {
    int ocupados;
    std::string esperado;
};

class NomeLivreCasos : public testing::TestWithParam<CasoNomeLivre> {};

TEST_P(NomeLivreCasos, PrimeiroNumeroSemArquivo) {
    PastaTeste pasta;
    const std::string formato = "2015-12_123456789_31_%.2d.txt";
    for (int i = 0; i < GetParam().ocupados; ++i) {
        char nome[64];
        std::snprintf(nome, sizeof nome, "2015-12_123456789_31_%02d.txt", i);
        GravarArquivo(pasta / nome, "");
    }
    EXPECT_EQ(NomeLivre(Cp(pasta.Caminho()), formato), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Ocupacao, NomeLivreCasos,
                         testing::Values(CasoNomeLivre{0, "2015-12_123456789_31_00.txt"},
                                         CasoNomeLivre{2, "2015-12_123456789_31_02.txt"},
                                         CasoNomeLivre{100, "2015-12_123456789_31_100.txt"}));

TEST(NomeLivre, PastaComOMesmoNomeOcupaONome) {
    PastaTeste pasta;
    fs::create_directory(pasta / "x_00.txt");
    EXPECT_EQ(NomeLivre(Cp(pasta.Caminho()), "x_%.2d.txt"), "x_01.txt");
}

TEST(NomeLivre, PadraoSemNumeroOcupadoFalhaEmVezDeRepetir) {
    PastaTeste pasta;
    GravarArquivo(pasta / "fixo.txt", "");
    EXPECT_THROW(NomeLivre(Cp(pasta.Caminho()), "fixo.txt"), EArquivo);
}

TEST(GravacaoSegura, SoApareceNoDestinoQuandoConfirmada) {
    PastaTeste pasta;
    const fs::path destino = pasta / "dados.txt";
    GravarArquivo(destino, "antigo");
    {
        TGravacaoSegura abandonada(Cp(destino));
        GravarArquivo(abandonada.Temporario(), "pela metade");
    }
    EXPECT_EQ(LerArquivo(destino), "antigo");
    {
        TGravacaoSegura gravacao(Cp(destino));
        EXPECT_EQ(gravacao.Temporario().parent_path(), pasta.Caminho());
        GravarArquivo(gravacao.Temporario(), "novo");
        gravacao.Confirmar();
    }
    EXPECT_EQ(LerArquivo(destino), "novo");
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta.Caminho()), fs::directory_iterator()), 1);
}

TEST(GravacaoSegura, DestinoEmPastaInexistenteFalhaComMensagem) {
    PastaTeste pasta;
    const std::string destino = Cp(pasta / "ausente" / "dados.txt");
    TGravacaoSegura gravacao(destino);
    try {
        gravacao.Confirmar();
        FAIL() << "sem exceção";
    } catch (const EArquivo& erro) {
        EXPECT_EQ(std::string(erro.what()), "Não foi possível gravar o arquivo '" + destino + "'.");
    }
}

}  // namespace
}  // namespace zq
