// The rules that read the reference tables, through the exported function: the special rule of the record-50
// ICMS, the regime-normal delivery with the EFD list and the records 8829.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "reference-db/PacoteTeste.h"
#include "support/Relatorios.h"
#include "support/DeclaracaoMensal.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

std::string Quadro8829(const std::string& municipio, long long valorCentavos) {
    return "8829" + municipio + Digitos(valorCentavos, 13);
}

// The 8829 lines go before the 8830, the last sub-type of the declaration.
DeclaracaoMensal ComQuadroV(std::vector<std::string> linhas8829, const std::string& periodo = "201705") {
    DeclaracaoMensal declaracao;
    declaracao.registro10.periodo = periodo;
    declaracao.gim.insert(declaracao.gim.end() - 1, linhas8829.begin(), linhas8829.end());
    return declaracao;
}

class RegrasReferenciaTest : public HostComPacoteTest {};

// Balance of the declaration 10,000.00 (8802 debits 10,148.00 less the 8801 credits 148.00), tolerance 1.00 %:
// the deferred messages wait until the differences pass 100.00. The 8802 debits differ from the records, so
// its message is deferred too.
TEST_F(RegrasReferenciaTest, RegraEspecialLiberaAsMensagensAdiadasSoAcimaDoPercentualDoSaldo) {
    DadosReferencia dados;
    dados.linhas["ContribCriticaICMSReg50Especial"] = {"nrInscrEstadual\tpercentual", "161234569\t1.00"};
    Empacotar(dados);

    const std::string mensagem50 = "REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação dentro do estado";
    const std::string mensagem8802 = "REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas";
    struct Caso {
        long long icmsNota1;  // expected 170.00
        bool relatadas;
    };
    for (const Caso caso : {Caso{7000, false}, Caso{6999, true}}) {
        SCOPED_TRACE(caso.icmsNota1);
        DeclaracaoMensal declaracao;
        declaracao.notas[0].icms = caso.icmsNota1;
        declaracao.gim[0] = Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0});
        declaracao.gim[1] = Gim88("02", {1014800, 0, 0, 0, 0, 0, 0, 0});
        const std::string relatorio = CriticarNaPasta(declaracao.Linhas());
        if (caso.relatadas) {
            const auto pos50 = relatorio.find(mensagem50);
            const auto pos8802 = relatorio.find(mensagem8802);
            ASSERT_NE(pos50, std::string::npos) << relatorio;
            ASSERT_NE(pos8802, std::string::npos) << relatorio;
            EXPECT_LT(pos50, pos8802);
            EXPECT_EQ(Ocorrencias(relatorio, mensagem50), 1);
            EXPECT_EQ(ResultadoNaPasta(), 2);
        } else {
            EXPECT_THAT(relatorio, Not(HasSubstr(mensagem50)));
            EXPECT_THAT(relatorio, Not(HasSubstr(mensagem8802)));
        }
    }
}

TEST_F(RegrasReferenciaTest, ContribuinteForaDaListaEspecialTemAsDiferencasRejeitadasNaHora) {
    DadosReferencia dados;
    dados.linhas["ContribCriticaICMSReg50Especial"] = {"nrInscrEstadual\tpercentual", "163456782\t50.00"};
    Empacotar(dados);
    DeclaracaoMensal declaracao;
    declaracao.notas[0].icms = 16980;  // 0.20 below the expected
    const std::string relatorio = CriticarNaPasta(declaracao.Linhas());
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação dentro do estado"));
}

struct CasoEntrega {
    const char* nome;
    std::string periodo;
    std::string janela;  // "inicio\tfim" of 161234569, empty when it is not in the list
    std::string esperado;  // empty: no refusal
};

class EntregaRegimeNormalTest : public HostComPacoteTest, public testing::WithParamInterface<CasoEntrega> {};

TEST_P(EntregaRegimeNormalTest, RecusaSoForaDaJanelaDePermissao) {
    const CasoEntrega& caso = GetParam();
    DadosReferencia dados;
    dados.linhas["contribuinteEntregaNormal"] = {"nrInscrEstadual\tnorazaosocial\tdtIniPermissao\tdtFinalPermissao"};
    if (!caso.janela.empty()) {
        dados.linhas["contribuinteEntregaNormal"].push_back("161234569\tDISTRIBUIDORA EXEMPLO\t" + caso.janela);
    }
    Empacotar(dados);
    DeclaracaoMensal declaracao;
    declaracao.registro10.periodo = caso.periodo;
    const std::string relatorio = CriticarNaPasta(declaracao.Linhas());

    if (caso.esperado.empty()) {
        EXPECT_THAT(relatorio, Not(HasSubstr("EFD")));
    } else {
        EXPECT_THAT(relatorio, HasSubstr(caso.esperado));
    }
}

const std::string kDevemEntregar =
    "A declaração do contribuinte está informando que trata-se de um contribuinte com regime de apuração normal. A "
    "partir da referência 01/2013, os contribuintes com regime de apuração normal devem entregar a EFD";

INSTANTIATE_TEST_SUITE_P(
    Periodos, EntregaRegimeNormalTest,
    testing::Values(CasoEntrega{"antes_da_EFD_fora_da_lista", "201212", "", ""},
                    CasoEntrega{"primeiro_mes_da_EFD_fora_da_lista", "201301", "", kDevemEntregar},
                    CasoEntrega{"ultimo_mes_da_permissao", "201406", "2013-01-01\t2014-06-30", ""},
                    CasoEntrega{"mes_seguinte_a_permissao", "201407", "2013-01-01\t2014-06-30",
                                "A EFD é exigida para a referência 07/2014. O contribuinte ficou desobrigado de "
                                "apresentar a EFD de 01/2013 a 06/2014."},
                    CasoEntrega{"antes_da_permissao", "201303", "2013-04-01 00:00:00\t2014-06-30",
                                "A EFD é exigida para a referência 03/2013. O contribuinte ficou desobrigado de "
                                "apresentar a EFD de 04/2013 a 06/2014."}),
    [](const testing::TestParamInfo<CasoEntrega>& caso) { return std::string(caso.param.nome); });

// "Today" is 15/06/2018 in these tests.
TEST_F(RegrasReferenciaTest, ListaDaEfdForaDaValidadeERelogioAtrasadoSaoRejeitados) {
    struct Caso {
        const char* linha;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"1\t2013-01-01\t2018-05-31\t2013-01-01 08:00:00\t\\N",
         "A lista dos contribuintes desobrigados à EFD/SPED está expirada desde o dia 31/05/2018. Por favor, acesse "
         "'http://www.xar.zq.gov.br, GIM -> Arquivos para Download -> Lista dos desobrigados à EFD/SPED',baixe e "
         "instale a nova versão da lista ."},
        {"1\t2018-06-16\t2030-12-31\t2018-06-16 08:00:00\t\\N",
         "A data do computador está desatualizada. Por favor, ajuste a data do computador."},
        // A closed row is not the list's validity.
        {"1\t2013-01-01\t2018-05-31\t2013-01-01 08:00:00\t2018-05-31 08:00:00\n"
         "2\t2018-06-01\t2018-06-15\t2018-06-01 08:00:00\t\\N",
         ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.linha);
        DadosReferencia dados;
        dados.linhas["validadedadosEFD"] = {"sqValidadeDadosEFD\tdtinicio\tdtfinal\tdhinicial\tdhfinal", caso.linha};
        Empacotar(dados);
        const std::string relatorio = CriticarNaPasta(DeclaracaoMensal{}.Linhas());
        if (caso.esperado.empty()) {
            EXPECT_EQ(ResultadoNaPasta(), 0) << relatorio;
        } else {
            EXPECT_THAT(relatorio, HasSubstr(caso.esperado));
            EXPECT_EQ(ResultadoNaPasta(), 2);
        }
    }
}

TEST_F(RegrasReferenciaTest, QuadroVAntesDe122009TemUmaSoRejeicaoDePeriodo) {
    Empacotar(DadosReferencia{});
    const std::string relatorio =
        CriticarNaPasta(ComQuadroV({Quadro8829("10014", 1000), Quadro8829("10022", 1000)}, "200911").Linhas());
    EXPECT_EQ(Ocorrencias(relatorio, "REJEIÇÃO (Reg. 8829): Não é permitido informar o registro 8829 para um período "
                                     "anterior a 12/2009."),
              1);
}

TEST_F(RegrasReferenciaTest, QuadroVComMunicipioDesconhecidoUmaRejeicaoPorLinha) {
    Empacotar(DadosReferencia{});
    const std::string relatorio = CriticarNaPasta(
        ComQuadroV({Quadro8829("10014", 1000), Quadro8829("20001", 1000), Quadro8829("20001", 500)}).Linhas());
    EXPECT_EQ(Ocorrencias(relatorio, "REJEIÇÃO (Reg. 8829): O código do município informado 20001 não está na entre "
                                     "os códigos esperados."),
              2);
    EXPECT_THAT(relatorio, Not(HasSubstr("informado 10014")));
}

TEST_F(RegrasReferenciaTest, QuadroVComCamposInvalidosNaoESomadoNemProcurado) {
    Empacotar(DadosReferencia{});
    const std::string relatorio = CriticarNaPasta(ComQuadroV({"8829" + std::string("2000A") + "00000000001-0"}).Linhas());
    const std::string titulo =
        "REJEIÇÃO (Reg 8829 - Informação sobre valores agregados para o cálculo do valor adicionado por Municípios ) ";
    EXPECT_THAT(relatorio, HasSubstr(titulo + "Campo 'Código do município' não possui um valor numérico válido: "
                                              "'2000A'"));
    EXPECT_THAT(relatorio, HasSubstr(titulo + "Campo 'Valor Adicionado do município'"));
    EXPECT_THAT(relatorio, Not(HasSubstr("não está na entre os códigos esperados")));
}

TEST_F(RegrasReferenciaTest, InscricaoDispensadaNaoTemO8829Criticado) {
    Empacotar(DadosReferencia{});
    DeclaracaoMensal declaracao = ComQuadroV({Quadro8829("20001", 99999999)});
    declaracao.registro10.inscricao = "160000010";
    const std::string relatorio = CriticarNaPasta(declaracao.Linhas());
    EXPECT_THAT(relatorio, Not(HasSubstr("8829")));
}

TEST_F(RegrasReferenciaTest, SomaDoQuadroVAcimaDasSaidasRejeitadaDesde012011) {
    Empacotar(DadosReferencia{});
    const std::string inicio = "REJEIÇÃO (Reg.8829): A soma total obtida dos valores adicionados informados é superior "
                               "ao total de saídas apurado nas saídas dos registro 50, 60, 61, 70 e 76.  Soma total "
                               "dos valores adicionados informados : 1.000.000,00. Total apuradado nas saídas dos "
                               "registro 50, 60, 61, 70 e 76: ";
    struct Caso {
        std::string periodo;
        long long soma;
        bool rejeitada;
    };
    for (const Caso& caso : {Caso{"201101", 100000000, true}, Caso{"201012", 100000000, false},
                             Caso{"201705", 100000000, true}, Caso{"201705", 100, false}}) {
        SCOPED_TRACE(caso.periodo + " " + std::to_string(caso.soma));
        const std::string relatorio =
            CriticarNaPasta(ComQuadroV({Quadro8829("10014", caso.soma / 2), Quadro8829("10022", caso.soma / 2)},
                                       caso.periodo)
                                .Linhas());
        EXPECT_EQ(relatorio.find(inicio) != std::string::npos, caso.rejeitada) << relatorio;
        EXPECT_THAT(relatorio, Not(HasSubstr("não está na entre os códigos esperados")));
    }
}

}  // namespace
}  // namespace zq::teste
