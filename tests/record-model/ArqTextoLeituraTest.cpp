#include "record-model/arquivos/ArqTextoLeitura.h"
#include "record-model/comum/Limites.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/Plataforma.h"
#include "support/PastaTeste.h"
#include "support/LeituraEmPasta.h"

namespace zq {
namespace {
namespace fs = std::filesystem;
using teste::GravarArquivo;
using teste::LerArquivo;
using testing::ElementsAreArray;
using testing::IsEmpty;

std::string Cp(const fs::path& caminho) { return CaminhoCp1252(caminho); }

std::vector<std::string> LerTodas(TArqTextoLeitura& leitor) {
    std::vector<std::string> linhas;
    while (!leitor.Eof()) linhas.push_back(leitor.ProximaLinha());
    return linhas;
}

std::vector<fs::path> Conteudo(const fs::path& pasta) {
    std::vector<fs::path> entradas;
    for (const auto& entrada : fs::recursive_directory_iterator(pasta)) entradas.push_back(entrada.path());
    return entradas;
}

using LeituraTexto = teste::LeituraEmPasta;

struct CasoLinhas {
    const char* descricao;
    std::string bytes;
    std::vector<std::string> linhas;
    bool convertido;
};

void PrintTo(const CasoLinhas& caso, std::ostream* saida) { *saida << caso.descricao; }

class LinhasDoArquivo : public LeituraTexto, public testing::WithParamInterface<CasoLinhas> {};

TEST_P(LinhasDoArquivo, LeCadaLinhaSemSeuFinal) {
    const CasoLinhas& caso = GetParam();
    const fs::path arquivo = Arquivo(caso.bytes);
    TArqTextoLeitura leitor(Cp(arquivo));
    EXPECT_TRUE(leitor.Aberto());
    EXPECT_EQ(leitor.TamanhoArquivo(), static_cast<std::int64_t>(caso.bytes.size()));
    EXPECT_EQ(leitor.ArquivoConvertido().empty(), !caso.convertido);
    EXPECT_EQ(leitor.NomeArquivo(), caso.convertido ? leitor.ArquivoConvertido() : Cp(arquivo));
    EXPECT_THAT(LerTodas(leitor), ElementsAreArray(caso.linhas));
    EXPECT_EQ(leitor.LinhaAtual(), caso.linhas.back());
    try {
        leitor.ProximaLinha();
        FAIL();
    } catch (const EArqTextoLeitura& erro) {
        EXPECT_STREQ(erro.what(), "Tentativa de ler além do final do arquivo.");
    }
}

const std::string kLinhaLonga(70000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Finais, LinhasDoArquivo,
    testing::Values(
        CasoLinhas{"CrLf", "10A\r\n11B\r\n", {"10A", "11B"}, false},
        CasoLinhas{"CrLfSemFinalNaUltima", "10A\r\n11B", {"10A", "11B"}, false},
        CasoLinhas{"LinhaVazia", "10A\r\n\r\n90C\r\n", {"10A", "", "90C"}, false},
        CasoLinhas{"CrSozinho", "10A\r11B\r\n", {"10A", "11B"}, false},
        CasoLinhas{"SemQuebra", "10A", {"10A"}, false},
        CasoLinhas{"LfSimples", "10A\n11B\n", {"10A", "11B"}, true},
        CasoLinhas{"LfSimplesTextoAposUltimoLf", "10A\n11B", {"10A", "11B"}, true},
        CasoLinhas{"LfNoPrimeiroByte", "\n10A\n", {"", "10A"}, true},
        // Lines already ending in CR LF after a bare LF keep one line end.
        CasoLinhas{"Misturado", "10A\n11B\r\n90C\n", {"10A", "11B", "90C"}, true},
        CasoLinhas{"BytesPassamSemMudanca", std::string("Açã\0\x1A\t \r\n", 9), {std::string("Açã\0\x1A\t ", 7)}, false},
        // A line end split between two read blocks is still one line end.
        CasoLinhas{"QuebraEntreBlocos", std::string(65535, 'x') + "\r\nB", {std::string(65535, 'x'), "B"}, false},
        CasoLinhas{"LinhaMaiorQueUmBloco", "A\n" + kLinhaLonga + "\nB\n", {"A", kLinhaLonga, "B"}, true}),
    [](const testing::TestParamInfo<CasoLinhas>& caso) { return std::string(caso.param.descricao); });

TEST_F(LeituraTexto, ArquivoInexistenteOuVazio) {
    const fs::path inexistente = Temporaria() / "nada.txt";
    const fs::path vazio = Arquivo("");
    const std::vector<std::pair<fs::path, std::string>> casos{
        {inexistente, "Arquivo não localizado: '" + Cp(inexistente) + "'"},
        {Temporaria(), "Arquivo não localizado: '" + Cp(Temporaria()) + "'"},
        {vazio, "Arquivo com tamanho 0 (zero): '" + Cp(vazio) + "'"},
    };
    for (const auto& [arquivo, mensagem] : casos) {
        TArqTextoLeitura leitor;
        try {
            leitor.Abrir(Cp(arquivo));
            ADD_FAILURE() << mensagem;
        } catch (const EArqTextoLeitura& erro) {
            EXPECT_EQ(erro.what(), mensagem);
        }
        EXPECT_FALSE(leitor.Aberto());
        EXPECT_TRUE(leitor.Eof());
    }
}

// A line past the limit is refused while it is read, not held whole: a file of one line of gigabytes must not
// become one allocation of gigabytes.
TEST_F(LeituraTexto, LinhaAcimaDoLimiteERecusada) {
    const std::string noLimite(kLinhaMaximaTexto, 'x');
    TArqTextoLeitura leitor(Cp(Arquivo(noLimite + "\r\n" + noLimite + "y\r\n10A\r\n")));
    EXPECT_EQ(leitor.ProximaLinha().size(), kLinhaMaximaTexto);
    try {
        leitor.ProximaLinha();
        ADD_FAILURE() << "sem exceção";
    } catch (const EArqTextoLeitura& erro) {
        EXPECT_STREQ(erro.what(), "Linha com mais de 1048576 caracteres: o arquivo não é uma declaração.");
    }
}

TEST_F(LeituraTexto, CopiaConvertidaFicaNumaPastaPropriaQueSomeNoFechar) {
    const fs::path arquivo = Arquivo("10A\n11B\n", "Declaração.txt");
    TArqTextoLeitura leitor(Cp(arquivo));
    const fs::path copia = CaminhoNativo(leitor.ArquivoConvertido());
    EXPECT_EQ(copia.filename(), arquivo.filename());
    EXPECT_EQ(copia.parent_path().parent_path(), Temporaria() / "ValidadorXraZQ");
    EXPECT_EQ(LerArquivo(copia), "10A\r\n11B\r\n");
    EXPECT_EQ(LerArquivo(arquivo), "10A\n11B\n");
    EXPECT_EQ(leitor.ProximaLinha(), "10A");

    leitor.Fechar();
    EXPECT_FALSE(leitor.Aberto());
    EXPECT_TRUE(leitor.Eof());
    EXPECT_THAT(Conteudo(Temporaria()), IsEmpty());
    EXPECT_TRUE(fs::exists(arquivo));
}

TEST_F(LeituraTexto, CopiaSomeQuandoALeituraFalhaNoMeio) {
    const fs::path arquivo = Arquivo("10A\n11B\n");
    try {
        TArqTextoLeitura leitor(Cp(arquivo));
        leitor.ProximaLinha();
        ASSERT_TRUE(fs::exists(CaminhoNativo(leitor.ArquivoConvertido())));
        throw std::runtime_error("falha ao processar a linha");
    } catch (const std::runtime_error&) {
    }
    EXPECT_THAT(Conteudo(Temporaria()), IsEmpty());
}

TEST_F(LeituraTexto, AbrirOutroArquivoFechaOAnteriorMesmoQuandoFalha) {
    TArqTextoLeitura leitor(Cp(Arquivo("10A\n11B\n")));
    const std::string copia = leitor.ArquivoConvertido();
    EXPECT_THROW(leitor.Abrir(Cp(Temporaria() / "nada.txt")), EArqTextoLeitura);
    EXPECT_FALSE(leitor.Aberto());
    EXPECT_FALSE(fs::exists(CaminhoNativo(copia)));
    EXPECT_THAT(Conteudo(Temporaria()), IsEmpty());

    leitor.Abrir(Cp(Arquivo("10A\r\n", "outro.txt")));
    EXPECT_TRUE(leitor.ArquivoConvertido().empty());
    EXPECT_THAT(LerTodas(leitor), ElementsAreArray({"10A"}));
}

// Two readers of the same program never share nor remove each other's copy.
TEST_F(LeituraTexto, DoisLeitoresAoMesmoTempoTemCopiasSeparadas) {
    const fs::path arquivo = Arquivo("10A\n11B\n90C\n");
    TArqTextoLeitura primeiro(Cp(arquivo));
    TArqTextoLeitura segundo(Cp(arquivo));
    const fs::path pastaPrimeiro = CaminhoNativo(primeiro.ArquivoConvertido()).parent_path();
    const fs::path pastaSegundo = CaminhoNativo(segundo.ArquivoConvertido()).parent_path();
    EXPECT_NE(pastaPrimeiro, pastaSegundo);
    EXPECT_EQ(segundo.ProximaLinha(), "10A");

    primeiro.Fechar();
    EXPECT_FALSE(fs::exists(pastaPrimeiro));
    EXPECT_TRUE(fs::exists(CaminhoNativo(segundo.ArquivoConvertido())));
    {
        TArqTextoLeitura terceiro(Cp(arquivo));
        EXPECT_THAT(LerTodas(terceiro), ElementsAreArray({"10A", "11B", "90C"}));
    }
    EXPECT_THAT(LerTodas(segundo), ElementsAreArray({"11B", "90C"}));

    segundo.Fechar();
    EXPECT_THAT(Conteudo(Temporaria()), IsEmpty());
}

}  // namespace
}  // namespace zq
