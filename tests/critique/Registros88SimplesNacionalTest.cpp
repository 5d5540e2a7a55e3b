// The Simples Nacional GIM (8818) in whole declarations through the exported function: its field checks, its
// comparisons with record 10 and with the entries and ST of the national records, the establishment's
// categories, and the absences of the normal regime's records that it withdraws.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/DeclaracaoHost.h"
#include "support/DeclaracaoMensal.h"
#include "support/Registros50a76.h"
#include "support/Registros88.h"
#include "support/RegistrosApuracao88.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

// A head office's Simples Nacional GIM of 05/2010: a sale and a purchase of 1 000.00 each, billing of
// 10 000.00 at 2.50 % giving 250.00; the accountant; no 8804. (Before 05/2011 the previous month's receipt, 8830,
// is not required.)
struct DeclaracaoSimples {
    Registro10 registro10{.periodo = "201005"};
    std::vector<Registro50> notas = {
        {.data = "20100510", .numero = 1, .cfop = 5102, .total = 100000, .base = 100000, .icms = 17000},
        {.cnpj = "44555666000181", .data = "20100512", .numero = 4521, .cfop = 1102, .emitente = 'T',
         .total = 100000, .base = 100000, .icms = 17000},
    };
    std::vector<std::string> outrosNacionais;
    std::vector<std::string> antes8818 = {Registro8805().Linha()};
    Registro8818 registro8818{.periodo = "201005", .faturamento = 1000000, .totalEntradas = 100000,
                              .aliquota = 250, .icmsARecolher = 25000};
    std::vector<std::string> linhas8818;  // in place of registro8818 when not empty

    std::vector<std::string> Linhas() const {
        std::vector<std::string> linhas{registro10.Linha()};
        for (const auto& nota : notas) linhas.push_back(Linha126(nota.Linha()));
        linhas.insert(linhas.end(), outrosNacionais.begin(), outrosNacionais.end());
        linhas.insert(linhas.end(), antes8818.begin(), antes8818.end());
        if (linhas8818.empty()) {
            linhas.push_back(registro8818.Linha());
        } else {
            linhas.insert(linhas.end(), linhas8818.begin(), linhas8818.end());
        }
        for (auto& linha : Registros90(linhas)) linhas.push_back(std::move(linha));
        return linhas;
    }
};

class SimplesNacionalTest : public DeclaracaoHostTest {
protected:
    std::string Criticar(const DeclaracaoSimples& declaracao) {
        return DeclaracaoHostTest::Criticar(declaracao.Linhas());
    }
};

TEST_F(SimplesNacionalTest, DeclaracaoCorretaDaZeroSemAsAusenciasDoRegimeNormal) {
    const std::string relatorio = Criticar(DeclaracaoSimples());
    EXPECT_EQ(Resultado(), 0) << relatorio;
    EXPECT_THAT(relatorio, Not(HasSubstr("Não Existe Registro")));
    EXPECT_THAT(relatorio, Not(HasSubstr("ADVERTÊNCIA")));
}

TEST_F(SimplesNacionalTest, FiltroDasAusenciasMantemAsOutrasRejeicoes) {
    DeclaracaoSimples declaracao;
    declaracao.notas[0].icms = 17011;  // 0.11 above 17 % of 1 000.00
    const std::string relatorio = Criticar(declaracao);
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg 50): O valor do ICMS informado(II)"));
    EXPECT_THAT(relatorio, Not(HasSubstr("Não Existe Registro")));
}

TEST_F(SimplesNacionalTest, ComUm8804LidoAsAusenciasFicam) {
    DeclaracaoSimples declaracao;
    declaracao.antes8818.insert(declaracao.antes8818.begin(), Registro8804{.regime = '1'}.Linha());
    const std::string relatorio = Criticar(declaracao);
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg.8804): Não Existe Registro 8801. O regime de pagamento "
                                     "informado exige esse registro.\r\n"));
    EXPECT_THAT(relatorio, HasSubstr(" - REJEIÇÃO (Reg.8804): Não Existe Registro 8802. O regime de pagamento "
                                     "informado exige esse registro.\r\n"));
    // The regime of 8818 prevails at the end: no normal-regime requirements.
    EXPECT_THAT(relatorio, Not(HasSubstr("Empresa NORMAL")));
}

struct CasoSimples {
    const char* nome;
    std::function<void(DeclaracaoSimples&)> ajuste;
    std::vector<std::string> esperadas;
    std::vector<std::string> ausentes;
};

class RegraSimplesTest : public SimplesNacionalTest, public testing::WithParamInterface<CasoSimples> {};

TEST_P(RegraSimplesTest, MensagensDoRegistro8818) {
    DeclaracaoSimples declaracao;
    GetParam().ajuste(declaracao);
    const std::string relatorio = Criticar(declaracao);
    for (const auto& esperada : GetParam().esperadas) EXPECT_THAT(relatorio, HasSubstr(esperada));
    for (const auto& ausente : GetParam().ausentes) EXPECT_THAT(relatorio, Not(HasSubstr(ausente)));
}

const std::string kEntradas =
    "Campo 15: Total das entradas apurada nos registros 50 (Notas fiscais de entrada) e 70 (Serviço e/ou "
    "Conhecimento de Transporte) está diferente do encontrado no registro 88. O apurado 1.000,00 e o lido no "
    "registro 88 é ";

const std::string kAdvertenciaImposto =
    "ADVERTÊNCIA: O valor do ICMS a recolher (campo 18) obtido pela multiplicação do faturamento (campo 14) pela "
    "alíquota (campo 16) é R$ 250,00. O valor informado no arquivo para o ICMS a recolher é R$ 249,99. Este valor "
    "será lançado na base de dados da XAR e poderá ser fruto de futura cobrança. De forma que é importante ter "
    "certeza de que o valor informado no arquivo é o valor correto. Caso exista a certeza, então ignore a "
    "advertência.";

INSTANTIATE_TEST_SUITE_P(
    Formato, RegraSimplesTest,
    testing::Values(CasoSimples{
        "letra_no_faturamento",
        [](DeclaracaoSimples& d) { d.linhas8818 = {Sobrescrever(d.registro8818.Linha(), 85, "0001A0000")}; },
        {" - REJEIÇÃO (Reg 8818 - GIM Simples Nacional) Campo 'Faturamento' não possui um valor monetário "
         "válido: '0001A0000'\r\n"},
        {"(Reg.8818)", "(Reg 8818)", "Não Existe Registro"}},
                    CasoSimples{"linha_curta",
                                [](DeclaracaoSimples& d) { d.linhas8818 = {d.registro8818.Linha().substr(0, 110)}; },
                                {" - REJEIÇÃO (Reg. 8818) : O tamanho do registro está incorreto.",
                                 " - REJEIÇÃO (Reg 8818 - GIM Simples Nacional) Campo 'ICMS a recolher' não possui um "
                                 "valor monetário válido: ''\r\n",
                                 " - REJEIÇÃO (Reg 8818 - GIM Simples Nacional) Campo 'Categoria do Estabelecimento' "
                                 "não possui um valor numérico válido: ''\r\n"},
                                {"(Reg.8818)", "(Reg 8818)", "Erro ao processar"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Registro10, RegraSimplesTest,
    testing::Values(
        CasoSimples{"inscricao_de_outro_contribuinte",
                    [](DeclaracaoSimples& d) { d.registro8818.inscricao = "161234577"; },
                    {" - REJEIÇÃO (Reg.8818) Campo 3: Inscrição Estadual lida registro 8818 é diferente da encontrada "
                     "no registro 10. A encontrada no registro 8818 é 161234577 e a do registro 10 é 161234569.\r\n"},
                    {"Inscrição Estadual inválida"}},
        CasoSimples{"inscricao_com_digito_errado",
                    [](DeclaracaoSimples& d) { d.registro8818.inscricao = "161234560"; },
                    {" - REJEIÇÃO (Reg.8818) Campo 3: Inscrição Estadual inválida: 161234560\r\n"},
                    {}},
        CasoSimples{"periodo_diferente",
                    [](DeclaracaoSimples& d) { d.registro8818.periodo = "201004"; },
                    {" - REJEIÇÃO (Reg.8818) Campo 4: O período informado no 8818: 201004 está diferente do "
                     "informado no registro 10: 201005\r\n"},
                    {"anterior ao início"}},
        CasoSimples{"antes_do_simples_nacional",
                    [](DeclaracaoSimples& d) {
                        d.registro10.periodo = "200706";
                        d.registro8818.periodo = "200706";
                    },
                    {" - REJEIÇÃO : Período da GIM anterior ao início do Simples Nacional. Início do Simples em "
                     "200707 e a GIM informada é de 200706\r\n"},
                    {"Campo 4"}},
        CasoSimples{"inicio_do_simples_nacional",
                    [](DeclaracaoSimples& d) {
                        d.registro10.periodo = "200707";
                        d.registro8818.periodo = "200707";
                    },
                    {},
                    {"anterior ao início", "Campo 4"}},
        CasoSimples{"retificadora_em_declaracao_normal",
                    [](DeclaracaoSimples& d) { d.registro8818.tipo = 'R'; },
                    {" - REJEIÇÃO (Reg.8818) Campo 5: Tipo da entrega lido no registro 8818 está diferente com a "
                     "finalidade informada no registro 10. O lido no registro 8818 é \"R\" e a finalidade "
                     "informada no registro 10 é \"1\".\r\n"},
                    {"Tipo inválido"}},
        CasoSimples{"tipo_invalido",
                    [](DeclaracaoSimples& d) { d.registro8818.tipo = 'X'; },
                    {" - REJEIÇÃO (Reg.8818) Campo 5: Tipo inválido: X\r\n"},
                    {"Tipo da entrega"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    ProprioRegistro, RegraSimplesTest,
    testing::Values(
        CasoSimples{"regime_normal",
                    [](DeclaracaoSimples& d) { d.registro8818.regime = '1'; },
                    {" - REJEIÇÃO (Reg.8818) Campo 13: Regime de apuração diferente do esperado. Esperado: 3 "
                     "Encontrado: 1\r\n"},
                    {}},
        CasoSimples{"dois_registros",
                    [](DeclaracaoSimples& d) { d.linhas8818 = {d.registro8818.Linha(), d.registro8818.Linha()}; },
                    {" - REJEIÇÃO : Encontrado mais de um registro 8818\r\n"},
                    {}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Entradas, RegraSimplesTest,
    testing::Values(CasoSimples{"zeradas",
                                [](DeclaracaoSimples& d) { d.registro8818.totalEntradas = 0; },
                                {" - REJEIÇÃO (Reg.8818) " + kEntradas + "0,00\r\n"},
                                {}},
                    CasoSimples{"dentro_da_tolerancia",
                                [](DeclaracaoSimples& d) { d.registro8818.totalEntradas = 100250; },
                                {},
                                {"Campo 15"}},
                    CasoSimples{"acima_da_tolerancia",
                                [](DeclaracaoSimples& d) { d.registro8818.totalEntradas = 100400; },
                                {" - ADVERTÊNCIA (Reg.8818) " + kEntradas + "1.004,00\r\n"},
                                {"REJEIÇÃO (Reg.8818)"}},
                    CasoSimples{"em_dobro",
                                [](DeclaracaoSimples& d) { d.registro8818.totalEntradas = 200000; },
                                {" - REJEIÇÃO (Reg.8818) " + kEntradas + "2.000,00\r\n"},
                                {"ADVERTÊNCIA (Reg.8818)"}},
                    CasoSimples{"frete_de_entrada_conta",
                                [](DeclaracaoSimples& d) {
                                    d.outrosNacionais = {Linha126(Registro70{.cfop = 1352, .total = 50000,
                                                                             .base = 50000, .icms = 6000}
                                                                      .Linha())};
                                    d.registro8818.totalEntradas = 150000;
                                },
                                {},
                                {"Campo 15"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Registros53, RegraSimplesTest,
    testing::Values(
        CasoSimples{"retido_fonte_nao_informado",
                    [](DeclaracaoSimples& d) { d.outrosNacionais = {Registro53{.icmsRetido = 1000}.Linha()}; },
                    {" - REJEIÇÃO (Reg 8818) Campo 11: O valor do ICMS retido fonte lido no registro 8818 está "
                     "diferente do apurado nos registros 53: Lido : 0,00 Apurado: 10,00\r\n"},
                    {"Campo 9"}},
        CasoSimples{"retido_fonte_informado",
                    [](DeclaracaoSimples& d) {
                        d.outrosNacionais = {Registro53{.icmsRetido = 1000}.Linha()};
                        d.registro8818.retidoFonte = 1000;
                    },
                    {},
                    {"Campo 11", "Campo 9"}},
        CasoSimples{"retido_fonte_acima_da_tolerancia",
                    [](DeclaracaoSimples& d) {
                        d.outrosNacionais = {Registro53{.icmsRetido = 1000}.Linha()};
                        d.registro8818.retidoFonte = 1301;
                    },
                    {" - ADVERTÊNCIA (Reg 8818) Campo 11: O valor do ICMS retido fonte lido no registro 8818 está "
                     "diferente do apurado nos registros 53: Lido : 13,01 Apurado: 10,00\r\n"},
                    {}},
        CasoSimples{"substituicao_saida_nao_informada",
                    [](DeclaracaoSimples& d) { d.outrosNacionais = {Linha126(Substituicao53(2000))}; },
                    {" - REJEIÇAO (Reg 8818) Campo 9: O valor da Substituição por Saída lido no registro 8818 está "
                     "diferente do apurado nos registros 53: Lido: 0,00 Apurado:20,00\r\n"},
                    {"Campo 11"}},
        CasoSimples{"substituicao_saida_informada",
                    [](DeclaracaoSimples& d) {
                        d.outrosNacionais = {Linha126(Substituicao53(2000))};
                        d.registro8818.substituicaoSaida = 2000;
                    },
                    {},
                    {"Campo 9"}},
        CasoSimples{"substituicao_saida_sem_registros_53",
                    [](DeclaracaoSimples& d) { d.registro8818.substituicaoSaida = 2000; },
                    {},
                    {"Campo 9"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Categorias, RegraSimplesTest,
    testing::Values(
        CasoSimples{"filial_sem_valores",
                    [](DeclaracaoSimples& d) {
                        d.registro10.cnpj = "12345678000276";
                        d.registro8818 = {.periodo = "201005", .totalEntradas = 100000, .categoria = '2'};
                    },
                    {},
                    {"8818", "ADVERTÊNCIA"}},
        CasoSimples{"filial_com_cnpj_de_matriz_e_valores",
                    [](DeclaracaoSimples& d) { d.registro8818.categoria = '2'; },
                    {" - ADVERTÊNCIA: O arquivo que está sendo entregue representa uma declaração de uma filial, "
                     "contudo o CNPJ pode não ser de uma filial. Se existir a certeza que o CNPJ realmente é de uma "
                     "filial, então ignore a advertência. O CNPJ é 12345678000195.\r\n",
                     " - REJEIÇÃO (Reg 8818) Campo 14: A entrega da declaração de Filial não deve apresentar o "
                     "faturamento para o Simples. O faturamento encontrado: 10.000,00.\r\n",
                     " - REJEIÇÃO (Reg 8818) Campo 16: A entrega da declaração de Filial não deve apresentar a "
                     "alíquota do ICMS no Simples. A alíquota encontrada: 2,50.\r\n",
                     " - REJEIÇÃO (Reg 8818) Campo 18: A entrega da declaração de Filial não deve apresentar o ICMS a "
                     "recolher no Simples. O ICMS a recolher encontrado: 250,00.\r\n"},
                    {"matriz ou estabelecimento"}},
        CasoSimples{"matriz_com_imposto_divergente",
                    [](DeclaracaoSimples& d) { d.registro8818.icmsARecolher = 24999; },
                    {" - " + kAdvertenciaImposto + "\r\n"},
                    {"REJEIÇÃO (Reg 8818)"}},
        CasoSimples{"matriz_com_cnpj_de_filial",
                    [](DeclaracaoSimples& d) { d.registro10.cnpj = "12345678000276"; },
                    {" - ADVERTÊNCIA: O arquivo que está sendo entregue representa uma declaração de uma matriz ou "
                     "estabelecimento único, contudo o CNPJ pode não ser de uma dessas categorias. Se existir a "
                     "certeza que o CNPJ realmente é de uma dessas categorias, então ignore a advertência. O CNPJ é "
                     "12345678000276.\r\n"},
                    {}},
        CasoSimples{"matriz_faturamento_sem_imposto_nem_aliquota",
                    [](DeclaracaoSimples& d) {
                        d.registro8818.icmsARecolher = 0;
                        d.registro8818.aliquota = 0;
                    },
                    {" - REJEIÇÃO (Reg 8818): Foi encontrado um valor para o faturamento (campo 14), contudo o valor "
                     "do ICMS a recolher (campo 18) está zerado. Valor do faturamento encontrado: 10.000,00.\r\n",
                     " - REJEIÇÃO (Reg 8818): Foi encontrado um valor para o faturamento (campo 14), contudo a "
                     "alíquota (campo 16) está zerada. Valor do faturamento encontrado: 10.000,00.\r\n"},
                    {"obtido pela multiplicação"}},
        CasoSimples{"matriz_imposto_e_aliquota_sem_faturamento",
                    [](DeclaracaoSimples& d) { d.registro8818.faturamento = 0; },
                    {" - REJEIÇÃO (Reg 8818): Foi encontrado um valor para o ICMS a recolher (campo 18), contudo o "
                     "valor do faturamento (Campo 14) está zerado. Valor do ICMS a recolher encontrado: 250,00.\r\n",
                     " - REJEIÇÃO (Reg 8818): Foi encontrado um valor para a alíquota (campo 16), contudo o "
                     "faturamento (campo 14) está zerado. Valor da alíquota encontrada: 2,50.\r\n"},
                    {}},
        CasoSimples{"matriz_sem_movimento_com_notas",
                    [](DeclaracaoSimples& d) {
                        d.registro8818 = {.periodo = "201005", .totalEntradas = 100000, .categoria = '3'};
                    },
                    {" - REJEIÇÃO (Reg 8818): Para a categoria de estabelecimento informada (campo 19), que é matriz "
                     "sem movimento com filial com movimento, não pode ter notas e/ou cupons fiscais vinculados à "
                     "declaração. As movimentações encontradas no arquivo são : Qtd. Registro 50 = 2; Qtd. Registro "
                     "60 = 0; Qtd. Registro 61 = 0; Qtd. Registro 70 = 0; Qtd. Registro 76 = 0 . \r\n"},
                    {}},
        CasoSimples{"faturamento_sem_notas_nem_cupons",
                    [](DeclaracaoSimples& d) {
                        d.notas.clear();
                        d.registro8818.totalEntradas = 0;
                    },
                    {" - Advertência (Reg 8818): Foi encontrado um valor para o faturamento (campo 14), contudo nao "
                     "foi encontrada nenhuma nota fiscal de saída ou cupom fiscal. O valor do faturamento encontrado "
                     "é R$ 10.000,00.\r\n"},
                    {"REJEIÇÃO (Reg"}},
        CasoSimples{"categoria_inexistente",
                    [](DeclaracaoSimples& d) { d.registro8818.categoria = '4'; },
                    {" - REJEIÇÃO (Reg 8818) Campo 19: A Categoria do estabelecimento encontrada não é uma das "
                     "categorias possíveis. Categoria informada: 4.\r\n"},
                    {"filial", "matriz"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

}  // namespace
}  // namespace zq::teste
