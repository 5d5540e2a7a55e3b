#include <gtest/gtest.h>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/registros/Reg55.h"
#include "record-model/registros/Reg60A.h"
#include "record-model/registros/Reg61.h"
#include "record-model/registros/Reg61R.h"
#include "record-model/registros/Reg70.h"
#include "record-model/registros/Reg71.h"
#include "record-model/registros/Reg76.h"

namespace zq {
namespace {

using namespace std::chrono;

// A line of 126 columns, blank but for the prefix and the texts given at their first columns.
std::string Linha(std::string_view tipo, std::initializer_list<std::pair<int, std::string_view>> campos) {
    std::string linha(126, ' ');
    linha.replace(0, tipo.size(), tipo);
    for (const auto& [coluna, texto] : campos) linha.replace(static_cast<std::size_t>(coluna) - 1, texto.size(), texto);
    return linha;
}

// ---- Record 55

struct CasoReg55 {
    bool antigo;
    std::string linha;
    const char* numeroGnre;
};

class Reg55Leiautes : public testing::TestWithParam<CasoReg55> {};

TEST_P(Reg55Leiautes, Campos) {
    const CasoReg55& caso = GetParam();
    TReg55 reg;
    reg.SetLeiauteAntigo(caso.antigo);
    reg.SetLinha(caso.linha);
    EXPECT_EQ(reg.Cnpj(), "11222333000181");
    EXPECT_EQ(reg.InscricaoEstadual(), "ISENTO");
    EXPECT_EQ(reg.DataPagamento(), year{2024} / April / 10);
    EXPECT_EQ(reg.UfSubstituto(), "ZQ");
    EXPECT_EQ(reg.UfFavorecida(), "sp");
    EXPECT_EQ(reg.Banco(), 1);
    EXPECT_EQ(reg.Agencia(), 1234);
    EXPECT_EQ(reg.NumeroGnre(), caso.numeroGnre);
    EXPECT_EQ(reg.Valor(), Moeda::DeCentavos(98765));
    EXPECT_EQ(reg.DataVencimento(), year{2024} / April / 15);
    EXPECT_EQ(reg.MesAnoReferencia(), "032024");
    EXPECT_EQ(reg.PeriodoReferencia(), "2024-03");
    EXPECT_EQ(reg.NumeroConvenio(), "PROTOCOLO 41/08");
    EXPECT_EQ(reg.GetLinha(), caso.linha);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Reg55Leiautes,
    testing::Values(CasoReg55{false,
                              Linha("55", {{3, "11222333000181"}, {17, "  ISENTO"}, {31, "20240410"}, {39, "ZQ"},
                                           {41, "sp"}, {43, "001"}, {46, "1234"}, {50, " 1234567890123456789"},
                                           {70, "0000000098765"}, {83, "20240415"}, {91, "032024"},
                                           {97, "PROTOCOLO 41/08"}}),
                              "1234567890123456789"},
                    CasoReg55{true,
                              Linha("55", {{3, "11222333000181"}, {17, "  ISENTO"}, {31, "20240410"}, {39, "ZQ"},
                                           {41, "sp"}, {43, "001"}, {46, "1234"}, {50, "GNRE12345678"},
                                           {62, "0000000098765"}, {75, "20240415"}, {83, "032024"},
                                           {89, "PROTOCOLO 41/08"}}),
                              "GNRE12345678"}));

TEST(Reg55, PeriodoDeReferenciaEmBrancoEVazio) {
    TReg55 reg;
    reg.SetMesAnoReferencia("      ");
    EXPECT_EQ(reg.PeriodoReferencia(), "");
    reg.SetMesAnoReferencia("122017");
    EXPECT_EQ(reg.PeriodoReferencia(), "2017-12");
}

// ---- Record 60A

struct CasoReg60A {
    bool antigo;
    std::string linha;
    const char* numeroSerie;
    const char* numeroOrdem;
    const char* situacao;
    double aliquota;
};

class Reg60ALeiautes : public testing::TestWithParam<CasoReg60A> {};

TEST_P(Reg60ALeiautes, Campos) {
    const CasoReg60A& caso = GetParam();
    TReg60A reg;
    reg.SetLeiauteAntigo(caso.antigo);
    reg.SetLinha(caso.linha);
    EXPECT_EQ(reg.DataEmissao(), year{2017} / May / 2);
    EXPECT_EQ(reg.NumeroSerie(), caso.numeroSerie);
    EXPECT_EQ(reg.NumeroOrdem(), caso.numeroOrdem);
    EXPECT_EQ(reg.SituacaoTributaria(), caso.situacao);
    EXPECT_DOUBLE_EQ(reg.Aliquota(), caso.aliquota);
    EXPECT_EQ(reg.Valor(), Moeda::DeCentavos(10000));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Reg60ALeiautes,
    testing::Values(
        CasoReg60A{false, Linha("60A", {{4, "20170502"}, {12, " BE0512  ÃB "}, {32, "1700"}, {36, "000000010000"}}),
                   "BE0512 AB", "", "1700", 17.0},
        CasoReg60A{false, Linha("60A", {{4, "20170502"}, {12, "BE0512"}, {32, "0700"}, {36, "000000010000"}}),
                   "BE0512", "", "0700", 7.0},
        CasoReg60A{false, Linha("60A", {{4, "20170502"}, {12, "BE0512"}, {32, "F   "}, {36, "000000010000"}}),
                   "BE0512", "", "F", 0.0},
        CasoReg60A{false, Linha("60A", {{4, "20170502"}, {12, "BE0512"}, {32, "CANC"}, {36, "000000010000"}}),
                   "BE0512", "", "CANC", 0.0},
        CasoReg60A{false, Linha("60A", {{4, "20170502"}, {12, "BE0512"}, {32, "    "}, {36, "000000010000"}}),
                   "BE0512", "", "", 0.0},
        CasoReg60A{false, Linha("60A", {{4, "20170502"}, {12, "BE0512"}, {32, "17 0"}, {36, "000000010000"}}),
                   "BE0512", "", "17 0", 0.0},
        CasoReg60A{true, Linha("60A", {{4, "20170502"}, {12, " 7 "}, {15, "1200"}, {19, "000000010000"}}), "", "007",
                   "1200", 12.0},
        CasoReg60A{true, Linha("60A", {{4, "20170502"}, {12, "012"}, {15, "I   "}, {19, "000000010000"}}), "", "012",
                   "I", 0.0}));

TEST(Reg60A, ComposicaoNosDoisLeiautes) {
    TReg60A reg;
    reg.SetDataEmissao(year{2017} / May / 2);
    reg.SetNumeroSerie("BE0512");
    reg.SetSituacaoTributaria("1700");
    reg.SetValor(Moeda::DeCentavos(10000));
    EXPECT_EQ(reg.GetLinha(), Linha("60A", {{4, "20170502"}, {12, "BE0512"}, {32, "1700"}, {36, "000000010000"}}));

    reg.SetLeiauteAntigo(true);
    reg.SetNumeroOrdem("3");
    EXPECT_EQ(reg.NumeroOrdem(), "003");
    EXPECT_EQ(reg.GetLinha(), Linha("60A", {{4, "20170502"}, {12, "003"}, {15, "1700"}, {19, "000000010000"}}));
}

// ---- Record 61

TEST(Reg61, CamposEComposicao) {
    const std::string linha = Linha("61", {{31, "20170531"}, {39, "02"}, {41, "d  "}, {44, "u1"}, {46, "000101"},
                                           {52, "000250"}, {58, "0000000150000"}, {71, "0000000100000"},
                                           {84, "000000017000"}, {96, "0000000050000"}, {109, "0000000000000"},
                                           {122, "1700"}});
    TReg61 reg;
    reg.SetLinha(linha);
    EXPECT_EQ(reg.DataEmissao(), year{2017} / May / 31);
    EXPECT_EQ(reg.Modelo(), "02");
    EXPECT_EQ(reg.Serie(), "D  ");
    EXPECT_EQ(reg.Subserie(), "U1");
    EXPECT_EQ(reg.NumeroInicial(), 101);
    EXPECT_EQ(reg.NumeroInicialTexto(), "000101");
    EXPECT_EQ(reg.NumeroFinal(), 250);
    EXPECT_EQ(reg.NumeroFinalTexto(), "000250");
    EXPECT_EQ(reg.ValorTotal(), Moeda::DeCentavos(150000));
    EXPECT_EQ(reg.BaseCalculo(), Moeda::DeCentavos(100000));
    EXPECT_EQ(reg.ValorIcms(), Moeda::DeCentavos(17000));
    EXPECT_EQ(reg.Isentas(), Moeda::DeCentavos(50000));
    EXPECT_EQ(reg.Outras(), Moeda());
    EXPECT_DOUBLE_EQ(reg.Aliquota(), 17.0);

    // Columns 3-30 are not read and are written blank.
    std::string comLixo = linha;
    comLixo.replace(2, 28, std::string(28, 'x'));
    reg.SetLinha(comLixo);
    reg.SetNumeroFinal(251);
    std::string esperada = linha;
    esperada.replace(40, 5, "D  U1");
    esperada.replace(51, 6, "000251");
    EXPECT_EQ(reg.GetLinha(), esperada);
}

// ---- Record 61R

TEST(Reg61R, CamposEComposicao) {
    const std::string linha = Linha("61R", {{4, "052017"}, {10, "PROD-001      "}, {24, "0000000012500"},
                                            {37, "0000000000150000"}, {53, "0000000000100000"}, {69, "1800"}});
    TReg61R reg;
    reg.SetLinha(linha);
    EXPECT_EQ(reg.MesAno(), year{2017} / May / 1);
    EXPECT_EQ(reg.CodigoProduto(), "PROD-001      ");
    EXPECT_EQ(reg.Quantidade(), 12500);
    EXPECT_EQ(reg.ValorBruto(), Moeda::DeCentavos(150000));
    EXPECT_EQ(reg.BaseCalculo(), Moeda::DeCentavos(100000));
    EXPECT_DOUBLE_EQ(reg.Aliquota(), 18.0);
    EXPECT_EQ(reg.GetLinha(), linha);

    reg.SetMesAno(year{2018} / December / 31);
    EXPECT_EQ(reg.MesAno(), year{2018} / December / 1);
    EXPECT_EQ(reg.GetLinha().substr(3, 6), "122018");
    reg.Limpar();
    reg.SetQuantidade(1);
    EXPECT_EQ(reg.GetLinha().substr(3, 33), "000000" + std::string(14, ' ') + "0000000000001");
}

TEST(Reg61R, CamposRuins) {
    TReg61R reg;
    // More than the 32-bit range.
    std::string linha = Linha("61R", {{4, "052017"}, {24, "0000002147483648"}, {37, "0000000000150000"},
                                      {53, "0000000000100000"}, {69, "1800"}});
    linha.replace(23, 13, "0002147483648");
    try {
        reg.SetLinha(linha);
        FAIL();
    } catch (const EFormatoInvalido& erro) {
        EXPECT_STREQ(erro.what(), "Formato inválido");
    }
    linha.replace(23, 13, "0002147483647");
    reg.SetLinha(linha);
    EXPECT_EQ(reg.Quantidade(), 2147483647);

    linha.replace(3, 6, "132017");
    try {
        reg.SetLinha(linha);
        FAIL();
    } catch (const EFormatoInvalido& erro) {
        EXPECT_STREQ(erro.what(), "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20171301");
    }
    linha.replace(3, 6, "  2017");
    EXPECT_THROW(reg.SetLinha(linha), EFormatoInvalido);
}

// ---- Record 70

struct CasoReg70 {
    bool antigo;
    std::string colunas52a68;
    std::int32_t cfop;
    std::int64_t valorTotalCentavos;
};

class Reg70Leiautes : public testing::TestWithParam<CasoReg70> {};

std::string Linha70(const std::string& colunas52a68, std::string_view situacao = "n") {
    return Linha("70", {{3, "11222333000181"}, {17, "161234569"}, {31, "20170503"}, {39, "zq"}, {41, "08"},
                        {43, "u"}, {44, "ab"}, {46, "000077"}, {52, colunas52a68}, {69, "00000000080000"},
                        {83, "00000000009600"}, {97, "00000000000000"}, {111, "00000000020000"}, {125, "c"},
                        {126, situacao}});
}

TEST_P(Reg70Leiautes, Campos) {
    const CasoReg70& caso = GetParam();
    TReg70 reg;
    reg.SetLeiauteAntigo(caso.antigo);
    const std::string linha = Linha70(caso.colunas52a68);
    reg.SetLinha(linha);
    EXPECT_EQ(reg.Cnpj(), "11222333000181");
    EXPECT_EQ(reg.InscricaoEstadual(), "161234569");
    EXPECT_EQ(reg.DataEmissao(), year{2017} / May / 3);
    EXPECT_EQ(reg.Uf(), "ZQ");
    EXPECT_EQ(reg.Modelo(), "08");
    EXPECT_EQ(reg.Serie(), 'U');
    EXPECT_EQ(reg.Subserie(), "AB");
    EXPECT_EQ(reg.Numero(), 77);
    EXPECT_EQ(reg.NumeroTexto(), "000077");
    EXPECT_EQ(reg.Cfop().Codigo(), caso.cfop);
    EXPECT_EQ(reg.ValorTotal(), Moeda::DeCentavos(caso.valorTotalCentavos));
    EXPECT_EQ(reg.BaseCalculo(), Moeda::DeCentavos(80000));
    EXPECT_EQ(reg.ValorIcms(), Moeda::DeCentavos(9600));
    EXPECT_EQ(reg.Isentas(), Moeda());
    EXPECT_EQ(reg.Outras(), Moeda::DeCentavos(20000));
    EXPECT_EQ(reg.CifFob(), 'c');
    EXPECT_EQ(reg.Situacao(), 'N');
    EXPECT_FALSE(reg.IsCancelada());

    reg.SetValorTotal(Moeda::DeCentavos(100001));
    reg.SetLinha(reg.GetLinha());
    EXPECT_EQ(reg.Cfop().Codigo(), caso.cfop);
    EXPECT_EQ(reg.ValorTotal(), Moeda::DeCentavos(100001));
    EXPECT_EQ(reg.CifFob(), 'c');
}

INSTANTIATE_TEST_SUITE_P(Casos, Reg70Leiautes,
                         testing::Values(CasoReg70{false, "63520000000100000", 6352, 100000},
                                         CasoReg70{true, "56200000000100000", 562, 100000},
                                         // A total beyond 13 digits only fits the earlier layout.
                                         CasoReg70{true, "16210000000000001", 162, 10000000000001}));

TEST(Reg70, IsCancelada) {
    const std::vector<std::pair<const char*, bool>> casos{{"S", true}, {"X", true}, {"2", true}, {"4", true},
                                                          {"N", false}, {"E", false}};
    TReg70 reg;
    for (const auto& [situacao, cancelada] : casos) {
        reg.SetLinha(Linha70("63520000000100000", situacao));
        EXPECT_EQ(reg.IsCancelada(), cancelada) << situacao;
    }
}

// ---- Record 71

struct Linha71 {
    std::string dataConhecimento = "20170504";
    std::string modeloConhecimento = "08";
    std::string numeroConhecimento = "000321";
    std::string dataNota = "20170502";
    std::string numeroNota = "004321";
    std::string valorNota = "00000000123456";

    std::string Linha() const {
        return zq::Linha("71", {{3, "11.222.333/000"}, {17, "  "}, {31, dataConhecimento}, {39, "zq"},
                                {41, modeloConhecimento}, {43, "u"}, {44, "ab"}, {46, numeroConhecimento},
                                {52, "SP"}, {54, "44555666000172"}, {68, "1234567890"}, {82, dataNota},
                                {90, "55"}, {92, "1a "}, {95, numeroNota}, {101, valorNota}});
    }
};

TEST(Reg71, Campos) {
    TReg71 reg;
    reg.SetLinha(Linha71().Linha());
    EXPECT_EQ(reg.CnpjTomador(), "11222333000");
    EXPECT_EQ(reg.IeTomador(), "ISENTO");
    EXPECT_EQ(reg.DataEmissaoConhecimento().AsData(), year{2017} / May / 4);
    EXPECT_EQ(reg.UfTomador(), "ZQ");
    EXPECT_EQ(reg.ModeloConhecimento().AsInteiro(), 8);
    EXPECT_EQ(reg.SerieConhecimento(), 'U');
    EXPECT_EQ(reg.SubserieConhecimento(), "ab");
    EXPECT_EQ(reg.NumeroConhecimento().AsInteiro(), 321);
    EXPECT_EQ(reg.UfNota(), "SP");
    EXPECT_EQ(reg.CnpjNota(), "44555666000172");
    EXPECT_EQ(reg.IeNota(), "1234567890");
    EXPECT_EQ(reg.DataEmissaoNota().AsData(), year{2017} / May / 2);
    EXPECT_EQ(reg.ModeloNota(), "55");
    EXPECT_EQ(reg.SerieNota(), "1a ");
    EXPECT_EQ(reg.NumeroNota().AsInteiro(), 4321);
    EXPECT_EQ(reg.ValorNota().AsMonetario(), Moeda::DeCentavos(123456));
    EXPECT_TRUE(reg.Valido());
}

struct CasoErros71 {
    const char* nome;
    Linha71 linha;
    std::vector<const char*> descricoes;
};

class Reg71Erros : public testing::TestWithParam<CasoErros71> {};

TEST_P(Reg71Erros, ColetadosNaOrdemDeLeitura) {
    TReg71 reg;
    try {
        reg.SetLinha(GetParam().linha.Linha());
        FAIL();
    } catch (const ERegSintegraInvalido& erro) {
        EXPECT_STREQ(erro.what(), "71");
        ASSERT_EQ(erro.Erros().size(), GetParam().descricoes.size());
        for (std::size_t i = 0; i < erro.Erros().size(); ++i) {
            ASSERT_NE(erro.Erros()[i].Campo, nullptr);
            EXPECT_EQ(erro.Erros()[i].Campo->Descricao(), GetParam().descricoes[i]);
        }
    }
    // Every field was read.
    EXPECT_EQ(reg.SerieNota(), "1a ");
}

Linha71 Com(void (*alterar)(Linha71&)) {
    Linha71 linha;
    alterar(linha);
    return linha;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Reg71Erros,
    testing::Values(
        CasoErros71{"ValorComLetras", Com([](Linha71& l) { l.valorNota = "0000000012345A"; }),
                    {"Valor total da nota fiscal"}},
        CasoErros71{"DataDoConhecimentoEValor", Com([](Linha71& l) {
                        l.valorNota = "ABCDEFGHIJKLMN";
                        l.dataConhecimento = "20171301";
                    }),
                    {"Data da emissão do conhecimento", "Valor total da nota fiscal"}},
        CasoErros71{"TodosOsDescritores", Com([](Linha71& l) {
                        l.dataConhecimento = "        ";
                        l.modeloConhecimento = "0x";
                        l.numeroConhecimento = "12 456";
                        l.dataNota = "20170230";
                        l.numeroNota = "00432.";
                        l.valorNota = "0000000012345 ";
                    }),
                    {"Data da emissão do conhecimento", "Modelo do conhecimento", "Número do conhecimento",
                     "Data da emissão da nota fiscal", "Número da nota fiscal", "Valor total da nota fiscal"}}),
    [](const testing::TestParamInfo<CasoErros71>& caso) { return std::string(caso.param.nome); });

TEST(Reg71, ComposicaoComNumerosDeSeisDigitos) {
    TReg71 reg;
    reg.SetLinha(Linha71().Linha());
    reg.SetNumeroNota(42);
    reg.SetNumeroConhecimento(7);
    EXPECT_EQ(reg.NumeroNota().Conteudo(), "000042");
    EXPECT_EQ(reg.NumeroConhecimento().Conteudo(), "000007");
    const std::string linha = reg.GetLinha();
    EXPECT_EQ(linha.size(), 126u);
    EXPECT_EQ(linha.substr(2, 28), "11222333000   ISENTO        ");
    EXPECT_EQ(linha.substr(45, 6), "000007");
    EXPECT_EQ(linha.substr(94, 6), "000042");
    EXPECT_EQ(linha.substr(100, 14), "00000000123456");
    EXPECT_EQ(linha.substr(114), std::string(12, ' '));
}

// ---- Record 76

std::string Linha76(std::string_view situacao = "n") {
    return Linha("76", {{3, "11222333000181"}, {17, "161234569"}, {31, "22"}, {33, "a1"}, {35, "b2"},
                        {37, "9876543210"}, {47, "1303"}, {51, "1"}, {52, "20170515"}, {60, "rj"},
                        {62, "0000000010000"}, {75, "0000000008000"}, {88, "000000002000"}, {100, "000000002000"},
                        {112, "000000000000"}, {124, "25"}, {126, situacao}});
}

TEST(Reg76, CamposEComposicao) {
    TReg76 reg;
    reg.SetLinha(Linha76());
    EXPECT_EQ(reg.Cnpj(), "11222333000181");
    EXPECT_EQ(reg.InscricaoEstadual(), "161234569");
    EXPECT_EQ(reg.Modelo(), "22");
    EXPECT_EQ(reg.Serie(), "A1");
    EXPECT_EQ(reg.Subserie(), "B2");
    EXPECT_EQ(reg.Numero(), 9876543210);
    EXPECT_EQ(reg.NumeroTexto(), "9876543210");
    EXPECT_EQ(reg.Cfop().Codigo(), 1303);
    EXPECT_EQ(reg.TipoReceita(), '1');
    EXPECT_EQ(reg.DataEmissao(), year{2017} / May / 15);
    EXPECT_EQ(reg.Uf(), "RJ");
    EXPECT_EQ(reg.ValorTotal(), Moeda::DeCentavos(10000));
    EXPECT_EQ(reg.BaseCalculo(), Moeda::DeCentavos(8000));
    EXPECT_EQ(reg.ValorIcms(), Moeda::DeCentavos(2000));
    EXPECT_EQ(reg.Isentas(), Moeda::DeCentavos(2000));
    EXPECT_EQ(reg.Outras(), Moeda());
    EXPECT_EQ(reg.Aliquota(), 25);
    EXPECT_EQ(reg.Situacao(), 'N');

    reg.SetNumero(42);
    EXPECT_EQ(reg.NumeroTexto(), "0000000042");
    std::string esperada = Linha76("N");
    esperada.replace(16, 14, "161234569     ");
    esperada.replace(32, 4, "A1B2");
    esperada.replace(36, 10, "0000000042");
    esperada.replace(59, 2, "RJ");
    EXPECT_EQ(reg.GetLinha(), esperada);
}

TEST(Reg76, IsCancelada) {
    const std::vector<std::pair<const char*, bool>> casos{{"S", true}, {"x", true}, {"2", true}, {"4", true},
                                                          {"N", false}, {"E", false}};
    TReg76 reg;
    for (const auto& [situacao, cancelada] : casos) {
        reg.SetLinha(Linha76(situacao));
        EXPECT_EQ(reg.IsCancelada(), cancelada) << situacao;
    }
    reg.SetSituacao('4');
    EXPECT_TRUE(reg.IsCancelada());
}

}  // namespace
}  // namespace zq
