// morvanta-cri: the package built from the text sources gives them back when unpacked, and bad sources are
// refused with the file and line, leaving any earlier package untouched.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/Cp1252.h"
#include "record-model/comum/Excecao.h"
#include "reference-db/Empacotador.h"
#include "reference-db/PacoteTeste.h"

namespace zq::teste {
namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

std::set<std::string> Nomes(const fs::path& pasta) {
    std::set<std::string> nomes;
    for (const auto& item : fs::directory_iterator(pasta)) nomes.insert(item.path().filename().string());
    return nomes;
}

void ExpectMesmosArquivos(const fs::path& esperada, const fs::path& obtida) {
    ASSERT_EQ(Nomes(esperada), Nomes(obtida));
    for (const auto& nome : Nomes(esperada)) {
        EXPECT_EQ(LerArquivo(esperada / nome), LerArquivo(obtida / nome)) << nome;
    }
}

class EmpacotadorTest : public testing::Test {
protected:
    PastaTeste pasta_;
};

TEST_F(EmpacotadorTest, PacoteEntregueDesempacaIgualAosDadosDoRepositorio) {
    DesempacotarReferencia(PastaBinarios() / "Morvanta.cri", pasta_ / "desempacotado");
    ExpectMesmosArquivos(ZQ_DADOS_REFERENCIA, pasta_ / "desempacotado");
}

TEST_F(EmpacotadorTest, ValoresComTabulacaoQuebraBarraEVazioVoltamComoEram) {
    DadosReferencia dados;
    dados.linhas["IDContribuinte"] = {"idContrib\tccicms\tCNPJ", "1\ta\\tb\\nc\t\\N", "2\t\\\\x\\r\t12345678000195",
                                      "3\t\t"};
    dados.Gravar(pasta_ / "fontes");
    EmpacotarReferencia(pasta_ / "fontes", pasta_ / "Morvanta.cri");
    DesempacotarReferencia(pasta_ / "Morvanta.cri", pasta_ / "desempacotado");
    EXPECT_EQ(LerArquivo(pasta_ / "desempacotado" / "IDContribuinte.tsv"), LerArquivo(pasta_ / "fontes" / "IDContribuinte.tsv"));
    EXPECT_EQ(LerArquivo(pasta_ / "desempacotado" / "municipio.tsv"), LerArquivo(pasta_ / "fontes" / "municipio.tsv"));
}

TEST_F(EmpacotadorTest, FontesInvalidasSaoRecusadasSemTocarNoPacoteAnterior) {
    struct Caso {
        const char* nome;
        std::string tabela;
        std::vector<std::string> linhas;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"campos a menos", "municipio", {"codigo\tnome", "10014\tPorto", "10022"},
         "municipio.tsv, linha 3: 1 campos, esperados 2"},
        {"coluna inexistente", "municipio", {"codigo\tnomes", "10014\tPorto"}, "municipio.tsv, linha 1: "},
        {"percentual com vírgula", "ContribCriticaICMSReg50Especial",
         {"nrInscrEstadual\tpercentual", "161234569\t1,50"}, "ContribCriticaICMSReg50Especial.tsv, linha 2: "},
        {"data fora do formato", "contribuinteEntregaNormal",
         {"nrInscrEstadual\tnorazaosocial\tdtIniPermissao\tdtFinalPermissao", "161234569\tX\t01/01/2013\t2014-06-30"},
         "contribuinteEntregaNormal.tsv, linha 2: "},
        {"inscrição repetida", "contribuinteEntregaNormal",
         {"nrInscrEstadual\tnorazaosocial\tdtIniPermissao\tdtFinalPermissao", "161234569\tX\t2013-01-01\t2014-06-30",
          "161234569\tY\t2013-01-01\t2014-06-30"},
         "contribuinteEntregaNormal.tsv, linha 3: "},
        {"escape desconhecido", "municipio", {"codigo\tnome", "10014\tPorto\\x"}, "sequência de escape inválida"},
        {"tabela que o esquema não tem", "municipios", {"codigo\tnome"}, "nenhuma tabela com esse nome"},
    };
    const std::string anterior = "pacote anterior";
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        fs::remove_all(pasta_ / "fontes");
        DadosReferencia dados;
        dados.linhas[caso.tabela] = caso.linhas;
        dados.Gravar(pasta_ / "fontes");
        GravarArquivo(pasta_ / "Morvanta.cri", anterior);

        try {
            EmpacotarReferencia(pasta_ / "fontes", pasta_ / "Morvanta.cri");
            ADD_FAILURE() << "aceito";
        } catch (const Excecao& erro) {
            EXPECT_THAT(erro.what(), HasSubstr(caso.esperado));
        }
        EXPECT_EQ(LerArquivo(pasta_ / "Morvanta.cri"), anterior);
    }
}

TEST_F(EmpacotadorTest, FerramentaDizOQueFalhouEDevolveErro) {
    const std::string ferramenta = (PastaBinarios() / "morvanta-cri").string();
    const auto executar = [&](const std::string& argumentos) {
        const std::string comando = ferramenta + " " + argumentos + " 2>'" + (pasta_ / "erro.txt").string() + "'";
        const int estado = std::system(comando.c_str());
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    };
    EXPECT_EQ(executar(""), 2);
    EXPECT_THAT(LerArquivo(pasta_ / "erro.txt"), HasSubstr("uso: morvanta-cri empacotar"));
    EXPECT_EQ(executar("desempacotar '" + (pasta_ / "nada.cri").string() + "' '" + (pasta_ / "saida").string() + "'"), 1);
    EXPECT_THAT(Utf8ParaCp1252(LerArquivo(pasta_ / "erro.txt")), HasSubstr("nada.cri não localizado."));
    EXPECT_EQ(executar("empacotar '" + std::string(ZQ_DADOS_REFERENCIA) + "' '" + (pasta_ / "M.cri").string() + "'"), 0);
    EXPECT_TRUE(fs::exists(pasta_ / "M.cri"));
}

}  // namespace
}  // namespace zq::teste
