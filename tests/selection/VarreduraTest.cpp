// The scan of a media folder, through the command line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "selection/Declaracoes.h"
#include "selection/Xrazq.h"
#include "selection/ZipAdulterado.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

const std::string kCabecalhoVarrer =
    "ArquivoTxt\tInscricao\tCnpj\tTipo\tFinalidade\tPeriodo\tRazaoSocial\tDataHoraMidia\tVersaoSintegra\t"
    "DataHoraTxt\tTamanhoTxt\tCrcTxt\tcodRegApuracao";

std::string Crc32Hex(const std::string& bytes) {
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()),
                            static_cast<uInt>(bytes.size()));
    char texto[9];
    std::snprintf(texto, sizeof texto, "%08lX", crc);
    return texto;
}

std::size_t QuantidadeDeArquivos(const fs::path& pasta) {
    std::size_t quantidade = 0;
    for (auto it = fs::recursive_directory_iterator(pasta); it != fs::recursive_directory_iterator(); ++it) ++quantidade;
    return quantidade;
}

class Varredura : public testing::Test {
protected:
    fs::path Midia(const std::string& nome, const MidiaTeste& midia = {}) {
        const fs::path zip = midias_ / nome;
        GravarMidia(zip, midia);
        return zip;
    }
    static MidiaTeste Com(const DeclaracaoTeste& declaracao) {
        MidiaTeste midia;
        midia.txt = declaracao.Bytes();
        return midia;
    }
    ExecucaoXrazq Varrer() { return Varrer(midias_.Caminho().string()); }
    ExecucaoXrazq Varrer(const std::string& pasta) { return Xrazq({"varrer", pasta}, temporaria_.Caminho()); }

    // Every run leaves nothing behind in the temporary folder, whatever happened.
    void TearDown() override { EXPECT_EQ(QuantidadeDeArquivos(temporaria_.Caminho()), 0u); }

    PastaTeste midias_;
    PastaTeste temporaria_;
};

TEST_F(Varredura, ListaADeclaracaoDaMidiaComAIdentidadeDoTxt) {
    const MidiaTeste midia;
    const fs::path zip = Midia("12345678000195_201705.zip", midia);
    const auto instante = std::chrono::sys_days{std::chrono::year{2018} / 3 / 4} + std::chrono::hours{10} +
                          std::chrono::minutes{20} + std::chrono::seconds{30};
    fs::last_write_time(zip, std::chrono::file_clock::from_sys(instante));

    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.erros, "");
    EXPECT_EQ(execucao.Cabecalho(), kCabecalhoVarrer);
    const auto linhas = execucao.Linhas();
    ASSERT_EQ(linhas.size(), 1u);
    const auto& linha = linhas[0];
    EXPECT_EQ(linha.at("ArquivoTxt"), "2017-05_161234569_31_00.txt");
    EXPECT_EQ(linha.at("Inscricao"), "161234569");
    EXPECT_EQ(linha.at("Cnpj"), "12345678000195");
    EXPECT_EQ(linha.at("Tipo"), "GIM");
    EXPECT_EQ(linha.at("Finalidade"), "N");
    EXPECT_EQ(linha.at("Periodo"), "2017-05");
    EXPECT_EQ(linha.at("RazaoSocial"), "DISTRIBUIDORA DE ALIMENTOS EXEMPLO");
    EXPECT_EQ(linha.at("DataHoraMidia"), "04/03/2018 10:20:30");
    EXPECT_EQ(linha.at("VersaoSintegra"), "5.2.0.9");
    EXPECT_THAT(linha.at("DataHoraTxt"), testing::MatchesRegex("[0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}"));
    EXPECT_EQ(linha.at("TamanhoTxt"), std::to_string(midia.txt.size()));
    EXPECT_EQ(linha.at("CrcTxt"), Crc32Hex(midia.txt));
    EXPECT_EQ(linha.at("codRegApuracao"), "1");
}

struct CasoDeclaracao {
    const char* nome;
    DeclaracaoTeste declaracao;
    const char* arquivoTxt;
    const char* tipo;
    const char* finalidade;
    const char* periodo;
    const char* regime;
};

class KindsOfDeclaration : public Varredura, public testing::WithParamInterface<CasoDeclaracao> {};

TEST_P(KindsOfDeclaration, TipoPeriodoFinalidadeERegime) {
    const CasoDeclaracao& caso = GetParam();
    Midia("midia.zip", Com(caso.declaracao));
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    const auto linhas = execucao.Linhas();
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].at("ArquivoTxt"), caso.arquivoTxt);
    EXPECT_EQ(linhas[0].at("Tipo"), caso.tipo);
    EXPECT_EQ(linhas[0].at("Finalidade"), caso.finalidade);
    EXPECT_EQ(linhas[0].at("Periodo"), caso.periodo);
    EXPECT_EQ(linhas[0].at("codRegApuracao"), caso.regime);
}

INSTANTIATE_TEST_SUITE_P(
    Declaracoes, KindsOfDeclaration,
    testing::Values(
        CasoDeclaracao{"GimNormalRetificadora", {.finalidade = '2'}, "2017-05_161234569_32_00.txt", "GIM", "R",
                       "2017-05", "1"},
        CasoDeclaracao{"SimplesNacional", {.periodo = "201512", .regime = Regime::Simples},
                       "2015-12_161234569_31_00.txt", "GIM", "N", "2015-12", "3"},
        CasoDeclaracao{"Epp", {.periodo = "201603", .regime = Regime::Epp}, "2016-03_161234569_31_00.txt", "GIM", "N",
                       "2016-03", "7"},
        CasoDeclaracao{"DadosAnuais", {.periodo = "201601", .regime = Regime::DadosAnuais}, "2016_161234569_31_00.txt",
                       "Dados Anuais", "N", "2016", "0"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Varredura, MesmaDeclaracaoEmDuasMidiasListadaDuasVezes) {
    Midia("a.zip");
    Midia("b.zip");
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Coluna("ArquivoTxt"),
              (std::vector<std::string>{"2017-05_161234569_31_00.txt", "2017-05_161234569_31_01.txt"}));
}

TEST_F(Varredura, CentoEUmaMidiasDoMesmoRadicalChegamANumeroDeTresDigitos) {
    const MidiaTeste midia;
    for (int i = 0; i <= 100; ++i) Midia("m" + std::to_string(1000 + i) + ".zip", midia);
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    const auto nomes = execucao.Coluna("ArquivoTxt");
    ASSERT_EQ(nomes.size(), 101u);
    EXPECT_EQ(nomes[99], "2017-05_161234569_31_99.txt");
    EXPECT_EQ(nomes[100], "2017-05_161234569_31_100.txt");
}

TEST_F(Varredura, NomesEmOutraCaixaAindaCombinam) {
    MidiaTeste midia;
    midia.nomeTxt = "Declaracao.Txt";
    midia.nomeResumo = "VALIDACAO.RESUMO";
    midia.cfops = {"ENTRADAS.CFOP"};
    Midia("MIDIA.ZIP", midia);
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Linhas().size(), 1u);
}

TEST_F(Varredura, VersaoDoResumoCortadaEmDezCaracteresOuVaziaSemPenultimaLinha) {
    MidiaTeste longa;
    longa.resumo = "Resumo\r\nVersao 5.2.0.9 de 2018\r\nFim\r\n";
    Midia("a.zip", longa);
    MidiaTeste curta;
    curta.resumo = "Resumo sem versao";
    Midia("b.zip", curta);
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Coluna("VersaoSintegra"), (std::vector<std::string>{"Versao 5.2", ""}));
}

// Media that are not declarations to list are passed over without a word; the good one beside them is listed.
struct CasoIgnorado {
    const char* nome;
    void (*gravar)(const fs::path& zip, const fs::path& foraDaPasta);
};

class MidiasIgnoradas : public Varredura, public testing::WithParamInterface<CasoIgnorado> {};

TEST_P(MidiasIgnoradas, SaoPuladasSemMensagemENadaEscritoForaDaPastaDeTrabalho) {
    PastaTeste fora;
    Midia("b-boa.zip");
    GetParam().gravar(midias_ / "a-ruim.zip", fora.Caminho());
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.erros, "");
    const auto linhas = execucao.Linhas();
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].at("ArquivoTxt"), "2017-05_161234569_31_00.txt");
    EXPECT_EQ(QuantidadeDeArquivos(fora.Caminho()), 0u);
    EXPECT_EQ(QuantidadeDeArquivos(midias_.Caminho()), 2u);
}

MidiaTeste MidiaCom(void (*alterar)(MidiaTeste&)) {
    MidiaTeste midia;
    alterar(midia);
    return midia;
}

const std::string kResumo = "Resumo\r\n5.2.0.9\r\nFim\r\n";

INSTANTIATE_TEST_SUITE_P(
    Ignoradas, MidiasIgnoradas,
    testing::Values(
        CasoIgnorado{"FinalidadeAditiva",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) {
                                         m.txt = DeclaracaoTeste{.inscricao = "161111110", .finalidade = '3'}.Bytes();
                                     }));
                     }},
        CasoIgnorado{"FinalidadeDesfazimento",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) {
                                         m.txt = DeclaracaoTeste{.inscricao = "161111110", .finalidade = '5'}.Bytes();
                                     }));
                     }},
        CasoIgnorado{"OutraNatureza",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) {
                                         m.txt = DeclaracaoTeste{.inscricao = "161111110", .natureza = '1'}.Bytes();
                                     }));
                     }},
        CasoIgnorado{"SemDeclaracaoGim",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) {
                                         m.txt = Arquivo({Registro10().Linha(), Linha126("11RUA")});
                                     }));
                     }},
        CasoIgnorado{"SemResumo",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) { m.nomeResumo.clear(); }));
                     }},
        CasoIgnorado{"SoOResumo",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) {
                                         m.nomeTxt.clear();
                                         m.cfops.clear();
                                     }));
                     }},
        CasoIgnorado{"DoisTxt",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) { m.cfops = {"OUTRA.TXT"}; }));
                     }},
        CasoIgnorado{"SenhaErrada",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaCom([](MidiaTeste& m) { m.senha = "outra senha"; }));
                     }},
        CasoIgnorado{"NaoEZip", [](const fs::path& zip, const fs::path&) { GravarArquivo(zip, "texto qualquer"); }},
        CasoIgnorado{"ZipVazio", [](const fs::path& zip, const fs::path&) { GravarArquivo(zip, ""); }},
        CasoIgnorado{"ZipTruncado",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaTeste());
                         const std::string bytes = LerArquivo(zip);
                         GravarArquivo(zip, bytes.substr(0, bytes.size() / 2));
                     }},
        CasoIgnorado{"NomesComPastas",
                     [](const fs::path& zip, const fs::path&) {
                         GravarZipComNomes(zip, {{"sub/DECLARACAO.TXT", MidiaTeste().txt},
                                                 {"sub/Validacao2.resumo", kResumo}});
                     }},
        CasoIgnorado{"NomesComPontoPonto",
                     [](const fs::path& zip, const fs::path&) {
                         GravarZipComNomes(zip, {{"../../../../DECLARACAO.TXT", MidiaTeste().txt},
                                                 {"Validacao2.resumo", kResumo}});
                     }},
        CasoIgnorado{"NomeAbsoluto",
                     [](const fs::path& zip, const fs::path& fora) {
                         GravarZipComNomes(zip, {{(fora / "DECLARACAO.TXT").string(), MidiaTeste().txt},
                                                 {"Validacao2.resumo", kResumo}});
                     }},
        CasoIgnorado{"NomeComUnidade",
                     [](const fs::path& zip, const fs::path&) {
                         GravarZipComNomes(zip, {{"C:DECLARACAO.TXT", MidiaTeste().txt},
                                                 {"Validacao2.resumo", kResumo}});
                     }},
        CasoIgnorado{"TamanhoRealMaiorQueODeclarado",
                     [](const fs::path& zip, const fs::path&) {
                         GravarMidia(zip, MidiaTeste());
                         DeclararTamanho(zip, "DECLARACAO.TXT", 1000);
                     }}),
    [](const auto& caso) { return std::string(caso.param.nome); });

struct CasoRecusado {
    const char* nome;
    void (*gravar)(const fs::path& zip);
    const char* motivo;
};

class MidiasRecusadas : public Varredura, public testing::WithParamInterface<CasoRecusado> {};

// A media beyond a ZIP limit is skipped like any foreign ZIP, nothing of it inflated, but the user is told why.
TEST_P(MidiasRecusadas, SaoPuladasComOMotivoNaSaidaDeErros) {
    Midia("b-boa.zip");
    const fs::path ruim = midias_ / "a-ruim.zip";
    GetParam().gravar(ruim);
    const ExecucaoXrazq execucao = Varrer();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.erros, "Mídia ignorada: '" + ruim.string() + "': " + GetParam().motivo + "\n");
    ASSERT_EQ(execucao.Linhas().size(), 1u);
    EXPECT_EQ(execucao.Linhas()[0].at("ArquivoTxt"), "2017-05_161234569_31_00.txt");

    fs::remove(midias_ / "b-boa.zip");
    const ExecucaoXrazq so = Varrer();
    EXPECT_EQ(so.resultado, 1);
    EXPECT_EQ(so.erros, "Mídia ignorada: '" + ruim.string() + "': " + GetParam().motivo + "\n" +
                            "Nenhum arquivo de mídia Sintegra localizado na pasta '" + midias_.Caminho().string() +
                            "'.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Recusadas, MidiasRecusadas,
    testing::Values(
        CasoRecusado{"BombaDeCompressao",
                     [](const fs::path& zip) {
                         GravarZipComNomes(zip, {{"DECLARACAO.TXT", std::string(std::size_t{32} << 20, '0')},
                                                 {"Validacao2.resumo", kResumo}});
                     },
                     "Entrada 'DECLARACAO.TXT' do arquivo compactado com taxa de compressão acima de 1000 para 1."},
        CasoRecusado{"EntradasDemais",
                     [](const fs::path& zip) {
                         std::vector<std::pair<std::string, std::string>> entradas{
                             {"DECLARACAO.TXT", MidiaTeste().txt}, {"Validacao2.resumo", kResumo}};
                         for (int i = 0; i < 999; ++i) entradas.emplace_back(std::to_string(i) + ".cfop", "x");
                         GravarZipComNomes(zip, entradas);
                     },
                     "Arquivo compactado com 1001 entradas, acima do limite de 1000."},
        CasoRecusado{"TamanhoDeclaradoAbsurdo",
                     [](const fs::path& zip) {
                         GravarMidia(zip, MidiaTeste());
                         DeclararTamanho(zip, "DECLARACAO.TXT", 0xC0000000u);
                     },
                     "Entrada 'DECLARACAO.TXT' do arquivo compactado com 3221225472 bytes, acima do limite de "
                     "1073741824 bytes."}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Varredura, ZipDeSubpastaNaoEEncontrado) {
    fs::create_directory(midias_ / "sub");
    Midia("sub/midia.zip");
    const ExecucaoXrazq execucao = Varrer();
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(execucao.erros,
              "Nenhum arquivo de mídia Sintegra localizado na pasta '" + midias_.Caminho().string() + "'.\n");
    EXPECT_EQ(execucao.saida, "");
}

TEST_F(Varredura, SoZipsEstranhosDaoNenhumaMidia) {
    GravarZipComNomes(midias_ / "fotos.zip", {{"a.jpg", "1"}, {"b.jpg", "2"}}, "");
    GravarArquivo(midias_ / "nota.txt", "não é ZIP");
    const ExecucaoXrazq execucao = Varrer();
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(execucao.erros,
              "Nenhum arquivo de mídia Sintegra localizado na pasta '" + midias_.Caminho().string() + "'.\n");
}

TEST_F(Varredura, PastaSemZip) {
    const ExecucaoXrazq execucao = Varrer();
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(execucao.erros,
              "Nenhum arquivo de mídia Sintegra localizado na pasta '" + midias_.Caminho().string() + "'.\n");
}

TEST_F(Varredura, PastaInexistente) {
    const std::string pasta = (midias_ / "não existe").string();
    const ExecucaoXrazq execucao = Varrer(pasta);
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(execucao.erros, "Pasta de mídias Sintegra não localizada: '" + pasta + "'.\n");
}

TEST_F(Varredura, ErrosDoTipo88DaUltimaDeclaracaoLida) {
    DeclaracaoTeste declaracao;
    MidiaTeste midia = Com(declaracao);
    const std::string bom = Compor<TReg8801>([](TReg8801& r) {
        r.SetInscricaoEstadual("161234569");
        r.SetPeriodo("201705");
        r.SetTipoEntrega('N');
    });
    std::string ruim = bom;
    ruim.replace(20, 13, "0000000001X00");
    midia.txt.replace(midia.txt.find(bom), bom.size(), ruim);
    Midia("midia.zip", midia);

    const ExecucaoXrazq execucao = Varrer();
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_TRUE(execucao.erros.starts_with(
        "Os erros abaixo foram encontrados ao processar o arquivo da inscrição : 161234569 no período 201705. \n\nErro : "))
        << execucao.erros;
    EXPECT_NE(execucao.erros.find("Crédito por Entradas"), std::string::npos) << execucao.erros;
}

TEST_F(Varredura, DuasExecucoesAoMesmoTempoNaoSeAtrapalham) {
    for (int i = 0; i < 30; ++i) Midia("m" + std::to_string(100 + i) + ".zip");
    ExecucaoXrazq execucoes[2];
    std::thread outra([&] { execucoes[1] = Varrer(); });
    execucoes[0] = Varrer();
    outra.join();
    for (const auto& execucao : execucoes) {
        ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
        EXPECT_EQ(execucao.Linhas().size(), 30u);
    }
}

}  // namespace
}  // namespace zq
