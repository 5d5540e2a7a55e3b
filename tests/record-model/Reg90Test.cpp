#include "record-model/registros/Reg90.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

using testing::ElementsAre;
using testing::Pair;

const std::string kCnpj = "03852995000107";
const std::string kInscricao = "110042490114  ";

// A record-90 line: the pairs from column 31, blanks up to column 125, the number of record-90 lines in 126.
std::string Linha90(const std::string& pares, char quantidadeLinhas = '1', const std::string& cnpj = kCnpj,
                    const std::string& inscricao = kInscricao) {
    std::string linha = "90" + cnpj + inscricao + pares;
    linha.resize(125, ' ');
    return linha + quantidadeLinhas;
}

TEST(Reg90, ParesComQuantidadeZeroOuEmBrancoNaoFicam) {
    TReg90 registro;
    registro.AdicionarLinha(Linha90("5000000003540000000099" "00000006"));
    EXPECT_THAT(registro.Totais(), ElementsAre(Pair("50", 3), Pair("99", 6)));
    EXPECT_EQ(registro.Total("50"), 3);
    EXPECT_EQ(registro.Total("54"), 0);
    EXPECT_EQ(registro.Total("99"), 6);
    EXPECT_EQ(registro.Total("75"), 0);
    EXPECT_TRUE(registro.TemTotais());
    EXPECT_EQ(registro.Cnpj(), kCnpj);
    EXPECT_EQ(registro.InscricaoEstadual(), kInscricao);
}

TEST(Reg90, LeituraDosPares) {
    struct Caso {
        const char* descricao;
        std::string linha;
        std::map<std::string, std::int32_t, std::less<>> totais;
    };
    const std::vector<Caso> casos{
        {"nove pares", Linha90("50000000025100000001540000000353000000045500000005"
                               "56000000066000000007700000000899" "00000045"),
         {{"50", 2}, {"51", 1}, {"53", 4}, {"54", 3}, {"55", 5}, {"56", 6}, {"60", 7}, {"70", 8}, {"99", 45}}},
        // A blank pair does not end the pairs while others follow it.
        {"par em branco no meio", Linha90("5000000002          7500000001"), {{"50", 2}, {"75", 1}}},
        {"quantidade com brancos", Linha90("50     12 75  3     "), {{"50", 12}, {"75", 3}}},
        {"quantidade que nao e numero", Linha90("5000000A02750000-001"), {}},
        // Only blanks after the last pair up to column 125: column 126 is no pair.
        {"so o numero de linhas depois", Linha90("5000000002", '9'), {{"50", 2}}},
        {"linha curta", "90" + kCnpj + kInscricao + "5000000003", {{"50", 3}}},
        {"linha sem pares", "90" + kCnpj, {}},
    };
    for (const auto& caso : casos) {
        TReg90 registro;
        registro.AdicionarLinha(caso.linha);
        EXPECT_EQ(registro.Totais(), caso.totais) << caso.descricao;
        EXPECT_EQ(registro.TemTotais(), !caso.totais.empty()) << caso.descricao;
        EXPECT_THAT(registro.Linhas(), ElementsAre(caso.linha)) << caso.descricao;
    }
}

TEST(Reg90, DuasLinhas) {
    TReg90 registro;
    const std::string primeira = Linha90("50000000035400000005", '2');
    const std::string segunda = Linha90("540000000799" "00000017", '2', "11111111111111", "ISENTO        ");
    registro.AdicionarLinha(primeira);
    registro.AdicionarLinha(segunda);
    EXPECT_EQ(registro.Cnpj(), "11111111111111");
    EXPECT_EQ(registro.InscricaoEstadual(), "ISENTO        ");
    EXPECT_THAT(registro.Totais(), ElementsAre(Pair("50", 3), Pair("54", 5), Pair("99", 17)));
    EXPECT_THAT(registro.GetLinhas(), ElementsAre(primeira, segunda));

    registro.Limpar();
    EXPECT_FALSE(registro.TemTotais());
    EXPECT_TRUE(registro.Linhas().empty());
    EXPECT_EQ(registro.Cnpj(), "");
    EXPECT_EQ(registro.InscricaoEstadual(), "");
}

TEST(Reg90, ComporUmaLinha) {
    TReg90 registro;
    registro.SetCnpj(kCnpj);
    registro.SetInscricaoEstadual("110042490114");
    registro.AdicionarTotal("75", 2);
    registro.AdicionarTotal("50", 3);
    registro.AdicionarTotal("54", 5);
    registro.AdicionarTotal("50", 9);
    registro.AdicionarTotal("99", 1);
    // 3 + 5 + 2, with records 10 and 11 and the one record-90 line.
    EXPECT_THAT(registro.GetLinhas(), ElementsAre(Linha90("5000000003540000000575000000029900000013")));
    EXPECT_EQ(registro.GetLinhas().front().size(), 126u);
}

TEST(Reg90, ComporMaisDeUmaLinha) {
    TReg90 oitoTipos;
    TReg90 noveTipos;
    for (auto* registro : {&oitoTipos, &noveTipos}) {
        registro->SetCnpj(kCnpj);
        registro->SetInscricaoEstadual(kInscricao);
    }
    const std::vector<std::string> tipos{"50", "51", "53", "54", "55", "56", "60", "61", "70"};
    std::string pares;
    for (std::size_t i = 0; i < tipos.size(); ++i) {
        noveTipos.AdicionarTotal(tipos[i], 10);
        if (i < 8) oitoTipos.AdicionarTotal(tipos[i], 10);
        pares += tipos[i] + "00000010";
    }
    EXPECT_THAT(oitoTipos.GetLinhas(), ElementsAre(Linha90(pares.substr(0, 80) + "9900000083")));
    EXPECT_THAT(noveTipos.GetLinhas(), ElementsAre(Linha90(pares, '2'), Linha90("9900000094", '2')));
}

TEST(Reg90, ComporSemDados) {
    struct Caso {
        std::string cnpj;
        std::string inscricao;
        std::vector<std::string> tipos;
        std::string mensagem;
    };
    const std::vector<Caso> casos{
        {"", "110042490114", {"50"}, "CNPJ não informado no registro 90!"},
        {kCnpj, "", {"50"}, "Inscrição não informada no registro 90!"},
        {kCnpj, "110042490114", {}, "Registro '90' sem tipos registrados!"},
        {kCnpj, "110042490114", {"99"}, "Registro '90' sem tipos registrados!"},
    };
    for (const auto& caso : casos) {
        TReg90 registro;
        registro.SetCnpj(caso.cnpj);
        registro.SetInscricaoEstadual(caso.inscricao);
        for (const auto& tipo : caso.tipos) registro.AdicionarTotal(tipo, 4);
        try {
            registro.GetLinhas();
            ADD_FAILURE() << caso.mensagem;
        } catch (const Excecao& erro) {
            EXPECT_EQ(erro.what(), caso.mensagem);
        }
        EXPECT_TRUE(registro.Linhas().empty());
    }
}

}  // namespace
}  // namespace zq
