// The detail records 8819 to 8830 in whole declarations critiqued through the host stand-in: their branches and
// the end checks that need them (ST reimbursements, tanks, the previous month's receipt).

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/Relatorios.h"
#include "support/Projeto.h"
#include "support/DeclaracaoHost.h"
#include "support/DeclaracaoMensal.h"
#include "support/Detalhes88.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

// The monthly declaration of 05/2017 with `detalhes` before its 8830.
DeclaracaoMensal ComDetalhes(const std::vector<std::string>& detalhes) {
    DeclaracaoMensal declaracao;
    declaracao.gim.insert(declaracao.gim.end() - 1, detalhes.begin(), detalhes.end());
    return declaracao;
}

// 8815 with the housing cheque credit (field 7) of the default 8825.
std::string Registro8815ComChequeMoradia() { return GimSemCabecalho("15", {0, 0, 0, 0, 5000, 0, 0, 0}); }

class DetalhesNaDeclaracaoTest : public DeclaracaoHostTest {
protected:
    std::string Criticar(const DeclaracaoMensal& declaracao) {
        return DeclaracaoHostTest::Criticar(declaracao.Linhas());
    }
};

TEST_F(DetalhesNaDeclaracaoTest, EntregaNormalComTodosOsDetalhesCertosDaZero) {
    DeclaracaoMensal declaracao = ComDetalhes({
        Detalhe8819{.tanque = "01"}.Linha(),
        Detalhe8819{.produto = "00000000000002", .tanque = "02"}.Linha(),
        Detalhe8820{.tanque = "01"}.Linha(),
        Detalhe8820{.tanque = "02"}.Linha(),
        Detalhe8821{.ressarcimento = 5000}.Linha(),
        Detalhe8822{.valor = 2000}.Linha(),
        Detalhe8822{.tipo = "2", .valor = 3000}.Linha(),
        Detalhe8823{}.Linha(),
        Detalhe8824{}.Linha(),
        Detalhe8825{}.Linha(),
        Detalhe8826{}.Linha(),
        Detalhe8827{.icmsInterestaduais = 0, .icmsInternas = 0}.Linha(),
        Detalhe8828{.icmsContribuintes = 0}.Linha(),
        Detalhe8829{}.Linha(),
    });
    declaracao.gim[4] = Registro8815ComChequeMoradia();

    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Resultado(), 0) << relatorio;
    EXPECT_THAT(relatorio, HasSubstr(kSucesso));
}

TEST_F(DetalhesNaDeclaracaoTest, ExemploDistribuidoComDetalhesEhAceitoSemMensagens) {
    const auto exemplo = PastaProjeto() / "examples" /
                         "gim-mensal-detalhes-201705.txt";
    ASSERT_TRUE(std::filesystem::exists(exemplo));
    const ExecucaoHost execucao = CriticarComHost(exemplo, relatorio_);
    EXPECT_EQ(execucao.resultado, 0) << LerArquivo(relatorio_);
    EXPECT_THAT(LerArquivo(relatorio_), HasSubstr(kSucesso));
}

// A text the report must hold a number of times (0: never).
struct Trecho {
    std::string texto;
    std::size_t vezes = 1;
};

struct CasoDetalhes {
    const char* nome;
    std::vector<std::string> detalhes;
    std::vector<Trecho> trechos;
};

class DetalhesRejeitadosTest : public DetalhesNaDeclaracaoTest, public testing::WithParamInterface<CasoDetalhes> {};

TEST_P(DetalhesRejeitadosTest, Relatorio) {
    const std::string relatorio = Criticar(ComDetalhes(GetParam().detalhes));
    EXPECT_EQ(Resultado(), 2);
    for (const Trecho& trecho : GetParam().trechos) {
        EXPECT_EQ(Ocorrencias(relatorio, trecho.texto), trecho.vezes) << trecho.texto << "\n" << relatorio;
    }
}

const std::string kRejeicaoTanques = "REJEIÇÃO (Reg.8819) Campo 9 (Tanque): Nem todos os tanques informados no "
                                     "registro 8819 estão no registro 8820 Campo(4).";

INSTANTIATE_TEST_SUITE_P(
    Casos, DetalhesRejeitadosTest,
    testing::Values(
        CasoDetalhes{"tanque_0A",
                     {Detalhe8819{.tanque = "0A"}.Linha()},
                     {{"REJEIÇÃO (Reg 8819 - Informações de encerrantes das Bombas de Combustível) Campo 'Tanque' não "
                       "possui um valor numérico válido: '0A'"},
                      {kRejeicaoTanques, 0}}},
        CasoDetalhes{"tanques_1_2_1_e_so_o_1_no_estoque",
                     {Detalhe8819{.tanque = "01"}.Linha(), Detalhe8819{.tanque = "02"}.Linha(),
                      Detalhe8819{.tanque = "01"}.Linha(), Detalhe8820{.tanque = "01"}.Linha()},
                     {{kRejeicaoTanques + " Qtd. de Tanques informados : 8819 = 2 e 8820 = 1"},
                      {"não foi localizado no registro 8819", 0}}},
        CasoDetalhes{"tanque_desconhecido_em_linha_com_erro",
                     {Detalhe8819{.tanque = "01"}.Linha(), Detalhe8820{.tanque = "07", .estoque = "00A5000"}.Linha()},
                     {{"Campo 'Informar o estoque físico do fechamento do último dia do mês' não possui um valor "
                       "numérico válido: '00A5000'"},
                      {"do arquivo) Campo 4: O tanque informado '7' não foi localizado no registro 8819 "
                       "(Encerrantes das Bombas de Combustível)"}}},
        CasoDetalhes{"periodo_do_8819",
                     {Detalhe8819{.periodo = "201704"}.Linha(), Detalhe8820{}.Linha()},
                     {{"do arquivo) Campo 3: O período informado no 8819: 201704 está diferente do informado no "
                       "registro 10: 201705\r\n"}}},
        CasoDetalhes{"ressarcimento_tipo_3_de_outro_estado",
                     {Detalhe8821{}.Linha(), Detalhe8822{.tipo = "3", .inscricao = "150000006"}.Linha()},
                     {{"REJEIÇÃO (Reg.8822) Campo 3: Tipo de ressarcimento inválido: 3"},
                      {"REJEIÇÃO (Reg.8822) Campo 5: Inscrição Estadual inválida: 150000006"},
                      {"dígito errado", 0}}},
        CasoDetalhes{"dois_ressarcimentos_sem_8821",
                     {Detalhe8822{.valor = 100}.Linha(), Detalhe8822{.valor = 100}.Linha()},
                     {{"REJEIÇÃO (Reg.8822): Os valores do ressarcimento foram informados no registro 8822 (campo 6); "
                       "contudo, no arquivo, não existe o registro 8821 onde é informado o total dos valores "
                       "ressarcidos",
                       2}}},
        CasoDetalhes{"ressarcimentos_diferentes_do_8821",
                     {Detalhe8821{.ressarcimento = 5000}.Linha(), Detalhe8822{.valor = 4000}.Linha()},
                     {{"A soma dos registros 8822 é R$ 40,00 e o valor informado no registro 8821 é R$ 50,00."}}},
        CasoDetalhes{"dois_8821",
                     {Detalhe8821{}.Linha(), Detalhe8821{}.Linha()},
                     {{"do arquivo). Só pode ter um registro 8821 por arquivo. Foram encontrados 2."}}},
        CasoDetalhes{"8823_de_outro_periodo",
                     {Detalhe8823{.periodo = "201704"}.Linha()},
                     {{") Campo 3: O período informado no 8823: 201704 está diferente do informado no registro 10: "
                       "201705."}}},
        CasoDetalhes{"dois_8823",
                     {Detalhe8823{}.Linha(), Detalhe8823{}.Linha()},
                     {{"). Só pode ter um registro 8823 por arquivo. Foram encontrados 2."},
                      {"O registro 8802 não foi localizado", 0}}},
        CasoDetalhes{"valor_adicionado_com_letra",
                     {Sobrescrever(Detalhe8829{}.Linha(), 10, "00000000001X0")},
                     {{"REJEIÇÃO (Reg 8829 - Informação sobre valores agregados para o cálculo do valor adicionado "
                       "por Municípios ) Campo 'Valor Adicionado do município' não possui um valor monetário válido: "
                       "'00000000001X0'"}}},
        CasoDetalhes{"acao_de_beneficiario_zerado",
                     {Detalhe8824{.inscricao = "000000000"}.Linha()},
                     {{"REJEIÇÃO (Reg.8824) Campo 6: Inscrição Estadual inválida: 000000000"},
                      {"dígito errado", 0},
                      {"não pode ser a mesma", 0}}},
        CasoDetalhes{"cheque_habitacao_sem_credito_no_8815",
                     {Detalhe8825{}.Linha()},
                     {{"não está igual ao valor do cheque habitação apresentado no registro 8815 campo 7. O valor da "
                       "soma é R$ 50,00. O encontrado no registro 8815 é R$ 0,00."}}},
        CasoDetalhes{"cheque_de_tipo_3_nao_compara_com_8815",
                     {Detalhe8825{.tipo = "3"}.Linha()},
                     {{"REJEIÇÃO (Reg.8825) Campo 9: Tipo de cheque inválido : 3"}, {"registro 8815 campo", 0}}},
        CasoDetalhes{"veiculos_de_outro_revendedor",
                     {Detalhe8826{.inscricao = kOutraInscricao, .tipo = "3"}.Linha()},
                     {{"Campo 3: A inscrição estadual informada no registro 8826 está diferente da encontrada no "
                       "registro 10. A informada no registro 8826 é 169876543 e a do registro 10 é 161234569."},
                      {"Campo 7: O tipo do revendedor informado '3' não está previsto."}}},
        CasoDetalhes{"aquisicoes_farmaceuticas_sem_8802",
                     {Detalhe8827{}.Linha()},
                     {{"REJEIÇÃO (Reg 8827): O somatório das aquisições (campo 5 + campo 8) está diferente do "
                       "informado no campo 11 do registro 8802. Aquisições(8827): R$ 205,00 Campo 11(8802): R$ "
                       "0,00."}}},
        CasoDetalhes{"contagem_do_8828_tambem_em_linha_rejeitada",
                     {Detalhe8828{.icmsContribuintes = 0}.Linha(), Detalhe8828{.icmsContribuintes = 0}.Linha(),
                      Sobrescrever(Detalhe8828{}.Linha(), 5, "X")},
                     {{"). Só pode ter um registro 8828 por arquivo. Foram encontrados 2.", 2}}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// Records 53: 100.00 of ST on internal outputs under Anexo V; 8802 declares 70.00 (field 12).
struct CasoReembolsoSt {
    const char* nome;
    std::int64_t devolucao8821;
    int resultado;
};

class ReembolsoStTest : public DetalhesNaDeclaracaoTest, public testing::WithParamInterface<CasoReembolsoSt> {};

TEST_P(ReembolsoStTest, O8821SubstituiOsAchadosSimplesDo8802) {
    DeclaracaoMensal declaracao = ComDetalhes({Detalhe8821{.devolucao = GetParam().devolucao8821}.Linha()});
    declaracao.substituicoes = {Substituicao53(10000)};
    declaracao.gim[1] = Gim88("02", {34850, 0, 0, 0, 0, 0, 7000, 0});

    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Resultado(), GetParam().resultado) << relatorio;
    EXPECT_THAT(relatorio, Not(HasSubstr("A Substituição por saídas internas Anexo V")));
    EXPECT_THAT(relatorio, Not(HasSubstr("O ICMS subst. por saídas informado está inferior ao apurado")));
    if (GetParam().resultado == 2) {
        EXPECT_THAT(relatorio, HasSubstr("Lido: 8802 : R$ 70,00 (A), 8816: R$ 0,00(E), 8821: R$ 10,00(C) e 8823: R$ "
                                         "0,00(D). Apurado: R$ 100,00(B). Diferença : A - (B - C + D - E) = -R$ "
                                         "20,00."));
        EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas internas informado no "
                                         "registro 8802 (campo 12) é inferior"));
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, ReembolsoStTest,
                         testing::Values(CasoReembolsoSt{"devolucao_explica_a_diferenca", 3000, 0},
                                         CasoReembolsoSt{"devolucao_menor", 1000, 2}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(DetalhesNaDeclaracaoTest, ReciboNaDeclaracaoRetificadoraUmaRejeicaoPorLinha) {
    DeclaracaoMensal declaracao = ComDetalhes({Detalhe8830{}.Linha()});
    declaracao.registro10.finalidade = '2';

    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Ocorrencias(relatorio, "REJEIÇÃO (Reg.8830): A declaração é retificadora. O registro 8830 só deve ser "
                                     "informado na entrega normal."), 2);
    EXPECT_THAT(relatorio, Not(HasSubstr("Só pode ter um registro 8830")));
}

TEST_F(DetalhesNaDeclaracaoTest, DataDoReciboQueNaoExisteEncerraACriticaComErroDeProcessamento) {
    DeclaracaoMensal declaracao;
    declaracao.gim.back() = Detalhe8830{.tipo = "2", .data = "31022017"}.Linha();
    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Resultado(), 2);
    EXPECT_THAT(relatorio, HasSubstr("Erro ao processar crítica específica (Registro 88"));
    EXPECT_THAT(relatorio, HasSubstr("Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 31022017"));
}

TEST_F(DetalhesNaDeclaracaoTest, RetificadoraSemReciboNaoPedeO8830) {
    DeclaracaoMensal declaracao;
    declaracao.gim.pop_back();
    declaracao.registro10.finalidade = '2';
    EXPECT_THAT(Criticar(declaracao), Not(HasSubstr("(Reg.8830)")));
}

TEST_F(DetalhesNaDeclaracaoTest, EntregaNormalSemReciboDesde05de2011EhRejeitada) {
    DeclaracaoMensal declaracao;
    declaracao.gim.pop_back();
    const std::string relatorio = Criticar(declaracao);
    EXPECT_EQ(Resultado(), 2);
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg.8830): O detalhe 30 do registro 88 deve ser apresentado."));
}

TEST_F(DetalhesNaDeclaracaoTest, EntregaNormalSemReciboAntesDe05de2011TemAvisoAntesDasAdvertencias) {
    Registro10 registro10;
    registro10.periodo = "201103";
    Registro8805 contador;
    contador.email = "contadora@www.exemplo.com.br";
    std::vector<std::string> linhas = {registro10.Linha(), Registro88("01"), contador.Linha()};
    for (auto& linha : Registros90(linhas)) linhas.push_back(std::move(linha));
    const std::string relatorio = DeclaracaoHostTest::Criticar(linhas);

    EXPECT_THAT(relatorio, Not(HasSubstr("O detalhe 30 do registro 88 deve ser apresentado")));
    const auto totalAvisos = relatorio.find("TOTAL DE AVISOS: 1\r\n");
    const auto aviso = relatorio.find("AVISO (Reg.8830): Os contribuintes com regime normal e simples nacional, a "
                                      "partir da referência 05/2011, deverão informar o detalhe 30 do registro 88.");
    const auto advertencia = relatorio.find("ADVERTÊNCIA (Reg.8805): Confira o E-Mail do Contabilista");
    ASSERT_NE(totalAvisos, std::string::npos) << relatorio;
    ASSERT_NE(aviso, std::string::npos) << relatorio;
    ASSERT_NE(advertencia, std::string::npos) << relatorio;
    EXPECT_LT(totalAvisos, aviso);
    EXPECT_LT(aviso, advertencia);
    EXPECT_THAT(relatorio, HasSubstr("(Acesse http://www.xar.zq.gov.br, em seguida GIM e procure a seção "
                                     "'INFORMAÇÕES COMPLEMENTARES')"));
}

}  // namespace
}  // namespace zq::teste
