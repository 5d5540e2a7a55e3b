// The EPP recomputation and the FUNCEP ceiling: the filters of the accumulators and each calculation step with
// its rounding.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "gim-records/apuracao/GimEPP.h"
#include "gim-records/apuracao/ValidFuncep.h"

namespace zq {
namespace {

Moeda Centavos(std::int64_t centavos) { return Moeda::DeCentavos(centavos); }

struct CasoCfop {
    std::int32_t cfop;
    bool computado;
};

class SaidaEppTest : public testing::TestWithParam<CasoCfop> {};

TEST_P(SaidaEppTest, SoSaidasForaDasExclusoesFormamABase) {
    TGimEPP epp;
    epp.AcumularSaida(GetParam().cfop, Centavos(100000));
    EXPECT_EQ(epp.BaseApurada(), GetParam().computado ? Centavos(100000) : Moeda()) << GetParam().cfop;
}

INSTANTIATE_TEST_SUITE_P(Cfops, SaidaEppTest,
                         testing::Values(CasoCfop{5102, true}, CasoCfop{6102, true}, CasoCfop{7101, true},
                                         CasoCfop{5949, true}, CasoCfop{512, true},  // earlier three-digit layout
                                         CasoCfop{5152, false}, CasoCfop{5154, true}, CasoCfop{6557, false},
                                         CasoCfop{5408, false}, CasoCfop{1102, false}, CasoCfop{0, false}));

class AquisicaoEppTest : public testing::TestWithParam<CasoCfop> {};

TEST_P(AquisicaoEppTest, AquisicoesForaDasFaixasExcluidasSaoSomadas) {
    TGimEPP epp;
    epp.AcumularAquisicao(GetParam().cfop, Centavos(5000));
    epp.AcumularAquisicaoInterna(GetParam().cfop, Centavos(3000));
    const bool computado = GetParam().computado;
    EXPECT_EQ(epp.TotalAquisicoes(), computado ? Centavos(5000) : Moeda()) << GetParam().cfop;
    EXPECT_EQ(epp.AquisicoesInternas(), computado ? Centavos(3000) : Moeda()) << GetParam().cfop;
}

INSTANTIATE_TEST_SUITE_P(Cfops, AquisicaoEppTest,
                         testing::Values(CasoCfop{1102, true}, CasoCfop{1150, true}, CasoCfop{1151, false},
                                         CasoCfop{1154, false}, CasoCfop{1155, true}, CasoCfop{1413, true},
                                         CasoCfop{1414, false}, CasoCfop{1901, false}, CasoCfop{1926, false},
                                         CasoCfop{1927, true}, CasoCfop{2502, true}, CasoCfop{2503, false},
                                         CasoCfop{2556, true}, CasoCfop{2949, false}, CasoCfop{3102, true},
                                         CasoCfop{3930, false}));

struct CasoBaseEfetiva {
    std::int64_t saidas;
    std::int64_t mediaEntradas;
    Moeda esperada;
};

class BaseEfetivaTest : public testing::TestWithParam<CasoBaseEfetiva> {};

TEST_P(BaseEfetivaTest, MaiorEntreSaidasEOitentaPorCentoDaMedia) {
    TGimEPP epp;
    epp.AcumularSaida(5102, Centavos(GetParam().saidas));
    epp.CalcularBaseEfetiva(Centavos(GetParam().mediaEntradas));
    EXPECT_EQ(epp.BaseEfetiva(), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(Casos, BaseEfetivaTest,
                         testing::Values(CasoBaseEfetiva{1000000, 1500000, Centavos(1200000)},
                                         CasoBaseEfetiva{1000000, 1250000, Centavos(1000000)},
                                         // 0.8 × 12 500.01 = 10 000.008, kept to four decimals
                                         CasoBaseEfetiva{1000000, 1250001, Moeda::DeUnidades(100000080)},
                                         CasoBaseEfetiva{0, 0, Moeda()}));

TEST(ImpostoDevidoTest, PercentualEmDecimosAplicadoABaseEfetivaComQuatroDecimais) {
    TGimEPP epp;
    epp.AcumularSaida(5102, Centavos(1200000));
    epp.CalcularBaseEfetiva(Moeda());
    epp.CalcularImpostoDevido(2.5);
    EXPECT_EQ(epp.ImpostoDevido(), Centavos(30000));

    epp.AcumularSaida(5102, Centavos(1));  // 12 000.01 × 2.5 % = 300.00025: four decimals, rounded
    epp.CalcularBaseEfetiva(Moeda());
    epp.CalcularImpostoDevido(2.5);
    EXPECT_EQ(epp.ImpostoDevido(), Moeda::DeUnidades(3000003));
}

TEST(PercentualEmpregadosTest, PontosPorFaixaDeEmpregados) {
    const std::pair<std::int32_t, std::int32_t> casos[] = {{0, 0},   {1, 1},   {5, 5},  {6, 7},
                                                           {20, 35}, {21, 35}, {999, 35}};
    for (const auto& [empregados, percentual] : casos) {
        TGimEPP epp;
        epp.CalcularPercentualEmpregados(empregados);
        EXPECT_EQ(epp.PercentualEmpregados(), percentual) << empregados << " empregados";
    }
}

struct CasoAquisicoes {
    std::int64_t total;
    std::int64_t internas;
    std::int32_t percentual;
};

class PercentualAquisicoesTest : public testing::TestWithParam<CasoAquisicoes> {};

TEST_P(PercentualAquisicoesTest, ParticipacaoInteiraDasInternasDecideOCredito) {
    TGimEPP epp;
    epp.AcumularAquisicao(1102, Centavos(GetParam().total));
    epp.AcumularAquisicaoInterna(1102, Centavos(GetParam().internas));
    epp.CalcularPercentualAquisicoes();
    EXPECT_EQ(epp.PercentualAquisicoes(), GetParam().percentual);
}

INSTANTIATE_TEST_SUITE_P(Casos, PercentualAquisicoesTest,
                         testing::Values(CasoAquisicoes{100000, 79900, 20},  // 79.9 %: share 79
                                         CasoAquisicoes{100000, 80000, 40}, CasoAquisicoes{100000, 100000, 40},
                                         CasoAquisicoes{100000, 60000, 20}, CasoAquisicoes{100000, 59999, 0},
                                         CasoAquisicoes{0, 0, 0}));  // no acquisitions: no division

TEST(CreditoPresumidoTest, PercentuaisSomadosLimitadosACinquenta) {
    TGimEPP epp;
    epp.AcumularSaida(5102, Centavos(1200000));
    epp.AcumularAquisicao(1102, Centavos(100000));
    epp.AcumularAquisicaoInterna(1102, Centavos(90000));
    epp.CalcularBaseEfetiva(Moeda());
    epp.CalcularImpostoDevido(2.5);
    epp.CalcularPercentualEmpregados(20);
    epp.CalcularPercentualAquisicoes();
    epp.CalcularCreditoPresumido();
    EXPECT_EQ(epp.PercentualPresumido(), 50);  // 40 + 35
    EXPECT_EQ(epp.CreditoPresumido(), Centavos(15000));
    EXPECT_EQ(epp.ImpostoARecolher(), Centavos(15000));
}

TEST(CreditoPresumidoTest, CreditoComQuatroDecimaisEImpostoARecolherORestante) {
    TGimEPP epp;
    epp.AcumularSaida(5102, Centavos(1000001));  // 10 000.01 × 2.5 % = 250.00025 → 250.0003
    epp.CalcularBaseEfetiva(Moeda());
    epp.CalcularImpostoDevido(2.5);
    epp.CalcularPercentualEmpregados(7);  // 9 %
    epp.CalcularPercentualAquisicoes();
    epp.CalcularCreditoPresumido();
    EXPECT_EQ(epp.PercentualPresumido(), 9);
    EXPECT_EQ(epp.CreditoPresumido(), Moeda::DeUnidades(225000));  // 22.500027 → 22.5000
    EXPECT_EQ(epp.ImpostoARecolher(), Moeda::DeUnidades(2500003 - 225000));
}

TEST(FuncepNormalTest, TetoDeVintePorCentoDosDebitosMaisOProprioFuncep) {
    TValid_FUNCEP funcep;
    funcep.SetDebitoSaidas(Centavos(100000));
    funcep.SetFuncepNormal(Centavos(25000));  // 0.2 × 1 250.00 = 250.00
    EXPECT_FALSE(funcep.FuncepNormalExcedido());
    funcep.SetFuncepNormal(Centavos(25001));
    EXPECT_TRUE(funcep.FuncepNormalExcedido());
    funcep.SetDebitoSaidas(Moeda());
    funcep.SetFuncepNormal(Moeda());
    EXPECT_FALSE(funcep.FuncepNormalExcedido());
}

}  // namespace
}  // namespace zq
