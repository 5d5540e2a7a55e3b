// The re-check of a scanned TXT before it is used.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/Cp1252.h"
#include "platform/Relogio.h"
#include "selection/Declaracoes.h"
#include "selection/DmValidador.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

const auto kInstanteEntrada =
    std::chrono::sys_days{std::chrono::year{2018} / 3 / 4} + std::chrono::hours{10} + std::chrono::minutes{20} + std::chrono::seconds{30};

struct CasoConferencia {
    const char* nome;
    std::function<void(const fs::path& txt)> alterar;
    std::string mensagem;  // UTF-8; "" when the TXT is accepted
};

class ConferenciaTxt : public testing::TestWithParam<CasoConferencia> {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        FixarHoje(std::chrono::year{2018} / 6 / 15);
    }
    void TearDown() override { FixarHoje(std::nullopt); }

    PastaTeste trabalho_;
    PastaTeste midias_;
};

TEST_P(ConferenciaTxt, ConfereTamanhoDataHoraECrcDoTxtSelecionado) {
    // The TXT's entry gets its file's date-time when packed.
    PastaTeste montagem;
    const std::string txt = DeclaracaoTeste().Bytes();
    GravarArquivo(montagem / "DECLARACAO.TXT", txt);
    GravarArquivo(montagem / "Validacao2.resumo", "Resumo\r\n5.2.0.9\r\nFim\r\n");
    fs::last_write_time(montagem / "DECLARACAO.TXT", std::chrono::file_clock::from_sys(kInstanteEntrada));
    CompactarArquivos({CaminhoCp1252(montagem / "DECLARACAO.TXT"), CaminhoCp1252(montagem / "Validacao2.resumo")},
                      CaminhoCp1252(midias_ / "midia.zip"), kSenhaMidia);

    TDmValidador dm(CaminhoCp1252(trabalho_.Caminho()));
    dm.CarregarPastaMidias(CaminhoCp1252(midias_.Caminho()));
    dm.SelecionarDeclaracoes({});
    ASSERT_EQ(dm.tblSelecao.Quantidade(), 1u);
    const std::string pathTxt = dm.tblSelecao.Atual().PathTxt;
    EXPECT_EQ(dm.tblSelecao.Atual().DataHoraTxt, std::chrono::local_seconds{kInstanteEntrada.time_since_epoch()});

    GetParam().alterar(CaminhoNativo(pathTxt));
    if (GetParam().mensagem.empty()) {
        EXPECT_EQ(dm.ConferirTxt(dm.tblSelecao), pathTxt);
        return;
    }
    try {
        dm.ConferirTxt(dm.tblSelecao);
        FAIL() << "aceitou o TXT alterado";
    } catch (const Excecao& erro) {
        std::string esperada = GetParam().mensagem;
        if (const auto marca = esperada.find("%s"); marca != std::string::npos) esperada.replace(marca, 2, Cp1252ParaUtf8(pathTxt));
        if (esperada.ends_with("...")) {
            EXPECT_TRUE(Cp1252ParaUtf8(erro.what()).starts_with(esperada)) << erro.what();
        } else {
            EXPECT_EQ(Cp1252ParaUtf8(erro.what()), esperada);
        }
    }
}

void MudarByte(const fs::path& txt) {
    const auto instante = fs::last_write_time(txt);
    std::string bytes = LerArquivo(txt);
    bytes[40] = bytes[40] == 'X' ? 'Y' : 'X';
    GravarArquivo(txt, bytes);
    fs::last_write_time(txt, instante);
}

INSTANTIATE_TEST_SUITE_P(
    Alteracoes, ConferenciaTxt,
    testing::Values(
        CasoConferencia{"Intacto", [](const fs::path&) {}, ""},
        CasoConferencia{"Apagado", [](const fs::path& txt) { fs::remove(txt); },
                        "Arquivo txt Sintegra não localizado: '%s'"},
        CasoConferencia{"Aumentado",
                        [](const fs::path& txt) {
                            const auto instante = fs::last_write_time(txt);
                            GravarArquivo(txt, LerArquivo(txt) + "X");
                            fs::last_write_time(txt, instante);
                        },
                        "ERRO FATAL!!!\r\rTamanho TXT inconsistente...\r   Encontrado: " +
                            std::to_string(DeclaracaoTeste().Bytes().size() + 1) +
                            "\r   Esperado: " + std::to_string(DeclaracaoTeste().Bytes().size())},
        CasoConferencia{"DataHoraMudadaComConteudoIgual",
                        [](const fs::path& txt) {
                            fs::last_write_time(txt, std::chrono::file_clock::from_sys(kInstanteEntrada +
                                                                                       std::chrono::hours{1}));
                        },
                        "ERRO FATAL!!!\r\rData/Hora TXT inconsistente...\r   Encontrada: 04/03/2018 11:20:30\r"
                        "   Esperada: 04/03/2018 10:20:30"},
        CasoConferencia{"ConteudoMudadoComTamanhoEDataHoraIguais", MudarByte, "ERRO FATAL!!!\r\rCRC-32 TXT inconsistente..."}),
    [](const auto& caso) { return std::string(caso.param.nome); });

}  // namespace
}  // namespace zq
