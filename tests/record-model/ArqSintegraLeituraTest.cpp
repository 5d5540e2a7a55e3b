#include "record-model/arquivos/ArqSintegraLeitura.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "platform/Plataforma.h"
#include "record-model/campos/Conversoes.h"
#include "support/Projeto.h"
#include "support/PastaTeste.h"
#include "support/LeituraEmPasta.h"
#include "support/Sintegra.h"

namespace zq {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono;
using teste::GravarArquivo;
using teste::Linha126;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::Pair;

std::string Cp(const fs::path& caminho) { return CaminhoCp1252(caminho); }

const std::string kRegistro10 = teste::Registro10().Linha();
const std::string kRegistro11 = Linha126("11RUA DAS FLORES                    00042SALA 3                CENTRO         "
                                         "69900000FULANO DE TAL               006133334444");
const std::string kRegistro50 = Linha126("5012345678000195161234569     20170510ZQ01001000123");
const std::string kRegistro90 = Linha126("9012345678000195161234569     50000000019900000004");

std::string Registro90(const std::string& pares, char quantidadeLinhas = '1') {
    std::string linha = "9012345678000195161234569     " + pares;
    linha.resize(125, ' ');
    return linha + quantidadeLinhas;
}

// Lines that are none of the records the reader looks for, 128 bytes each with CR LF.
std::string Enchimento(std::size_t linhas) {
    std::string texto;
    for (std::size_t i = 0; i < linhas; ++i) texto += Linha126("00ENCHIMENTO") + "\r\n";
    return texto;
}

std::vector<fs::path> Conteudo(const fs::path& pasta) {
    std::vector<fs::path> entradas;
    for (const auto& entrada : fs::recursive_directory_iterator(pasta)) entradas.push_back(entrada.path());
    return entradas;
}

fs::path Dados(const std::string& nome) { return teste::PastaProjeto() / "tests" / "record-model" / "dados" / nome; }

using LeituraSintegra = teste::LeituraEmPasta;

TEST_F(LeituraSintegra, CabecalhoTotaisELinhas) {
    const std::string noventa = Registro90("50000000019900000005");
    const fs::path arquivo = Arquivo(teste::Arquivo({kRegistro10, kRegistro11, kRegistro50, noventa}));
    TArqSintegraLeitura leitor(Cp(arquivo));
    EXPECT_TRUE(leitor.Aberto());
    EXPECT_TRUE(leitor.ArquivoConvertido().empty());

    const TReg10& registro10 = leitor.Registro10();
    EXPECT_EQ(registro10.Cnpj(), "12345678000195");
    EXPECT_EQ(registro10.InscricaoEstadual(), "161234569");
    EXPECT_EQ(registro10.RazaoSocial(), "DISTRIBUIDORA DE ALIMENTOS EXEMPLO");
    EXPECT_EQ(registro10.Uf(), "ZQ");
    EXPECT_EQ(registro10.DataInicial(), year{2017} / May / 1);
    EXPECT_EQ(registro10.PeriodoReferencia(), "2017-05");
    EXPECT_EQ(leitor.Registro11().Logradouro(), "RUA DAS FLORES");
    EXPECT_EQ(leitor.Registro11().Numero(), 42);
    EXPECT_EQ(leitor.Registro11().Cep(), "69900000");
    EXPECT_THAT(leitor.Registro90().Totais(), ElementsAre(Pair("50", 1), Pair("99", 5)));
    EXPECT_THAT(leitor.Registro90().Linhas(), ElementsAre(noventa));

    std::vector<std::pair<std::string, int>> lidos;
    while (!leitor.Eof()) {
        const auto [linha, tipo] = leitor.ProximoRegistro();
        EXPECT_EQ(leitor.NumeroTipoLinha(), tipo);
        lidos.emplace_back(linha, tipo);
    }
    EXPECT_THAT(lidos, ElementsAre(Pair(kRegistro10, 10), Pair(kRegistro11, 11), Pair(kRegistro50, 50),
                                   Pair(noventa, 90)));
    leitor.Fechar();
    EXPECT_FALSE(leitor.Aberto());
    // The records keep the header and the trailer after the file is closed.
    EXPECT_EQ(leitor.Registro10().Cnpj(), "12345678000195");
}

TEST_F(LeituraSintegra, NumeroDoTipoDaLinha) {
    const fs::path arquivo =
        Arquivo(teste::Arquivo({kRegistro10, kRegistro11, "60M2017", "X1", "7", "", " 5", kRegistro90}));
    TArqSintegraLeitura leitor(Cp(arquivo));
    std::vector<int> tipos;
    while (!leitor.Eof()) tipos.push_back(leitor.ProximoRegistro().NumeroTipo);
    EXPECT_THAT(tipos, ElementsAre(10, 11, 60, 0, 0, 0, 0, 90));
}

struct CasoCabecalho {
    const char* descricao;
    std::string texto;
    std::string mensagem;  // empty: read without error
    bool comRegistro11;
};

void PrintTo(const CasoCabecalho& caso, std::ostream* saida) { *saida << caso.descricao; }

class Cabecalho : public testing::TestWithParam<CasoCabecalho> {};

TEST_P(Cabecalho, SoOsPrimeiros6400Bytes) {
    const CasoCabecalho& caso = GetParam();
    std::istringstream fluxo(caso.texto);
    TArqSintegraLeitura leitor;
    try {
        leitor.LerCabecalho(fluxo);
        EXPECT_EQ(caso.mensagem, "");
        EXPECT_EQ(leitor.Registro10().Linha(), kRegistro10);
        EXPECT_EQ(leitor.Registro11().Presente(), caso.comRegistro11);
    } catch (const Excecao& erro) {
        EXPECT_EQ(erro.what(), caso.mensagem);
    }
}

const std::string kCurto10 = kRegistro10.substr(0, 70);

INSTANTIATE_TEST_SUITE_P(
    Limites, Cabecalho,
    testing::Values(
        CasoCabecalho{"NoInicio", teste::Arquivo({kRegistro10, kRegistro11, kRegistro90}), "", true},
        CasoCabecalho{"DepoisDeOutrasLinhas", Enchimento(3) + teste::Arquivo({kRegistro10, kRegistro11}), "", true},
        // 49 lines of 128 bytes, then record 10 ends the first 6400 bytes.
        CasoCabecalho{"UltimaLinhaDos6400", Enchimento(49) + teste::Arquivo({kRegistro10}), "", false},
        // Record 11 begins past byte 6400: it is not looked at.
        CasoCabecalho{"Registro11Depois6400", Enchimento(49) + teste::Arquivo({kRegistro10, kRegistro11}), "", false},
        CasoCabecalho{"Registro10Depois6400", Enchimento(50) + teste::Arquivo({kRegistro10, kRegistro11}),
                      "Registro 10 não encontrado!", false},
        CasoCabecalho{"Registro10CortadoNos6400", Enchimento(49) + "\r\n\r\n" + teste::Arquivo({kRegistro10}),
                      "(Registro 10) Linha de tamanho 124, menor que o tamanho mínimo aceitável (126)!\r"
                      "Conteúdo da linha: '" + kRegistro10.substr(0, 124) + "'",
                      false},
        CasoCabecalho{"Registro10SeguidoDe50", teste::Arquivo({kRegistro10, kRegistro50, kRegistro90}),
                      "(Registro 11) Tipo de registro diferente do esperado!\rConteúdo da linha: '" + kRegistro50 + "'",
                      false},
        CasoCabecalho{"Vazio", "", "Registro 10 não encontrado!", false},
        CasoCabecalho{"SemRegistro10", teste::Arquivo({kRegistro11, kRegistro90}), "Registro 10 não encontrado!",
                      false},
        CasoCabecalho{"Registro10SoEmSeguida", " " + kRegistro10 + "\n" + kRegistro11, "Registro 10 não encontrado!",
                      false},
        CasoCabecalho{"LfSimples", kRegistro10 + "\n" + kRegistro11 + "\n", "", true},
        CasoCabecalho{"CrSimples", kRegistro10 + "\r" + kRegistro11 + "\r", "", true}),
    [](const testing::TestParamInfo<CasoCabecalho>& caso) { return std::string(caso.param.descricao); });

TEST(Totais, SoLinhas90DosUltimos1536Bytes) {
    const std::string noventa = Registro90("5000000002", '2');
    const std::string noventa99 = Registro90("9900000040", '2');
    // A line that holds, from its column 53, what looks like a record-90 line with the pair 50 -> 9: when the last
    // 1536 bytes begin there, that cut line is left out.
    std::string cinquenta = kRegistro50;
    cinquenta.replace(52, 40, "90" + std::string(28, 'X') + "5000000009");
    const std::string fim = teste::Arquivo({noventa, noventa99});

    struct Caso {
        const char* descricao;
        std::string texto;
        std::vector<std::pair<std::string, std::int32_t>> totais;
    };
    const std::vector<Caso> casos{
        {"arquivo pequeno", teste::Arquivo({kRegistro10, kRegistro11}) + fim, {{"50", 2}, {"99", 40}}},
        // The last 1536 bytes begin exactly at the first record-90 line: it is whole and read.
        {"comeca na primeira linha 90", Enchimento(30) + fim + Enchimento(10), {{"50", 2}, {"99", 40}}},
        {"comeca na segunda linha 90", Enchimento(30) + fim + Enchimento(11), {{"99", 40}}},
        {"linhas 90 antes dos 1536", Enchimento(30) + fim + Enchimento(12), {}},
        {"primeira linha 90 cortada", Enchimento(30) + fim + Enchimento(9) + std::string(129, '0'), {{"99", 40}}},
        {"corte que parece linha 90",
         Enchimento(30) + cinquenta + "\r\n" + Enchimento(9) + fim + std::string(50, '0') + "\r\n",
         {{"50", 2}, {"99", 40}}},
    };
    for (const auto& caso : casos) {
        std::istringstream fluxo(caso.texto);
        TArqSintegraLeitura leitor;
        leitor.LerTotais(fluxo);
        EXPECT_THAT(leitor.Registro90().Totais(), ElementsAreArray(caso.totais)) << caso.descricao;
    }
}

TEST_F(LeituraSintegra, FalhasAoAbrir) {
    std::string dataRuim = kRegistro10;
    dataRuim.replace(107, 8, "20171301");
    const fs::path semRegistro90 = Arquivo(teste::Arquivo({kRegistro10, kRegistro11, kRegistro50}), "sem90.txt");
    const fs::path vazio = Arquivo("", "vazio.txt");
    const fs::path inexistente = Temporaria() / "nada.txt";
    const std::vector<std::pair<fs::path, std::string>> casos{
        {inexistente, "Não foi possível abrir o arquivo '" + Cp(inexistente) + "'."},
        {vazio, "Registro 10 não encontrado!"},
        {semRegistro90, "Arquivo Sintegra sem registro Tipo 90: '" + Cp(semRegistro90) + "'"},
        {Arquivo(teste::Arquivo({dataRuim, kRegistro11, kRegistro90}), "data.txt"),
         "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20171301"},
        {Arquivo(teste::Arquivo({kRegistro10, kRegistro50, kRegistro90}), "sem11.txt"),
         "(Registro 11) Tipo de registro diferente do esperado!\rConteúdo da linha: '" + kRegistro50 + "'"},
    };
    const fs::path bom = Arquivo(teste::Arquivo({kRegistro10, kRegistro11, kRegistro90}), "bom.txt");
    for (const auto& [arquivo, mensagem] : casos) {
        TArqSintegraLeitura leitor(Cp(bom));
        try {
            leitor.Abrir(Cp(arquivo));
            ADD_FAILURE() << mensagem;
        } catch (const Excecao& erro) {
            EXPECT_EQ(erro.what(), mensagem);
        }
        EXPECT_FALSE(leitor.Aberto()) << mensagem;
        EXPECT_TRUE(leitor.Eof()) << mensagem;
    }
    EXPECT_THROW(TArqSintegraLeitura{Cp(vazio)}, Excecao);
}

TEST_F(LeituraSintegra, ReabrirLeTudoDeNovo) {
    TArqSintegraLeitura leitor(Cp(Arquivo(teste::Arquivo({kRegistro10, kRegistro11, kRegistro90}), "a.txt")));
    EXPECT_EQ(leitor.Registro11().Numero(), 42);
    teste::Registro10 outro;
    outro.cnpj = "99888777000166";
    std::string outro11 = kRegistro11;
    outro11.replace(36, 5, "S/N  ");
    const std::string noventa = Registro90("7500000003");
    leitor.Abrir(Cp(Arquivo(teste::Arquivo({outro.Linha(), outro11, noventa}), "b.txt")));
    EXPECT_EQ(leitor.Registro10().Cnpj(), "99888777000166");
    EXPECT_EQ(leitor.Registro11().Numero(), 0);
    EXPECT_THAT(leitor.Registro90().Totais(), ElementsAre(Pair("75", 3)));
    EXPECT_EQ(leitor.ProximaLinha(), outro.Linha());
}

TEST_F(LeituraSintegra, LfSimplesPorCopiaQueSomeNoFechar) {
    const std::string texto = kRegistro10 + "\n" + kRegistro11 + "\n" + kRegistro50 + "\n" + kRegistro90 + "\n";
    const fs::path arquivo = Arquivo(texto);
    {
        TArqSintegraLeitura leitor(Cp(arquivo));
        EXPECT_EQ(leitor.Registro11().Numero(), 42);
        EXPECT_THAT(leitor.Registro90().Totais(), ElementsAre(Pair("50", 1), Pair("99", 4)));
        ASSERT_FALSE(leitor.ArquivoConvertido().empty());
        EXPECT_TRUE(fs::exists(CaminhoNativo(leitor.ArquivoConvertido())));
        EXPECT_EQ(leitor.TamanhoArquivo(), static_cast<std::int64_t>(texto.size()));
        std::vector<std::string> linhas;
        while (!leitor.Eof()) linhas.emplace_back(leitor.ProximoRegistro().Linha);
        EXPECT_THAT(linhas, ElementsAre(kRegistro10, kRegistro11, kRegistro50, kRegistro90));
        leitor.Fechar();
        EXPECT_THAT(Conteudo(Temporaria()), IsEmpty());
        leitor.Abrir(Cp(arquivo));
        EXPECT_THAT(Conteudo(Temporaria()), testing::Not(IsEmpty()));
    }
    EXPECT_THAT(Conteudo(Temporaria()), IsEmpty());
}

// Files written by another program.
TEST_F(LeituraSintegra, ArquivosDeOutroPrograma) {
    struct Caso {
        std::string arquivo;
        std::vector<int> tipos;
        std::vector<std::pair<std::string, std::int32_t>> totais;
        year_month_day dataInicial;
        std::string contato;
    };
    const std::vector<Caso> casos{
        {"purchases-54-75-sp.txt",
         {10, 11, 50, 50, 54, 54, 54, 54, 54, 75, 75, 90, 90, 90, 90},
         {{"50", 2}, {"54", 5}, {"75", 2}, {"99", 15}},
         year{2007} / June / 1,
         "SalesPerson"},
        {"fiscal-printer-60-sp.txt",
         {10, 11, 60, 60, 60, 90, 90},
         {{"60", 3}, {"99", 7}},
         year{2007} / January / 1,
         "Async Open Source"},
    };
    for (const auto& caso : casos) {
        const fs::path arquivo = Dados(caso.arquivo);
        ASSERT_TRUE(fs::exists(arquivo)) << arquivo;
        TArqSintegraLeitura leitor(Cp(arquivo));
        EXPECT_TRUE(leitor.ArquivoConvertido().empty());
        const TReg10& registro10 = leitor.Registro10();
        EXPECT_EQ(registro10.Cnpj(), "03852995000107");
        EXPECT_EQ(registro10.InscricaoEstadual(), "110042490114");
        EXPECT_EQ(registro10.RazaoSocial(), "Async Open Source");
        EXPECT_EQ(registro10.Municipio(), "Sao Carlos");
        EXPECT_EQ(registro10.Uf(), "SP");
        EXPECT_EQ(registro10.Fax(), "0035015394");
        EXPECT_EQ(registro10.DataInicial(), caso.dataInicial);
        EXPECT_EQ(registro10.TipoEntrega(), 'N');
        const TReg11& registro11 = leitor.Registro11();
        EXPECT_EQ(registro11.Logradouro(), "Orlando Damiano");
        EXPECT_EQ(registro11.Numero(), 2212);
        EXPECT_EQ(registro11.Bairro(), "Jd Macarengo");
        EXPECT_EQ(registro11.Cep(), "13560450");
        EXPECT_EQ(registro11.Contato(), caso.contato);
        EXPECT_EQ(registro11.Telefone(), "000033760125");
        EXPECT_THAT(leitor.Registro90().Totais(), ElementsAreArray(caso.totais));
        EXPECT_EQ(leitor.Registro90().Cnpj(), "03852995000107");

        std::vector<int> tipos;
        while (!leitor.Eof()) {
            const auto [linha, tipo] = leitor.ProximoRegistro();
            EXPECT_EQ(linha.size(), 126u) << linha;
            tipos.push_back(tipo);
        }
        EXPECT_EQ(tipos, caso.tipos) << caso.arquivo;
    }
}

}  // namespace
}  // namespace zq
