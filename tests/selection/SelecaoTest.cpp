// The selection filter and the reasons of the declarations left out, through the command line, with today
// fixed at 15/06/2018.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "selection/Declaracoes.h"
#include "selection/Xrazq.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

const std::string kTipoErrado = "Declaração não é do tipo selecionado para a transmissão";
const std::string kPeriodo = "Período não é igual ao selecionado para a transmissão";
const std::string kEPeriodo = " e o período não é igual ao selecionado para a transmissão";
const std::string kEFinalidade = " e a finalidade não é igual a selecionada para a transmissão";
const std::string kRegime = "O regime não é igual ao selecionado para a transmissão";
const std::string kERegime = " e o regime não é igual ao selecionado para a transmissão";

// One declaration of each kind, two of them later than today.
class Selecao : public testing::Test {
protected:
    void SetUp() override {
        Incluir("a.zip", {.inscricao = "161111110", .periodo = "201512"});
        Incluir("b.zip", {.inscricao = "162222220", .periodo = "201512", .regime = Regime::Simples});
        Incluir("c.zip", {.inscricao = "163333330", .periodo = "201401", .finalidade = '2', .regime = Regime::DadosAnuais});
        Incluir("d.zip", {.inscricao = "164444440", .periodo = "201807"});
        Incluir("e.zip", {.inscricao = "165555550", .periodo = "201901", .regime = Regime::DadosAnuais});
        Incluir("f.zip", {.inscricao = "166666660", .periodo = "201603", .finalidade = '2', .regime = Regime::Epp});
    }

    void Incluir(const std::string& nome, const DeclaracaoTeste& declaracao) {
        MidiaTeste midia;
        midia.txt = declaracao.Bytes();
        GravarMidia(midias_ / nome, midia);
    }

    ExecucaoXrazq Executar(const std::string& comando, std::vector<std::string> opcoes) {
        opcoes.insert(opcoes.begin(), {comando, midias_.Caminho().string()});
        return Xrazq(opcoes, temporaria_.Caminho());
    }

    // Inscrição -> reasons.
    std::map<std::string, std::string> Motivos(const std::vector<std::string>& opcoes) {
        const ExecucaoXrazq execucao = Executar("motivos", opcoes);
        EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
        std::map<std::string, std::string> motivos;
        for (const auto& linha : execucao.Linhas()) motivos[linha.at("inscricao")] = linha.at("mensagem");
        return motivos;
    }

    std::vector<std::string> Selecionadas(const std::vector<std::string>& opcoes) {
        const ExecucaoXrazq execucao = Executar("selecionar", opcoes);
        EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
        return execucao.Coluna("Inscricao");
    }

    PastaTeste midias_;
    PastaTeste temporaria_;
};

TEST_F(Selecao, PeriodoVazioSelecionaTodosOsTiposERegimesAteOMesCorrente) {
    const ExecucaoXrazq execucao = Executar("selecionar", {});
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_TRUE(execucao.Cabecalho().ends_with("\tCrcTxt\tcodRegApuracao\tdescRegApuracao")) << execucao.Cabecalho();
    EXPECT_TRUE(execucao.Cabecalho().starts_with("ArquivoTxt\tInscricao\t")) << execucao.Cabecalho();
    EXPECT_EQ(execucao.Coluna("Inscricao"), (std::vector<std::string>{"161111110", "162222220", "163333330", "166666660"}));
    EXPECT_EQ(execucao.Coluna("descRegApuracao"), (std::vector<std::string>{"NORMAL", "SIMPLES NACIONAL", "", "EPP"}));

    // Without a period the period reason is not written; the type still is.
    EXPECT_EQ(Motivos({}), (std::map<std::string, std::string>{{"164444440", ""}, {"165555550", kTipoErrado}}));
}

TEST_F(Selecao, GimDeUmPeriodoRegimeNormalSomenteNormais) {
    const std::vector<std::string> filtro = {"--tipo", "gim", "--periodo", "2015-12", "--regime", "1", "--finalidades", "N"};
    EXPECT_EQ(Selecionadas(filtro), (std::vector<std::string>{"161111110"}));
    EXPECT_EQ(Motivos(filtro), (std::map<std::string, std::string>{
                                   {"162222220", kRegime},
                                   {"163333330", kTipoErrado + kEPeriodo + kEFinalidade},
                                   {"164444440", kPeriodo},
                                   {"165555550", kTipoErrado + kEPeriodo},
                                   {"166666660", kPeriodo + kEFinalidade + kERegime},
                               }));
}

TEST_F(Selecao, ColunasDosMotivos) {
    const ExecucaoXrazq execucao =
        Executar("motivos", {"--tipo", "gim", "--periodo", "2015-12", "--regime", "3", "--finalidades", "N,R"});
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Cabecalho(),
              "inscricao\tperiodo\tfinalidade\trazaoSocial\ttpDeclaracao\ttpRegime\tdescRegime\tmensagem");
    const auto linhas = execucao.Linhas();
    ASSERT_EQ(linhas.size(), 5u);
    EXPECT_EQ(linhas[0], (std::map<std::string, std::string>{{"inscricao", "161111110"},
                                                             {"periodo", "2015-12"},
                                                             {"finalidade", "N"},
                                                             {"razaoSocial", "DISTRIBUIDORA DE ALIMENTOS EXEMPLO"},
                                                             {"tpDeclaracao", "GIM"},
                                                             {"tpRegime", "1"},
                                                             {"descRegime", "Normal"},
                                                             {"mensagem", kRegime}}));
    EXPECT_EQ(linhas[1].at("tpDeclaracao"), "Dados Anuais");
    EXPECT_EQ(linhas[1].at("tpRegime"), "0");
    EXPECT_EQ(linhas[1].at("descRegime"), "");
    EXPECT_EQ(linhas[4].at("descRegime"), "EPP");
}

TEST_F(Selecao, AnoDeDadosAnuaisPulaOTesteDeTipoERegime) {
    EXPECT_EQ(Selecionadas({"--tipo", "da", "--periodo", "2014", "--finalidades", "R"}),
              (std::vector<std::string>{"163333330"}));
    // A Dados Anuais year later than the current one is never selected.
    EXPECT_EQ(Selecionadas({"--tipo", "da", "--periodo", "2019"}), std::vector<std::string>{});
    // Without a period every type within the current year: a month of this year sorts after the year alone.
    EXPECT_EQ(Selecionadas({"--tipo", "da"}),
              (std::vector<std::string>{"161111110", "162222220", "163333330", "166666660"}));
}

TEST_F(Selecao, PeriodoPosteriorAoMesCorrenteNuncaSelecionado) {
    EXPECT_EQ(Selecionadas({"--periodo", "2018-07"}), std::vector<std::string>{});
    EXPECT_EQ(Motivos({"--periodo", "2018-07"}).at("164444440"), kPeriodo);
}

TEST_F(Selecao, SeparadorSozinhoContaComoPeriodoVazio) {
    EXPECT_EQ(Selecionadas({"--periodo", " - "}), Selecionadas({}));
}

TEST_F(Selecao, SemPeriodoABuscaIgnoraOPeriodo) {
    // The same inscrição and purpose as a selected declaration, in a later period: not listed.
    Incluir("g.zip", {.inscricao = "161111110", .periodo = "201807"});
    EXPECT_EQ(Motivos({}).count("161111110"), 0u);
    EXPECT_EQ(Motivos({"--periodo", "2015-12"}).count("161111110"), 1u);
}

TEST(LinhaDeComando, VersaoDoPrograma) {
    PastaTeste temporaria;
    const ExecucaoXrazq execucao = Xrazq({"--versao"}, temporaria.Caminho());
    EXPECT_EQ(execucao.resultado, 0);
    EXPECT_THAT(execucao.saida, testing::MatchesRegex("[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\n"));
}

class UsoErrado : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(UsoErrado, SaiComDoisEOTextoDeUso) {
    PastaTeste temporaria;
    const ExecucaoXrazq execucao = Xrazq(GetParam(), temporaria.Caminho());
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_EQ(execucao.saida, "");
    EXPECT_TRUE(execucao.erros.starts_with("xrazq: ")) << execucao.erros;
    EXPECT_NE(execucao.erros.find("uso: xrazq"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Argumentos, UsoErrado,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"abrir", "x"},
                    std::vector<std::string>{"varrer"}, std::vector<std::string>{"varrer", "a", "b"},
                    std::vector<std::string>{"varrer", "x", "--tipo", "gim"},
                    std::vector<std::string>{"selecionar", "x", "--tipo", "anual"},
                    std::vector<std::string>{"selecionar", "x", "--regime", "7"},
                    std::vector<std::string>{"motivos", "x", "--finalidades", "N,X"},
                    std::vector<std::string>{"motivos", "x", "--periodo"},
                    std::vector<std::string>{"selecionar", "x", "--todas", "1"},
                    std::vector<std::string>{"--versao", "x"}));

}  // namespace
}  // namespace zq
