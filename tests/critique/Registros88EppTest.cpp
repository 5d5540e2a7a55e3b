// The small enterprise's assessment (8814, and 8817 under the later rule) recomputed from the national records,
// in whole declarations through the exported function; and the FUNCEP ceiling of 8816.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "record-model/comum/Formatador.h"
#include "support/DeclaracaoHost.h"
#include "support/DeclaracaoMensal.h"
#include "support/Registros50a76.h"
#include "support/Registros88.h"
#include "support/RegistrosApuracao88.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

// Sales of 10 000.00 and internal purchases of 8 000.00: with an average of entries of 15 000.00 the effective
// base is 12 000.00; at 2.5 % the tax due is 300.00; 6 employees give 7 % and the purchases, all internal, 40 %.
Registro8814 Correto8814() {
    return {.baseApurada = 1000000, .mediaEntradas = 1500000, .baseEfetiva = 1200000, .percentualRecolhimento = 25,
            .impostoDevido = 30000, .empregados = 6, .creditoEmpregados = 7, .totalAquisicoes = 800000,
            .aquisicoesInternas = 800000, .creditoAquisicoes = 40, .percentualPresumido = 47,
            .creditoPresumido = 14100, .impostoARecolher = 15900};
}

// The same figures under the later rule: granted credits of 50.00 + 30.00 + 20.00.
Registro8817 Correto8817() {
    return {.baseApurada = 1000000, .mediaEntradas = 1500000, .baseEfetiva = 1200000, .percentualRecolhimento = 25,
            .impostoDevido = 30000, .creditoTefEcf = 5000, .chequeMoradia = 3000, .chequeEducacao = 2000,
            .creditoOutorgado = 10000, .impostoARecolher = 20000};
}

// An EPP declaration: a sale and a purchase within the state, the regime "7" in 8804, the accountant and the
// assessment lines given.
struct DeclaracaoEpp {
    std::string periodo = "200605";
    std::vector<Registro50> notas = {
        {.data = "20060510", .numero = 1, .cfop = 5102, .total = 1000000, .base = 1000000, .icms = 170000},
        {.cnpj = "44555666000181", .data = "20060512", .numero = 4521, .cfop = 1102, .emitente = 'T',
         .total = 800000, .base = 800000, .icms = 136000},
    };
    std::vector<std::string> notasAposRegistros50;
    std::vector<std::string> apuracoes = {Correto8814().Linha()};

    std::vector<std::string> Linhas() const {
        std::vector<std::string> linhas{Registro10{.periodo = periodo}.Linha()};
        for (const auto& nota : notas) linhas.push_back(Linha126(nota.Linha()));
        linhas.insert(linhas.end(), notasAposRegistros50.begin(), notasAposRegistros50.end());
        linhas.push_back(Registro8804{.periodo = periodo, .regime = '7'}.Linha());
        linhas.push_back(Registro8805().Linha());
        linhas.insert(linhas.end(), apuracoes.begin(), apuracoes.end());
        for (auto& linha : Registros90(linhas)) linhas.push_back(std::move(linha));
        return linhas;
    }
};

DeclaracaoEpp Com8817(const Registro8817& registro = Correto8817()) {
    DeclaracaoEpp declaracao;
    declaracao.periodo = "200612";
    for (auto& nota : declaracao.notas) nota.data.replace(4, 2, "12");
    declaracao.apuracoes = {registro.Linha()};
    return declaracao;
}

class EppTest : public DeclaracaoHostTest {
protected:
    std::string Criticar(const DeclaracaoEpp& declaracao) { return DeclaracaoHostTest::Criticar(declaracao.Linhas()); }
};

TEST_F(EppTest, ApuracaoComTodosOsValoresCertosDaZeroSemMensagens) {
    for (const DeclaracaoEpp& declaracao : {DeclaracaoEpp(), Com8817()}) {
        const std::string relatorio = Criticar(declaracao);
        EXPECT_EQ(Resultado(), 0) << relatorio;
        EXPECT_THAT(relatorio, Not(HasSubstr("REJEIÇÃO")));
        EXPECT_THAT(relatorio, Not(HasSubstr("ADVERTÊNCIA")));
    }
}

struct CasoComparacao {
    const char* nome;
    std::function<void(Registro8814&)> ajuste;
    std::string esperado;  // empty: no message of the 8814
};

class Comparacao8814Test : public EppTest, public testing::WithParamInterface<CasoComparacao> {};

TEST_P(Comparacao8814Test, CadaValorComparadoComORecalculado) {
    Registro8814 registro = Correto8814();
    GetParam().ajuste(registro);
    DeclaracaoEpp declaracao;
    declaracao.apuracoes = {registro.Linha()};
    const std::string relatorio = Criticar(declaracao);
    if (GetParam().esperado.empty()) {
        EXPECT_EQ(Resultado(), 0) << relatorio;
        EXPECT_THAT(relatorio, Not(HasSubstr("8814")));
    } else {
        EXPECT_THAT(relatorio, HasSubstr(" - " + GetParam().esperado + "\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Comparacao8814Test,
    testing::Values(
        CasoComparacao{"base_9_00_acima_aceita", [](Registro8814& r) { r.baseApurada += 900; }, ""},
        CasoComparacao{"base_9_00_abaixo_aceita", [](Registro8814& r) { r.baseApurada -= 900; }, ""},
        CasoComparacao{"base_9_01_acima",
                       [](Registro8814& r) { r.baseApurada += 901; },
                       "REJEIÇÃO (Reg.8814): Base Recolhimento Apurada calculada 10.000,00 difere do Lido: "
                       "10.009,01. "},
        CasoComparacao{"base_efetiva",
                       [](Registro8814& r) { r.baseEfetiva = 1000000; },
                       "REJEIÇÃO (Reg.8814): Base Recolhimento Efetiva calculada 12000 difere do Lido: 001000000"},
        CasoComparacao{"imposto_devido",
                       [](Registro8814& r) { r.impostoDevido = 29099; },
                       "REJEIÇÃO (Reg.8814): Imposto Devido calculado 300 difere do Lido: 000029099"},
        CasoComparacao{"credito_empregados_sem_tolerancia",
                       [](Registro8814& r) { r.creditoEmpregados = 8; },
                       "REJEIÇÃO (Reg.8814): Credito por Empregados calculado 7 difere do Lido: 08"},
        CasoComparacao{"total_aquisicoes",
                       [](Registro8814& r) { r.totalAquisicoes = 900000; },
                       "REJEIÇÃO (Reg.8814): Total de Aquisiçoes calculado 8000 difere do Lido: 000900000"},
        CasoComparacao{"aquisicoes_internas",
                       [](Registro8814& r) { r.aquisicoesInternas = 700000; },
                       "REJEIÇÃO (Reg.8814): Aquisiçoes Internas calculado 8000 difere do Lido: 000700000"},
        CasoComparacao{"credito_aquisicoes",
                       [](Registro8814& r) { r.creditoAquisicoes = 20; },
                       "REJEIÇÃO (Reg.8814): Credito por Aquisicoes Internas calculado 40 difere do Lido: 20"},
        CasoComparacao{"percentual_presumido",
                       [](Registro8814& r) { r.percentualPresumido = 46; },
                       "REJEIÇÃO (Reg.8814): Percentual de Credito Presumido calculado 47 difere do Lido: 46"},
        CasoComparacao{"credito_presumido",
                       [](Registro8814& r) { r.creditoPresumido = 13199; },
                       "REJEIÇÃO (Reg.8814): Credito Presumido calculado 141 difere do Lido: 000013199"},
        CasoComparacao{"imposto_a_recolher",
                       [](Registro8814& r) { r.impostoARecolher = 16801; },
                       "REJEIÇÃO (Reg.8814): Imposto a Recolher calculado 159 difere do Lido: 000016801"},
        CasoComparacao{"st_saidas_3_00_aceita", [](Registro8814& r) { r.stSaidasAnexoV = 300; }, ""},
        CasoComparacao{"st_saidas",
                       [](Registro8814& r) {
                           r.stSaidasAnexoV = 200;
                           r.stSaidasFonte = 101;
                       },
                       "ADVERTÊNCIA (Reg 8814): Total da ST por saidas internas <> ST saidas internas Anexo V + ST "
                       "saidas internas Regime Fonte. Lido: 3,01 Apurado: 0,00"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(EppTest, CreditoPresumidoLimitadoACinquentaPorCento) {
    // 21 employees (35 %) and internal purchases (40 %): 50 % of 300.00.
    Registro8814 registro = Correto8814();
    registro.empregados = 21;
    registro.creditoEmpregados = 35;
    registro.percentualPresumido = 50;
    registro.creditoPresumido = 15000;
    registro.impostoARecolher = 15000;
    DeclaracaoEpp declaracao;
    declaracao.apuracoes = {registro.Linha()};
    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Resultado(), 0) << relatorio;
}

TEST_F(EppTest, SaidasEAquisicoesDeCuponsEFretesEntramNaApuracao) {
    // Fiscal printer 200.00 at 17 % (and 50.00 under substitution, not taxed), consumer invoices on a base of
    // 100.00, a freight out of 100.00 and a freight in of 50.00 paid by the declarant (modality 2).
    DeclaracaoEpp declaracao;
    declaracao.notasAposRegistros50 = {
        Registro60M{.data = "20060515", .vendaBruta = 25000}.Linha(),
        Registro60A{.data = "20060515", .valor = 20000}.Linha(),
        Registro60A{.data = "20060515", .situacao = "F", .valor = 5000}.Linha(),
        Registro61{.data = "20060520", .total = 10000, .base = 10000}.Linha(),
        Linha126(Registro70{.data = "20060516", .total = 10000, .base = 10000}.Linha()),
        Linha126(Registro70{.data = "20060517", .numero = 124, .cfop = 1352, .total = 5000, .base = 5000,
                            .icms = 600, .frete = '2'}
                     .Linha()),
    };
    Registro8814 registro = Correto8814();
    registro.baseApurada = 1040000;
    registro.totalAquisicoes = 805000;
    declaracao.apuracoes = {registro.Linha()};
    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Resultado(), 0) << relatorio;
}

TEST_F(EppTest, ApuracaoRepetidaEhRejeitadaNoFim) {
    DeclaracaoEpp declaracao;
    declaracao.apuracoes.push_back(declaracao.apuracoes.front());
    EXPECT_THAT(Criticar(declaracao),
                HasSubstr(" - REJEIÇÃO: Foram encontrados 2 detalhes 14 do registro 88. Deve ser apenas 1.\r\n"));
}

TEST_F(EppTest, ApuracaoDe8814AposJunhoDe2006DeveIrNo8817) {
    DeclaracaoEpp declaracao;
    declaracao.periodo = "200607";
    EXPECT_THAT(Criticar(declaracao),
                HasSubstr(" - REJEIÇÃO : Usar o Reg. 8817 para informar Apuração da EPP - MP 37/06.\r\n"));
    declaracao.periodo = "200606";
    EXPECT_THAT(Criticar(declaracao), Not(HasSubstr("Usar o Reg. 8817")));
}

TEST_F(EppTest, ApuracaoDe8817SoDeJulhoDe2006AJunhoDe2007) {
    const std::pair<const char*, const char*> casos[] = {
        {"200606", "REJEIÇÃO : Usar o Reg. 8814 para informar Apuração da EPP."},
        {"200607", nullptr},
        {"200706", nullptr},
        {"200707", "REJEIÇÃO : Só é permitida a GIM de EPP (registro 8817) até 06/2007."},
    };
    for (const auto& [periodo, rejeicao] : casos) {
        DeclaracaoEpp declaracao = Com8817();
        declaracao.periodo = periodo;
        const std::string relatorio = Criticar(declaracao);
        if (rejeicao != nullptr) {
            EXPECT_THAT(relatorio, HasSubstr(" - " + std::string(rejeicao) + "\r\n")) << periodo;
        } else {
            EXPECT_EQ(Resultado(), 0) << periodo << relatorio;
        }
    }
}

TEST_F(EppTest, ApuracaoDe8817ComparaCreditoOutorgadoEImpostoARecolher) {
    Registro8817 registro = Correto8817();
    registro.baseApurada += 1000;
    registro.creditoOutorgado = 11000;
    registro.impostoARecolher = 19000;
    const std::string relatorio = Criticar(Com8817(registro));
    // The base keeps the wording of 8814.
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg.8814): Base Recolhimento Apurada calculada 10.000,00 difere do "
                                     "Lido: 10.010,00. \r\n"));
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg.8817): Crédito Outorgado calculado 100 difere do Lido: "
                                     "000011000\r\n"));
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg.8817): Imposto a Recolher calculado 200 difere do Lido: "
                                     "000019000\r\n"));
    EXPECT_THAT(relatorio, Not(HasSubstr("Efetiva")));
}

TEST_F(EppTest, RejeicaoAnteriorDispensaPeriodoEComparacoes) {
    // An ICMS of 1 700.11 on the sale's 10 000.00 at 17 %: rejected before the GIM lines.
    Registro8814 registro8814 = Correto8814();
    registro8814.creditoEmpregados = 8;
    DeclaracaoEpp com8814;
    com8814.periodo = "200607";
    com8814.apuracoes = {registro8814.Linha()};
    Registro8817 registro8817 = Correto8817();
    registro8817.creditoOutorgado = 0;
    DeclaracaoEpp com8817 = Com8817(registro8817);
    com8817.periodo = "200707";
    for (DeclaracaoEpp declaracao : {com8814, com8817}) {
        declaracao.notas[0].icms = 170011;
        const std::string relatorio = Criticar(declaracao);
        EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação dentro do "
                                         "estado"));
        EXPECT_THAT(relatorio, Not(HasSubstr("Reg.881")));
        EXPECT_THAT(relatorio, Not(HasSubstr("Usar o Reg.")));
        EXPECT_THAT(relatorio, Not(HasSubstr("Só é permitida")));
    }
}

TEST_F(EppTest, CamposInvalidosSaoTodosRelatadosESemComparacoes) {
    DeclaracaoEpp com8814;
    com8814.apuracoes = {Sobrescrever(Sobrescrever(Correto8814().Linha(), 43, "0A6"), 66, "-4")};
    std::string relatorio = Criticar(com8814);
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg 8814 - GIM EPP) Campo 'Número de Empregados' não possui um "
                                     "valor numérico válido: '0A6'\r\n"));
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg 8814 - GIM EPP) Campo 'Crédito por Aquisições Internas' "));
    EXPECT_THAT(relatorio, Not(HasSubstr("calculad")));

    DeclaracaoEpp com8817 = Com8817();
    com8817.apuracoes = {Sobrescrever(Correto8817().Linha(), 61, "00000200X")};
    relatorio = Criticar(com8817);
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg 8817 - GIM EPP-MP 37/06) Campo 'Crédito Cheque Educação' não "
                                     "possui um valor monetário válido: '00000200X'\r\n"));
    EXPECT_THAT(relatorio, Not(HasSubstr("calculad")));
}

TEST_F(EppTest, EmpresaNormalNaoPodeInformarApuracaoDeEpp) {
    struct Caso {
        std::string linha;
        std::ptrdiff_t posicao;  // in the GIM of the monthly declaration, keeping the sub-types in order
        const char* rejeicao;
    };
    const Caso casos[] = {
        {Correto8814().Linha(), 4, "REJEIÇÃO (Reg8804): Empresa NORMAL não pode informar Registro 8814.)"},
        {Correto8817().Linha(), 6, "REJEIÇÃO (Reg.8804): Empresa NORMAL não pode informar Registro 8817.)"},
    };
    for (const Caso& caso : casos) {
        DeclaracaoMensal declaracao;
        declaracao.gim.insert(declaracao.gim.begin() + caso.posicao, caso.linha);
        const std::string relatorio = DeclaracaoHostTest::Criticar(declaracao.Linhas());
        EXPECT_EQ(Resultado(), 2);
        EXPECT_THAT(relatorio, HasSubstr(" - " + std::string(caso.rejeicao) + "\r\n"));
        EXPECT_THAT(relatorio, Not(HasSubstr("fora da sequência")));
    }
}

TEST_F(EppTest, DeclaracaoEppSemApuracaoEhRejeitada) {
    DeclaracaoEpp declaracao;
    declaracao.apuracoes.clear();
    EXPECT_THAT(Criticar(declaracao),
                HasSubstr(" - REJEIÇÃO (Reg.8804): Não Existe Registro com Informações Crédito - EPP.\r\n"));
}

// --- FUNCEP ceiling ---------------------------------------------------------------------------------------------

TEST_F(EppTest, FuncepNormalAteVintePorCentoDosDebitosComOFuncep) {
    // Debits found: 348.50. 8802 field 6 plus the FUNCEP must give them; the ceiling is 20 % of that sum, 69.70.
    const std::pair<long long, bool> casos[] = {{6970, false}, {6971, true}};
    for (const auto& [funcep, excedido] : casos) {
        DeclaracaoMensal declaracao;
        declaracao.gim[1] = Gim88("02", {34850 - funcep, 0, 0, 0, 0, 0, 0, 0});
        declaracao.gim[5] = GimSemCabecalho("16", {funcep, 0, 0, 0, 0});
        const std::string relatorio = DeclaracaoHostTest::Criticar(declaracao.Linhas());
        const std::string rejeicao = " - REJEIÇÃO (Reg.8816): Valor do FUNCEP-Icms Normal excedido: " +
                                     FormatarValor(Moeda::DeCentavos(funcep)) + "\r\n";
        if (excedido) {
            EXPECT_THAT(relatorio, HasSubstr(rejeicao));
        } else {
            EXPECT_EQ(Resultado(), 0) << relatorio;
        }
    }
}

}  // namespace
}  // namespace zq::teste
