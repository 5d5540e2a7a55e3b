// The preparation of tblRelatorio over the data module, as the window runs it: the hints it shows and what a
// TXT changed since the scan does to the report.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"
#include "platform/Relogio.h"
#include "reports/preparacao/RelatoriosValidador.h"
#include "selection/Declaracoes.h"
#include "selection/DmValidador.h"
#include "support/DeclaracaoMensal.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

class Preparacao : public testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        FixarHoje(std::chrono::year{2018} / 6 / 15);
        DeclaracaoMensal abril;
        abril.registro10.periodo = "201704";
        abril.gim = {Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0}, 'N', "201704"),
                     Gim88("02", {34850, 0, 0, 0, 0, 0, 0, 0}, 'N', "201704"), Gim8804('1', "201704"), Gim8805()};
        GravarMidia(midias_ / "abril.zip", MidiaTeste{.txt = abril.Texto()});
        GravarMidia(midias_ / "maio.zip", MidiaTeste{.txt = DeclaracaoMensal().Texto()});
        dm_.CarregarPastaMidias(CaminhoCp1252(midias_.Caminho()));
        dm_.SelecionarDeclaracoes({});
    }
    void TearDown() override { FixarHoje(std::nullopt); }

    PastaTeste trabalho_;
    PastaTeste midias_;
    TDmValidador dm_{CaminhoCp1252(trabalho_.Caminho())};
    std::vector<std::string> dicas_;
    TRelatoriosValidador relatorios_{dm_, {.Titulo = "Validador XAR-ZQ", .Versao = "1.0.0.0"},
                                     [this](const std::string& dica) { dicas_.push_back(Cp1252ParaUtf8(dica)); }};
};

TEST_F(Preparacao, UmaLinhaPorDeclaracaoSelecionadaComADicaEnquantoApura) {
    ASSERT_EQ(dm_.tblSelecao.Quantidade(), 2u);
    dm_.tblSelecao.IrPara(1);
    const TDocumentoRelatorio todas = relatorios_.ConferenciaSelecao();
    EXPECT_EQ(todas.Paginas.size(), 2u);
    ASSERT_EQ(relatorios_.tblRelatorio().Quantidade(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(relatorios_.tblRelatorio().Linhas()[i].AnoMesGim, dm_.tblSelecao.Linhas()[i].Periodo);
    }
    EXPECT_EQ(dm_.tblSelecao.Posicao(), 1u);  // the current row is kept

    relatorios_.ConferenciaSelecaoAtual();
    ASSERT_EQ(relatorios_.tblRelatorio().Quantidade(), 1u);
    EXPECT_EQ(relatorios_.tblRelatorio().Atual().AnoMesGim, dm_.tblSelecao.Atual().Periodo);
    EXPECT_EQ(dicas_, (std::vector<std::string>{"Apurando o movimento...", "", "Apurando o movimento...", ""}));
}

TEST_F(Preparacao, TxtAlteradoDepoisDaVarreduraInterrompeORelatorio) {
    relatorios_.ConferenciaSelecao();
    ASSERT_EQ(relatorios_.tblRelatorio().Quantidade(), 2u);
    const std::string txt = dm_.tblSelecao.Linhas()[1].PathTxt;
    std::string bytes = LerArquivo(CaminhoNativo(txt));
    bytes[bytes.size() / 2] ^= 1;
    GravarArquivo(CaminhoNativo(txt), bytes);
    EXPECT_THROW(relatorios_.ConferenciaSelecao(), Excecao);
    EXPECT_TRUE(relatorios_.tblRelatorio().Vazia());
    EXPECT_EQ(dicas_.back(), "");
}

}  // namespace
}  // namespace zq
