// Record 10 through the exported function: the declaration's period, the
// library's validity window and the codes of the file.

#include "support/DeclaracaoHost.h"
#include "support/Registros50a76.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

std::string ComPeriodo(const std::string& periodo) {
    Registro10 registro;
    registro.periodo = periodo;
    return registro.Linha();
}

std::string DadosAnuais(const std::string& periodo) {
    Registro10 registro;
    registro.periodo = periodo;
    registro.razaoSocial = Texto("COMERCIO EXEMPLO", 33) + "da";
    return registro.Linha();
}

std::string ComDataFinal(const std::string& dataFinal) {
    std::string linha = Registro10().Linha();
    linha.replace(115, 8, dataFinal);
    return linha;
}

std::string ComInscricao(const std::string& inscricao) {
    Registro10 registro;
    registro.inscricao = inscricao;
    return registro.Linha();
}

std::string ComFinalidade(char finalidade) {
    Registro10 registro;
    registro.finalidade = finalidade;
    return registro.Linha();
}

const std::string kValidade = "REJEIÇÃO: Período da GIM fora do período de validade da Morvanta.DLL. \r\n";

struct CasoRegistro10 {
    const char* nome;
    std::string registro10;
    std::string esperado;
};

class Registro10Test : public DeclaracaoHostTest, public testing::WithParamInterface<CasoRegistro10> {};

TEST_P(Registro10Test, Rejeita) {
    const std::string relatorio = CriticarDeclaracao({}, GetParam().registro10);
    EXPECT_THAT(relatorio, HasSubstr(GetParam().esperado));
    EXPECT_EQ(Resultado(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Registro10Test,
    testing::Values(
        CasoRegistro10{"periodo_depois_de_hoje", ComPeriodo("201807"),
                       "REJEIÇÃO (REG.10): O período da GIM é superir ao mês do computador. Período da GIM: 07/2018. "
                       "Data do computador: 06/2018.\r\n"},
        CasoRegistro10{"depois_da_validade", ComPeriodo("201901"),
                       kValidade + "   002 - Morvanta.DLL válida no período de 01/2000 a 12/2018\r\n"
                                   "   003 - Para maiores informações consulte o endereço "
                                   "http://www.xar.zq.gov.br\r\n"},
        CasoRegistro10{"antes_da_validade", ComPeriodo("199912"), kValidade},
        CasoRegistro10{"inscricao_de_outro_estado", ComInscricao("171234569"),
                       "REJEIÇÃO (REG.10): A inscrição estadual não é da Corvena\r\n"},
        CasoRegistro10{"natureza", Registro10Com(Registro10(), '3', '1'),
                       "REJEIÇÃO (REG.10): Natureza das informações deve ter valor \"3\"\r\n"},
        CasoRegistro10{"meses_diferentes", ComDataFinal("20170601"),
                       "REJEIÇÃO (REG.10): Datas inicial e final devem estar no mesmo periodo!\r\n"},
        CasoRegistro10{"finalidade", ComFinalidade('3'),
                       "REJEIÇÃO (REG.10): Finalidade da declaração deve ser 1 ou 2 para a ZQ. A finalidade informada "
                       "foi 3.\r\n"},
        CasoRegistro10{"convenio", Registro10Com(Registro10(), '4'),
                       "REJEIÇÃO (REG.10): Código do Convênio inválido para ZQ\r\n"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

class Registro10AceitoTest : public DeclaracaoHostTest, public testing::WithParamInterface<CasoRegistro10> {};

TEST_P(Registro10AceitoTest, SemRejeicaoDoRegistro10) {
    const std::string relatorio = CriticarDeclaracao({}, GetParam().registro10);
    EXPECT_THAT(relatorio, Not(HasSubstr("REG.10")));
    EXPECT_THAT(relatorio, Not(HasSubstr("validade da Morvanta")));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Registro10AceitoTest,
    testing::Values(CasoRegistro10{"mes_de_hoje", ComPeriodo("201806"), ""},
                    CasoRegistro10{"primeiro_mes_da_validade", ComPeriodo("200001"), ""},
                    CasoRegistro10{"dados_anuais_fora_da_validade", DadosAnuais("199912"), ""},
                    CasoRegistro10{"retificadora", ComFinalidade('2'), ""},
                    CasoRegistro10{"convenio_antigo", Registro10Com(Registro10(), '1'), ""}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(DeclaracaoHostTest, UltimoMesDaValidadeEhAceito) {
    ::setenv("ZQ_HOJE", "2019-01-10", 1);
    const std::string relatorio = CriticarDeclaracao({}, ComPeriodo("201812"));
    EXPECT_THAT(relatorio, Not(HasSubstr("REG.10")));
    EXPECT_THAT(relatorio, Not(HasSubstr("validade da Morvanta")));
}

TEST_F(DeclaracaoHostTest, DadosAnuaisDepoisDaValidadeSoTemOPeriodoDepoisDeHoje) {
    const std::string relatorio = CriticarDeclaracao({}, DadosAnuais("201901"));
    EXPECT_THAT(relatorio, Not(HasSubstr("validade da Morvanta")));
    EXPECT_THAT(relatorio, HasSubstr("Período da GIM: 01/2019. Data do computador: 06/2018."));
}

TEST_F(DeclaracaoHostTest, DocumentoTemporarioDeOutraChamadaEhApagado) {
    const auto temporario = pasta_ / "tmp" / "morvanta" / "MORVANTA.TMP";
    std::filesystem::create_directories(temporario.parent_path());
    GravarArquivo(temporario, "antigo");
    CriticarDeclaracao({});
    EXPECT_FALSE(std::filesystem::exists(temporario));
}

TEST_F(DeclaracaoHostTest, PastaTemporariaQueNaoPodeSerCriadaParaAPassagem) {
    GravarArquivo(pasta_ / "tmp" / "morvanta", "um arquivo no lugar da pasta");
    const std::string relatorio = CriticarDeclaracao({});
    EXPECT_EQ(Resultado(), 2);
    EXPECT_THAT(relatorio, HasSubstr("(Registro 10 - Linha do arquivo: 1 - Lendo a linha '"));
    EXPECT_THAT(relatorio, HasSubstr("'.): Não consegui criar a árvore " + (pasta_ / "tmp" / "morvanta").string() +
                                     ".\r\n"));
}

}  // namespace
}  // namespace zq::teste
