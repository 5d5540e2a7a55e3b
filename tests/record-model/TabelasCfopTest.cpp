#include "record-model/totais/TabelasCfop.h"

#include <gtest/gtest.h>

#include "record-model/campos/Cfop.h"

namespace zq {
namespace {

struct CasoListas {
    const char* cfop;
    bool listaA;
    bool listaB;
    bool listaC;
};

class ListasCfop : public testing::TestWithParam<CasoListas> {};

TEST_P(ListasCfop, Pertinencia) {
    const CasoListas& caso = GetParam();
    EXPECT_EQ(CfopSemAdvertenciaDeValores(caso.cfop), caso.listaA);
    EXPECT_EQ(CfopSemConferenciaDeValores(caso.cfop), caso.listaB);
    EXPECT_EQ(CfopForaDaListaC(caso.cfop), !caso.listaC);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ListasCfop,
    testing::Values(CasoListas{"2102", false, false, false}, CasoListas{"1403", true, false, true},
                    // Earlier-layout codes are three-character texts.
                    CasoListas{"195", false, true, false}, CasoListas{"143", false, false, true},
                    CasoListas{"0195", false, false, false}, CasoListas{" 195", false, false, false},
                    CasoListas{"1950", false, false, false},
                    // In all three lists.
                    CasoListas{"1601", true, true, true}, CasoListas{"2603", true, true, true},
                    // First and last codes of each list as written, and their neighbours.
                    CasoListas{"1201", true, false, false}, CasoListas{"6666", true, false, false},
                    CasoListas{"6667", false, false, false}, CasoListas{"1904", false, true, false},
                    CasoListas{"679", false, true, false}, CasoListas{"3556", false, false, true},
                    CasoListas{"3557", false, false, false}, CasoListas{"5414", true, true, false},
                    CasoListas{"", false, false, false}, CasoListas{"0", false, false, false}));

TEST(ListasCfop, TestadasPeloTextoDoCfop) {
    TCfop cfop;
    cfop.SetTexto(" 195");
    EXPECT_TRUE(CfopSemConferenciaDeValores(cfop.Texto()));
    EXPECT_TRUE(CfopForaDaListaC(cfop.Texto()));
    cfop.SetTexto("1403");
    EXPECT_FALSE(CfopForaDaListaC(cfop.Texto()));
}

struct CasoSituacao {
    int tipoRegistro;
    const char* situacao;
    bool valida;
};

class Situacoes : public testing::TestWithParam<CasoSituacao> {};

TEST_P(Situacoes, Validade) {
    const CasoSituacao& caso = GetParam();
    EXPECT_EQ(SituacaoValida(caso.tipoRegistro, caso.situacao), caso.valida);
    if (std::string_view(caso.situacao).size() == 1) {
        EXPECT_EQ(SituacaoValida(caso.tipoRegistro, caso.situacao[0]), caso.valida);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Situacoes,
    testing::Values(CasoSituacao{61, "N", true}, CasoSituacao{61, "S", true}, CasoSituacao{61, "E", true},
                    CasoSituacao{61, "X", true}, CasoSituacao{61, "2", false}, CasoSituacao{76, "4", false},
                    CasoSituacao{50, "2", true}, CasoSituacao{50, "4", true}, CasoSituacao{70, "4", true},
                    CasoSituacao{70, "2", true}, CasoSituacao{50, "3", false}, CasoSituacao{50, "s", false},
                    CasoSituacao{50, "", false}, CasoSituacao{50, "NN", false}, CasoSituacao{50, " ", false}));

struct CasoAliquota {
    const char* uf;
    const char* cfop;
    double esperada;
};

class AliquotasInterestaduais : public testing::TestWithParam<CasoAliquota> {};

TEST_P(AliquotasInterestaduais, Esperada) {
    const CasoAliquota& caso = GetParam();
    const TCfop cfop(std::stoi(caso.cfop));
    EXPECT_DOUBLE_EQ(AliquotaInterestadualEsperada(caso.uf, true, cfop.IsExterior(), cfop.Texto()), caso.esperada)
        << caso.uf << " " << caso.cfop;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AliquotasInterestaduais,
    testing::Values(CasoAliquota{"SP", "2102", 7}, CasoAliquota{"RS", "2102", 7}, CasoAliquota{"SP", "2551", 12},
                    CasoAliquota{"SP", "2253", 25}, CasoAliquota{"SP", "2251", 25}, CasoAliquota{"BA", "2257", 25},
                    CasoAliquota{"MG", "2949", 25}, CasoAliquota{"BA", "2201", 25}, CasoAliquota{"BA", "2102", 12},
                    CasoAliquota{"BA", "2551", 12}, CasoAliquota{"SP", "3102", 17}, CasoAliquota{"BA", "3102", 17},
                    CasoAliquota{"EX", "3949", 17},
                    // The comparison of the state is exact.
                    CasoAliquota{"sp", "2102", 12}, CasoAliquota{"SP ", "2102", 12}));

}  // namespace
}  // namespace zq
