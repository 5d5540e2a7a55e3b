// The detail records 8819 to 8830: the format checks of the shared pattern, the counters and each record's own
// verifications.

#include <chrono>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gim-records/detalhes/DetalhesGim.h"
#include "platform/Relogio.h"
#include "record-model/campos/Conversoes.h"
#include "support/Detalhes88.h"

namespace zq {
namespace {

using namespace std::chrono;
using teste::Sobrescrever;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

Moeda Reais(std::int64_t reais) { return Moeda::DeReais(reais); }

TEST(DetalheTest, CampoInvalidoRejeitaALinhaSemMudarOsCamposNemOsContadores) {
    TReg8819 encerrantes;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(encerrantes.Ler(teste::Detalhe8819{.tanque = "03"}.Linha(), rejeicoes));

    EXPECT_FALSE(encerrantes.Ler(teste::Detalhe8819{.tanque = "0A"}.Linha(), rejeicoes));
    EXPECT_THAT(rejeicoes, ElementsAre("REJEIÇÃO (Reg 8819 - Informações de encerrantes das Bombas de Combustível) "
                                       "Campo 'Tanque' não possui um valor numérico válido: '0A'"));
    EXPECT_EQ(encerrantes.Quantidade(), 1);
    EXPECT_EQ(encerrantes.Tanque(), 3);
    EXPECT_EQ(encerrantes.QuantidadeTanques(), 1);
}

TEST(DetalheTest, TodasAsVerificacoesCorremMesmoDepoisDeUmaFalha) {
    TReg8821 creditos;
    std::vector<std::string> rejeicoes;
    std::string linha = teste::Detalhe8821{}.Linha();
    linha = Sobrescrever(linha, 11, "00000000001-0");
    linha = Sobrescrever(linha, 37, "0000000000A00");

    EXPECT_FALSE(creditos.Ler(linha, rejeicoes));
    EXPECT_THAT(rejeicoes,
                ElementsAre("REJEIÇÃO (Reg 8821 - Informações dos Ajustes a Crédito da Substituição Tributária) Campo "
                            "'Valor da devolução' não possui um valor monetário válido: '00000000001-0'",
                            "REJEIÇÃO (Reg 8821 - Informações dos Ajustes a Crédito da Substituição Tributária) Campo "
                            "'Valor do ressarcimento' não possui um valor monetário válido: '0000000000A00'"));
    EXPECT_EQ(creditos.Quantidade(), 0);
}

TEST(DetalheTest, LinhaCurtaNaoEhAceitaENaoLeAlemDoFim) {
    TReg8827 aquisicoes;
    std::vector<std::string> rejeicoes;
    EXPECT_FALSE(aquisicoes.Ler("8827" + teste::Valor(100000), rejeicoes));
    EXPECT_EQ(rejeicoes.size(), 5u);  // fields 4 to 8 are missing
    EXPECT_EQ(aquisicoes.IcmsInternas(), Moeda());
}

TEST(DetalheTest, LeituraDosValoresComSuasCasasDecimais) {
    TReg8819 encerrantes;
    TReg8827 aquisicoes;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(encerrantes.Ler(teste::Detalhe8819{}.Linha(), rejeicoes));
    ASSERT_TRUE(aquisicoes.Ler(teste::Detalhe8827{}.Linha(), rejeicoes));

    EXPECT_EQ(encerrantes.Periodo(), "201705");
    EXPECT_EQ(encerrantes.CodigoProduto(), 1);
    EXPECT_DOUBLE_EQ(encerrantes.LeituraInicio(), 1000.0);
    EXPECT_DOUBLE_EQ(encerrantes.LeituraFim(), 1500.0);
    EXPECT_DOUBLE_EQ(aquisicoes.AliquotaInterestaduais(), 12.0);
    EXPECT_EQ(aquisicoes.IcmsInterestaduais(), Moeda::DeCentavos(12000));
}

TEST(TanquesTest, TanquesRepetidosContamUmaVez) {
    TReg8819 encerrantes;
    std::vector<std::string> rejeicoes;
    for (const char* tanque : {"01", "02", "01"}) {
        ASSERT_TRUE(encerrantes.Ler(teste::Detalhe8819{.tanque = tanque}.Linha(), rejeicoes));
    }
    EXPECT_EQ(encerrantes.Quantidade(), 3);
    EXPECT_EQ(encerrantes.QuantidadeTanques(), 2);
    EXPECT_TRUE(encerrantes.TanqueInformado("2"));
    EXPECT_FALSE(encerrantes.TanqueInformado("7"));
    EXPECT_FALSE(encerrantes.TanqueInformado("02"));
}

TEST(TanquesTest, TanqueDaLinhaDo8820MesmoNaoAceita) {
    const TReg8820 estoque;
    EXPECT_EQ(estoque.TanqueDaLinha(teste::Detalhe8820{.tanque = "07", .estoque = "00A5000"}.Linha()), 7);
    EXPECT_EQ(estoque.TanqueDaLinha(teste::Detalhe8820{.tanque = "7A"}.Linha()), std::nullopt);
    EXPECT_EQ(estoque.TanqueDaLinha("8820201705"), std::nullopt);
}

struct CasoRessarcimento {
    const char* nome;
    teste::Detalhe8822 linha;
    std::vector<std::string> esperadas;
};

class RessarcimentoTest : public testing::TestWithParam<CasoRessarcimento> {};

TEST_P(RessarcimentoTest, TipoEInscricao) {
    TReg8822 ressarcimentos;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(ressarcimentos.Ler(GetParam().linha.Linha(), rejeicoes));
    ressarcimentos.VerificarTipo(rejeicoes);
    ressarcimentos.VerificarInscricao(rejeicoes);
    EXPECT_EQ(rejeicoes, GetParam().esperadas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RessarcimentoTest,
    testing::Values(
        CasoRessarcimento{"certo", {}, {}}, CasoRessarcimento{"tipo_2", {.tipo = "2"}, {}},
        CasoRessarcimento{"tipo_3_inscricao_de_outro_estado",
                          {.tipo = "3", .inscricao = "150000006"},
                          {"REJEIÇÃO (Reg.8822) Campo 3: Tipo de ressarcimento inválido: 3",
                           "REJEIÇÃO (Reg.8822) Campo 5: Inscrição Estadual inválida: 150000006"}},
        CasoRessarcimento{"tipo_0", {.tipo = "0"}, {"REJEIÇÃO (Reg.8822) Campo 3: Tipo de ressarcimento inválido: 0"}},
        CasoRessarcimento{"zeros", {.inscricao = "000000000"},
                          {"REJEIÇÃO (Reg.8822) Campo 5: Inscrição Estadual inválida: 000000000"}},
        CasoRessarcimento{"digito_errado",
                          {.inscricao = "169876540"},
                          {"REJEIÇÃO (Reg.8822) Campo 5: Inscrição Estadual com dígito errado: 169876540"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(RessarcimentoTest, ValoresSem8821RejeitadosACadaLinhaAceita) {
    TReg8822 ressarcimentos;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(ressarcimentos.Ler(teste::Detalhe8822{.valor = 0}.Linha(), rejeicoes));
    ressarcimentos.VerificarRegistro8821(0, rejeicoes);
    EXPECT_THAT(rejeicoes, IsEmpty());

    ASSERT_TRUE(ressarcimentos.Ler(teste::Detalhe8822{.valor = 1050}.Linha(), rejeicoes));
    ressarcimentos.VerificarRegistro8821(1, rejeicoes);
    EXPECT_THAT(rejeicoes, IsEmpty());
    ressarcimentos.VerificarRegistro8821(0, rejeicoes);
    EXPECT_THAT(rejeicoes, ElementsAre(HasSubstr("não existe o registro 8821 onde é informado o total")));
    EXPECT_EQ(ressarcimentos.TotalRessarcido(), Moeda::DeCentavos(1050));
}

struct CasoAcao {
    const char* nome;
    teste::Detalhe8824 linha;
    std::vector<std::string> esperadas;
};

class AcaoJudicialTest : public testing::TestWithParam<CasoAcao> {};

TEST_P(AcaoJudicialTest, PeriodoEInscricaoDoBeneficiario) {
    TReg8824 acoes;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(acoes.Ler(GetParam().linha.Linha(), rejeicoes));
    acoes.VerificarPeriodo("201705", rejeicoes);
    acoes.VerificarInscricao("161234569", rejeicoes);
    EXPECT_EQ(rejeicoes, GetParam().esperadas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AcaoJudicialTest,
    testing::Values(
        CasoAcao{"certa", {}, {}},
        CasoAcao{"zeros", {.inscricao = "000000000"},
                 {"REJEIÇÃO (Reg.8824) Campo 6: Inscrição Estadual inválida: 000000000"}},
        CasoAcao{"outro_estado_digito_errado",
                 {.inscricao = "150000001"},
                 {"REJEIÇÃO (Reg.8824) Campo 6: Inscrição Estadual inválida: 150000001",
                  "REJEIÇÃO (Reg.8824) Campo 6: Inscrição Estadual com o dígito errado: 150000001"}},
        CasoAcao{"do_proprio_declarante",
                 {.inscricao = "161234569"},
                 {"REJEIÇÃO (Reg.8824) Campo 6: A inscrição do beneficiário não pode ser a mesma do contribuinte que "
                  "está entregando a GIM. A inscrição do beneficiário é 161234569"}},
        CasoAcao{"outro_periodo",
                 {.periodo = "201704"},
                 {"REJEIÇÃO (Reg.8824) Campo 3: O período informado no registro 8824: 201704 está diferente do "
                  "informado no registro 10: 201705"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(ChequesTest, SaldoRemanescenteCalculado) {
    TReg8825 cheques;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(cheques.Ler(teste::Detalhe8825{}.Linha(), rejeicoes));
    cheques.VerificarSaldo(rejeicoes);
    EXPECT_THAT(rejeicoes, IsEmpty());

    ASSERT_TRUE(cheques.Ler(teste::Detalhe8825{.saldoRemanescente = 9000}.Linha(), rejeicoes));
    cheques.VerificarSaldo(rejeicoes);
    EXPECT_THAT(rejeicoes, ElementsAre(HasSubstr("Para os valores informados o saldo Remanescente calculado é (R$ "
                                                 "100,00 + R$ 50,00 + R$ 0,00 - R$ 20,00 - R$ 30,00) = R$ 100,00. O "
                                                 "informado no arquivo é R$ 90,00. ")));
}

TEST(ChequesTest, CadaTipoContraSeuCreditoNo8815EApenasUmPorTipo) {
    TReg8825 cheques;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(cheques.Ler(teste::Detalhe8825{}.Linha(), rejeicoes));
    cheques.VerificarHabitacao(Reais(50), rejeicoes);
    EXPECT_THAT(rejeicoes, IsEmpty());
    cheques.VerificarHabitacao(Reais(40), rejeicoes);
    EXPECT_THAT(rejeicoes, ElementsAre("REJEIÇÃO (Reg.8825) : O valor da apropriação (campo 6) somado ao valor das "
                                       "transferências de créditos por saída (campo 5) não está igual ao valor do "
                                       "cheque habitação apresentado no registro 8815 campo 7. O valor da soma é R$ "
                                       "50,00. O encontrado no registro 8815 é R$ 40,00."));
    rejeicoes.clear();

    ASSERT_TRUE(cheques.Ler(teste::Detalhe8825{.tipo = "2"}.Linha(), rejeicoes));
    cheques.VerificarEducacao(Reais(50), rejeicoes);
    EXPECT_THAT(rejeicoes, IsEmpty());
    ASSERT_TRUE(cheques.Ler(teste::Detalhe8825{.tipo = "2"}.Linha(), rejeicoes));
    cheques.VerificarEducacao(Reais(50), rejeicoes);
    EXPECT_THAT(rejeicoes,
                ElementsAre("REJEIÇÃO (Reg.8825): Foram encontrados 2 cheques educação. Deve ser apenas 1."));
    EXPECT_EQ(cheques.QuantidadeHabitacao(), 1);
}

TEST(ChequesTest, TipoDesconhecidoContaComoEducacaoEEhRejeitado) {
    TReg8825 cheques;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(cheques.Ler(teste::Detalhe8825{.tipo = "3"}.Linha(), rejeicoes));
    cheques.VerificarTipo(rejeicoes);
    EXPECT_THAT(rejeicoes, ElementsAre("REJEIÇÃO (Reg.8825) Campo 9: Tipo de cheque inválido : 3"));
    EXPECT_EQ(cheques.QuantidadeEducacao(), 1);
}

struct CasoFarmaceutico {
    const char* nome;
    std::string linha;
    bool saida;  // 8828 rather than 8827
    Moeda valor8802;
    const char* esperada;  // empty: none
};

class FarmaceuticoTest : public testing::TestWithParam<CasoFarmaceutico> {};

TEST_P(FarmaceuticoTest, ImpostoSemValorNo8802) {
    const auto& caso = GetParam();
    std::vector<std::string> rejeicoes;
    TReg8827 aquisicoes;
    TReg8828 saidas;
    if (caso.saida) {
        ASSERT_TRUE(saidas.Ler(caso.linha, rejeicoes));
        saidas.VerificarTotal8802(caso.valor8802, rejeicoes);
    } else {
        ASSERT_TRUE(aquisicoes.Ler(caso.linha, rejeicoes));
        aquisicoes.VerificarTotal8802(caso.valor8802, rejeicoes);
    }
    if (*caso.esperada == '\0') {
        EXPECT_THAT(rejeicoes, IsEmpty());
    } else {
        EXPECT_THAT(rejeicoes, ElementsAre(caso.esperada));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FarmaceuticoTest,
    testing::Values(
        CasoFarmaceutico{"aquisicoes_sem_imposto",
                         teste::Detalhe8827{.icmsInterestaduais = 0, .icmsInternas = 0}.Linha(), false, Moeda(), ""},
        CasoFarmaceutico{"aquisicoes_com_8802_de_um_centavo", teste::Detalhe8827{}.Linha(), false,
                         Moeda::DeCentavos(1), ""},
        CasoFarmaceutico{"aquisicoes_com_8802_zerado", teste::Detalhe8827{}.Linha(), false, Moeda(),
                         "REJEIÇÃO (Reg 8827): O somatório das aquisições (campo 5 + campo 8) está diferente do "
                         "informado no campo 11 do registro 8802. Aquisições(8827): R$ 205,00 Campo 11(8802): R$ "
                         "0,00."},
        CasoFarmaceutico{"saidas_com_8802_zerado",
                         teste::Detalhe8828{.icmsContribuintes = 100, .icmsNaoContribuintes = 20, .icmsHospitais = 3}
                             .Linha(),
                         true, Moeda(),
                         "REJEIÇÃO (Reg 8828): O somatório das saídas (campo 5 + campo 8 + campo 11) está diferente do "
                         "informado no campo 12 do registro 8802. Saídas(8828): R$ 1,23  Campo 12(8802): R$ 0,00."},
        CasoFarmaceutico{"saidas_com_8802", teste::Detalhe8828{}.Linha(), true, Reais(17), ""}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(FiltrosTest, FiltroDeAdvertenciasRetiraSoAAdvertenciaDoAnexoVEMantemAOrdem) {
    const std::vector<std::string> advertencias = {
        "ADVERTÊNCIA (Reg 50): Confira o valor da base de cálculo.",
        "ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas Anexo V (campo 12) somada a ST saídas internas",
        "ADVERTÊNCIA(Reg 8802) Campo 13: Subst. por saidas internas Regime Fonte com valores divergentes.",
    };
    EXPECT_THAT(TReg8821::FiltrarAdvertencias(advertencias), ElementsAre(advertencias[0], advertencias[2]));
    const std::vector<std::string> rejeicoes = {
        "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está inferior ao apurado.",
        "REJEIÇÃO (Reg.8801): Inscrição Estadual inválida: 1",
    };
    EXPECT_THAT(TReg8821::FiltrarRejeicoes(rejeicoes), ElementsAre(rejeicoes[1]));
}

// The receipt of the previous month, in a GIM of 05/2017 critiqued on 15/06/2018.
struct CasoRecibo {
    const char* nome;
    teste::Detalhe8830 linha;
    bool aceita;
    std::vector<std::string> esperadas;
};

class HojeFixoTest : public testing::Test {
protected:
    void SetUp() override { FixarHoje(year{2018} / 6 / 15); }
    void TearDown() override { FixarHoje(std::nullopt); }
};

class ReciboTest : public HojeFixoTest, public testing::WithParamInterface<CasoRecibo> {};

TEST_P(ReciboTest, RegrasDoTipoDeEntrega) {
    TReg8830 recibo;
    std::vector<std::string> rejeicoes;
    EXPECT_EQ(recibo.Ler(GetParam().linha.Linha(), "201705", rejeicoes), GetParam().aceita);
    EXPECT_EQ(rejeicoes, GetParam().esperadas);
}

const std::string kRecibo = "A1B2C3D4E5F6A7B8C9D0E1F2A3B4C5D6";
const std::string kReciboSemLetras = "12345678901234567890123456789012";

INSTANTIATE_TEST_SUITE_P(
    Casos, ReciboTest,
    testing::Values(
        CasoRecibo{"mensal", {}, true, {}},
        CasoRecibo{"mensal_recibo_so_de_digitos",
                   {.recibo = kReciboSemLetras},
                   false,
                   {"REJEIÇÃO (Reg.8830): Informe um número de recibo válido. Número informado: '" + kReciboSemLetras +
                    "'."}},
        CasoRecibo{"mensal_recibo_curto",
                   {.recibo = "  ABC123  "},
                   false,
                   {"REJEIÇÃO (Reg.8830): O número do recibo deve ter 32 dígitos. Número informado: 'ABC123'.",
                    "REJEIÇÃO (Reg.8830): Informe um número de recibo válido. Número informado: 'ABC123'."}},
        CasoRecibo{"mensal_sem_recibo",
                   {.recibo = ""},
                   false,
                   {"REJEIÇÃO (Reg.8830): Para a tipo de entrega diferente de 'Primeira entrega da declaração' deve "
                    "ser informado o número do recibo"}},
        CasoRecibo{"mensal_com_data",
                   {.data = "10052017"},
                   false,
                   {"REJEIÇÃO (Reg.8830): Para a entrega mensal a data deve ser '00000000'. Informado: '10/05/2017'"}},
        CasoRecibo{"primeira_entrega", {.recibo = "", .tipo = "1", .data = "02052017"}, true, {}},
        CasoRecibo{"primeira_entrega_com_recibo",
                   {.tipo = "1", .data = "02052017"},
                   false,
                   {"REJEIÇÃO (Reg.8830): Para a tipo de entrega 'Primeira entrega da declaração' não deve ser "
                    "informado o número do recibo. Recibo informado: '" + kRecibo + "'"}},
        CasoRecibo{"primeira_entrega_de_outro_mes",
                   {.recibo = "", .tipo = "1", .data = "30042017"},
                   false,
                   {"REJEIÇÃO (Reg.8830): Para a tipo de entrega 'Primeira entrega da declaração', o período da data "
                    "deve ser igual ao período da GIM. Data informada: '30/04/2017'."}},
        CasoRecibo{"apos_inatividade_sem_data",
                   {.tipo = "2"},
                   false,
                   {"REJEIÇÃO (Reg.8830): O formato da data informada deve ser ddmmaaaa. Data informada: '00000000'"}},
        CasoRecibo{"apos_inatividade_antes_de_2000",
                   {.tipo = "2", .data = "31121999"},
                   false,
                   {"REJEIÇÃO (Reg.8830): O formato da data informada deve ser ddmmaaaa. Data informada: '31121999'"}},
        CasoRecibo{"apos_inatividade", {.tipo = "2", .data = "15032017"}, true, {}},
        CasoRecibo{"apos_suspensao_depois_do_periodo",
                   {.tipo = "3", .data = "01062017"},
                   false,
                   {"REJEIÇÃO (Reg.8830): Para a tipo de entrega 'Primeira entrega da declaração após um período de "
                    "suspensão de ofício' não pode ser superior a data do período da GIM. Data informada: "
                    "'01/06/2017'."}},
        CasoRecibo{"apos_suspensao_depois_de_hoje",
                   {.tipo = "3", .data = "16062018"},
                   false,
                   {"REJEIÇÃO (Reg.8830): A data informada não pode ser superior a hoje. Informado: '16/06/2018'",
                    "REJEIÇÃO (Reg.8830): Para a tipo de entrega 'Primeira entrega da declaração após um período de "
                    "suspensão de ofício' não pode ser superior a data do período da GIM. Data informada: "
                    "'16/06/2018'."}},
        CasoRecibo{"tipo_desconhecido",
                   {.tipo = "4"},
                   false,
                   {"REJEIÇÃO (Reg.8830): Tipo de entrega inválida. Informado: '4'"}},
        CasoRecibo{"tipo_com_letra",
                   {.tipo = "X"},
                   false,
                   {"REJEIÇÃO (Reg 8830 - Informação do número do recibo da GIM do mês anterior) Campo 'Tipo de "
                    "entrega' não possui um valor numérico válido: 'X'"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(HojeFixoTest, SoUmRegistro8830PorArquivo) {
    TReg8830 recibo;
    std::vector<std::string> rejeicoes;
    ASSERT_TRUE(recibo.Ler(teste::Detalhe8830{}.Linha(), "201705", rejeicoes));
    EXPECT_FALSE(recibo.Ler(teste::Detalhe8830{}.Linha(), "201705", rejeicoes));
    EXPECT_THAT(rejeicoes,
                ElementsAre("REJEIÇÃO (Reg.8830): Só pode ter um registro 8830 por arquivo. Foram encontrados 2"));
}

TEST_F(HojeFixoTest, DataDo8830QueNaoExisteEncerraALeituraComErroDeFormato) {
    TReg8830 recibo;
    std::vector<std::string> rejeicoes;
    EXPECT_THROW(
        {
            try {
                recibo.Ler(teste::Detalhe8830{.tipo = "2", .data = "31022017"}.Linha(), "201705", rejeicoes);
            } catch (const EFormatoInvalido& erro) {
                EXPECT_STREQ(erro.what(), "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 31022017");
                throw;
            }
        },
        EFormatoInvalido);
    EXPECT_EQ(recibo.Quantidade(), 0);
}

TEST(AusenciaReciboTest, AvisoAte04de2011RejeicaoDepois) {
    std::vector<std::string> rejeicoes;
    std::vector<std::string> avisos;
    TReg8830::VerificarAusencia("201104", "http://site", rejeicoes, avisos);
    EXPECT_THAT(rejeicoes, IsEmpty());
    EXPECT_THAT(avisos, ElementsAre("AVISO (Reg.8830): Os contribuintes com regime normal e simples nacional, a partir "
                                    "da referência 05/2011, deverão informar o detalhe 30 do registro 88. A ausência "
                                    "desse detalhe, a partir da referência mencionada, causará a rejeição do arquivo. "
                                    "Para maiores informações, consulte o anexo 46 no site da Receita (Acesse "
                                    "http://site, em seguida GIM e procure a seção 'INFORMAÇÕES COMPLEMENTARES')"));

    avisos.clear();
    TReg8830::VerificarAusencia("201105", "http://site", rejeicoes, avisos);
    EXPECT_THAT(avisos, IsEmpty());
    EXPECT_THAT(rejeicoes, ElementsAre("REJEIÇÃO (Reg.8830): O detalhe 30 do registro 88 deve ser apresentado."));
}

}  // namespace
}  // namespace zq
