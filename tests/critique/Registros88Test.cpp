// The GIM's type-88 lines in whole declarations, through the exported function: their frame, the sub-types the
// kind of declaration forbids, and the rules of the main records against record 10, against each other and
// against the national records.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/DeclaracaoHost.h"
#include "support/PastaTeste.h"
#include "support/Registros50a76.h"
#include "support/Registros88.h"
#include "support/Sintegra.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

// A normal-regime GIM of 05/2017 whose type-88 records satisfy every rule.
struct Gim {
    Registro10 registro10;
    std::vector<std::string> nacionais;
    Registro88Apuracao registro8801 = Registro8801();
    Registro88Apuracao registro8802 = Registro8802();
    Registro8804 registro8804;
    Registro8805 registro8805;
    std::string registro8815 = Registro8815();
    std::string registro8816 = Registro8816();
    std::vector<std::string> outros88;

    std::vector<std::string> Linhas() const {
        std::vector<std::string> linhas{registro10.Linha()};
        linhas.insert(linhas.end(), nacionais.begin(), nacionais.end());
        for (const auto& linha : {registro8801.Linha(), registro8802.Linha(), registro8804.Linha(),
                                  registro8805.Linha(), registro8815, registro8816}) {
            linhas.push_back(linha);
        }
        linhas.insert(linhas.end(), outros88.begin(), outros88.end());
        return linhas;
    }
};

// The lines without those that begin with `prefixo`.
std::vector<std::string> Sem(std::vector<std::string> linhas, const std::string& prefixo) {
    std::erase_if(linhas, [&](const std::string& linha) { return linha.starts_with(prefixo); });
    return linhas;
}

// One numbered line of the report.
std::string Linha(const std::string& mensagem) { return " - " + mensagem + "\r\n"; }

class Registros88Test : public DeclaracaoHostTest {
protected:
    std::string Relatorio() const { return LerArquivo(relatorio_); }
};

TEST_F(Registros88Test, GimCompletaEhAceita) {
    Criticar(Gim().Linhas());
    EXPECT_EQ(Resultado(), 0) << Relatorio();
    EXPECT_THAT(Relatorio(), HasSubstr("Consistência dos registros da GIM-ZQ (Tipo 88) realizada com sucesso!"));
}

// --- Frame -------------------------------------------------------------------------------------------------------

TEST_F(Registros88Test, LinhaDe125ColunasEhRejeitadaEAindaAssimCriticada) {
    Gim gim;
    gim.registro8801.inscricao = "161234577";  // valid, but not record 10's
    auto linhas = gim.Linhas();
    linhas[1].pop_back();
    ASSERT_EQ(linhas[1].size(), 125u);
    Criticar(linhas);
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg. 8801) : O tamanho do registro está incorreto. O registro "
                                             "deve ter 126 posições. A linha do arquivo é a de número 2.")));
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg.8801): Inscrição Estadual diferente do registro 10: "
                                             "161234577")));
}

TEST_F(Registros88Test, SubtipoNaoNumericoEncerraAPassagem) {
    Gim gim;
    gim.outros88 = {Linha126("88X1")};
    Criticar(gim.Linhas());
    EXPECT_EQ(Resultado(), 2);
    EXPECT_THAT(Relatorio(), HasSubstr("Erro ao processar crítica específica (Registro 88 - Linha do arquivo: 8 - "
                                       "Lendo a linha '" + Linha126("88X1") + "'.): 'X1' não é um valor inteiro "
                                       "válido\r\n"));
}

struct CasoSemMovimento {
    const char* nome;
    std::vector<std::string> nacionais;
    std::string subtipo;
    bool rejeitado;
};

class SemMovimentoTest : public Registros88Test, public testing::WithParamInterface<CasoSemMovimento> {};

TEST_P(SemMovimentoTest, DetalhesDeOperacoesExigemRegistrosNacionais) {
    const CasoSemMovimento& caso = GetParam();
    Gim gim;
    gim.nacionais = caso.nacionais;
    gim.outros88 = {Linha126("88" + caso.subtipo)};
    Criticar(gim.Linhas());
    const std::string rejeicao = "REJEIÇÃO: Detalhe " + std::to_string(std::stoi(caso.subtipo)) +
                                 " não permitido em uma GIM sem movimento";
    if (caso.rejeitado) {
        EXPECT_THAT(Relatorio(), HasSubstr(Linha(rejeicao)));
    } else {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("sem movimento")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SemMovimentoTest,
    testing::Values(CasoSemMovimento{"nota_8850", {}, "50", true},
                    CasoSemMovimento{"detalhe_19", {}, "19", true},
                    CasoSemMovimento{"detalhe_28", {}, "28", true},
                    CasoSemMovimento{"detalhe_26_permitido", {}, "26", false},
                    CasoSemMovimento{"detalhe_29_permitido", {}, "29", false},
                    CasoSemMovimento{"com_registro_51", {Linha126("51")}, "50", false},
                    CasoSemMovimento{"com_registro_74", {Linha126("74")}, "19", false}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// --- Records that must come before -------------------------------------------------------------------------------

struct CasoAusencia {
    const char* nome;
    std::vector<std::string> semPrefixos;
    std::vector<std::string> presentes;
    std::vector<std::string> ausentes;
};

class AusenciaTest : public Registros88Test, public testing::WithParamInterface<CasoAusencia> {};

TEST_P(AusenciaTest, RegistroAusenteEhRejeitadoUmaVez) {
    const CasoAusencia& caso = GetParam();
    auto linhas = Gim().Linhas();
    for (const auto& prefixo : caso.semPrefixos) linhas = Sem(linhas, prefixo);
    Criticar(linhas);
    EXPECT_EQ(Resultado(), 2);
    for (const auto& mensagem : caso.presentes) EXPECT_THAT(Relatorio(), HasSubstr(Linha(mensagem)));
    for (const auto& mensagem : caso.ausentes) EXPECT_THAT(Relatorio(), Not(HasSubstr(mensagem)));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AusenciaTest,
    testing::Values(
        CasoAusencia{"sem_8801",
                     {"8801"},
                     {"REJEIÇÃO (Reg.8802): Não existe registro 8801"},
                     // 8802 marked 8801 present: the later records do not repeat it, and 8802 compares with nothing
                     {"(Reg.8804): Não Existe Registro 8801", "(Reg.8805): Não Existe Registro 8801",
                      "(Reg.8815): Não Existe Registro 8801", "diferente do registro 8801"}},
        CasoAusencia{"sem_8801_e_8802",
                     {"8801", "8802"},
                     {"REJEIÇÃO (Reg.8804): Não Existe Registro 8801. O regime de pagamento informado exige esse "
                      "registro.",
                      "REJEIÇÃO (Reg.8804): Não Existe Registro 8802. O regime de pagamento informado exige esse "
                      "registro."},
                     {"(Reg.8805): Não Existe Registro 880", "(Reg.8815): Não Existe Registro 880"}},
        CasoAusencia{"sem_8804",
                     {"8804"},
                     {"REJEIÇÃO (Reg.8805): Não Existe Registro 8804"},
                     {"(Reg.8815): Não Existe Registro 8804"}},
        CasoAusencia{"so_8805",
                     {"8801", "8802", "8804"},
                     {"REJEIÇÃO (Reg.8805): Não Existe Registro 8801", "REJEIÇÃO (Reg.8805): Não Existe Registro 8802",
                      "REJEIÇÃO (Reg.8805): Não Existe Registro 8804"},
                     {"(Reg.8815): Não Existe Registro"}},
        CasoAusencia{"so_8815",
                     {"8801", "8802", "8804", "8805"},
                     {"REJEIÇÃO (Reg.8815): Não Existe Registro 8801", "REJEIÇÃO (Reg.8815): Não Existe Registro 8802",
                      "REJEIÇÃO (Reg.8815): Não Existe Registro 8804"},
                     {}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// --- 8801 and 8802 against record 10 and each other --------------------------------------------------------------

struct CasoCabecalho {
    const char* nome;
    std::string inscricao;
    std::string periodo;
    char tipo;
    char finalidade;
    std::vector<std::string> mensagens;
};

class Cabecalho8801Test : public Registros88Test, public testing::WithParamInterface<CasoCabecalho> {};

TEST_P(Cabecalho8801Test, ComparaComORegistro10) {
    const CasoCabecalho& caso = GetParam();
    Gim gim;
    gim.registro10.finalidade = caso.finalidade;
    gim.registro8801.inscricao = caso.inscricao;
    gim.registro8801.periodo = caso.periodo;
    gim.registro8801.tipo = caso.tipo;
    gim.registro8802 = gim.registro8801;
    gim.registro8802.subtipo = "02";
    gim.registro8804.inscricao = caso.inscricao;
    gim.registro8804.periodo = caso.periodo;
    gim.registro8804.tipo = caso.tipo;
    Criticar(gim.Linhas());
    const std::string relatorio = Relatorio();
    for (const auto& mensagem : caso.mensagens) EXPECT_THAT(relatorio, HasSubstr(Linha(mensagem)));
    const auto quantas = [&](const std::string& texto) {
        std::size_t n = 0;
        for (auto i = relatorio.find(texto); i != std::string::npos; i = relatorio.find(texto, i + 1)) ++n;
        return n;
    };
    EXPECT_EQ(quantas("(Reg.8801)"), caso.mensagens.size()) << relatorio;
    // The same header in 8802 and 8804: nothing to compare there.
    EXPECT_EQ(quantas("(Reg.8802)"), 0u);
    EXPECT_EQ(quantas("(Reg.8804)"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cabecalho8801Test,
    testing::Values(
        CasoCabecalho{"igual", "161234569", "201705", 'N', '1', {}},
        CasoCabecalho{"retificadora", "161234569", "201705", 'R', '2', {}},
        CasoCabecalho{"outra_inscricao",
                      "161234577",
                      "201705",
                      'N',
                      '1',
                      {"REJEIÇÃO (Reg.8801): Inscrição Estadual diferente do registro 10: 161234577"}},
        CasoCabecalho{"digito_errado",
                      "161234568",
                      "201705",
                      'N',
                      '1',
                      {"REJEIÇÃO (Reg.8801): Inscrição Estadual inválida: 161234568",
                       "REJEIÇÃO (Reg.8801): Inscrição Estadual diferente do registro 10: 161234568"}},
        CasoCabecalho{"inscricao_com_letra",
                      "16123456X",
                      "201705",
                      'N',
                      '1',
                      {"REJEIÇÃO (Reg.8801): Inscrição Estadual inválida: 16123456X",
                       "REJEIÇÃO (Reg.8801): Inscrição Estadual diferente do registro 10: 16123456X"}},
        CasoCabecalho{"outro_periodo",
                      "161234569",
                      "201704",
                      'N',
                      '1',
                      {"REJEIÇÃO (Reg.8801): Período diferente do registro 10: 201704"}},
        CasoCabecalho{"retificadora_na_entrega_normal",
                      "161234569",
                      "201705",
                      'R',
                      '1',
                      {"REJEIÇÃO (Reg.8801): Tipo diferente do registro 10: R"}},
        CasoCabecalho{"normal_na_retificacao",
                      "161234569",
                      "201705",
                      'N',
                      '2',
                      {"REJEIÇÃO (Reg.8801): Tipo diferente do registro 10: N"}},
        CasoCabecalho{"tipo_invalido",
                      "161234569",
                      "201705",
                      'X',
                      '1',
                      {"REJEIÇÃO (Reg.8801): Tipo inválido: X"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

struct Caso8802 {
    const char* nome;
    std::string inscricao;
    std::string periodo;
    char tipo;
    std::string mensagem;
};

class Cabecalho8802Test : public Registros88Test, public testing::WithParamInterface<Caso8802> {};

TEST_P(Cabecalho8802Test, ComparaComO8801) {
    const Caso8802& caso = GetParam();
    Gim gim;
    gim.registro8802.inscricao = caso.inscricao;
    gim.registro8802.periodo = caso.periodo;
    gim.registro8802.tipo = caso.tipo;
    Criticar(gim.Linhas());
    EXPECT_EQ(Resultado(), 2);
    EXPECT_THAT(Relatorio(), HasSubstr(Linha(caso.mensagem)));
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cabecalho8802Test,
    testing::Values(Caso8802{"inscricao", "161234577", "201705", 'N',
                             "REJEIÇÃO (Reg.8802): A inscrição estadual está diferente do registro 8801: '161234577'"},
                    Caso8802{"periodo", "161234569", "201704", 'N',
                             "REJEIÇÃO (Reg.8802): O período está diferente do registro 8801: '201704'"},
                    Caso8802{"tipo", "161234569", "201705", 'R',
                             "REJEIÇÃO (Reg.8802): O tipo está diferente do registro 8801: 'R'"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Registros88Test, CreditoPorEntradasSemNotas) {
    Gim gim;
    gim.registro8801.valores[0] = 10000;
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg.8801): Créditos por entrada informados sem registro 50/70 "
                                             "correspondentes")));
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("ADVERTÊNCIA (Reg.8801): Valor crédito por entradas diferente soma das "
                                             "notas. Lido: 100,00 Apurado:0,00")));
}

TEST_F(Registros88Test, ErroDeCampoDoRegistroEhRelatadoPeloRamo) {
    Gim gim;
    auto linhas = gim.Linhas();
    linhas[1] = Sobrescrever(linhas[1], 112, "0000000001A00");  // "Saldo Anterior"
    Criticar(linhas);
    EXPECT_THAT(Relatorio(), HasSubstr(" - REJEICAO (REG.8801): Campo: Saldo Anterior - Erro: "));
}

// --- 8804: payment regime and complementary information ----------------------------------------------------------

struct CasoRegime {
    const char* nome;
    char regime;
    bool com8801e8802;
    std::string mensagem;
};

class RegimeTest : public Registros88Test, public testing::WithParamInterface<CasoRegime> {};

TEST_P(RegimeTest, RegimeDecideOs8801E8802) {
    const CasoRegime& caso = GetParam();
    Gim gim;
    gim.registro8804.regime = caso.regime;
    auto linhas = gim.Linhas();
    if (!caso.com8801e8802) linhas = Sem(Sem(linhas, "8801"), "8802");
    Criticar(linhas);
    if (caso.mensagem.empty()) {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("(Reg.88")));
    } else {
        EXPECT_THAT(Relatorio(), HasSubstr(Linha(caso.mensagem)));
    }
    // No record complains of a missing 8801 or 8802 that the regime does not ask for.
    if (caso.regime != '1') {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("Não Existe Registro 880")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RegimeTest,
    testing::Values(
        CasoRegime{"simples_com_8801", '3', true,
                   "REJEIÇÃO (Reg.8804): Não é permitido registro 8801 e 8802 em GIM do simples"},
        CasoRegime{"simples_sem_8801", '3', false, ""},
        CasoRegime{"epp_com_8801", '7', true, "REJEIÇÃO (Reg.88): Não informar registros 8801 e 8802 em GIM EPP!"},
        CasoRegime{"epp_sem_8801", '7', false, ""},
        CasoRegime{"invalido", '9', true,
                   "REJEIÇÃO (Reg.8804): Tipo de regime de pagamento inválido. Informado: '9'."}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Registros88Test, RegimeNormalExigeOCabecalhoDo8801) {
    Gim gim;
    gim.registro8804.periodo = "201704";
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg.8804): Inscrição, Periodo e Tipo devem ser iguais ao "
                                             "registro 8801:161234569201704N")));
}

TEST_F(Registros88Test, CamposDo8804SaoTodosConferidos) {
    Gim gim;
    gim.registro8804.diferencialAliquota = "00000000001X0";
    gim.registro8804.retidoOutrasUf = "-000000000100";
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg 8804 - Informações Complementares) Campo 'Diferencial de "
                                             "Alíquota' não possui um valor monetário válido: '00000000001X0'")));
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg 8804 - Informações Complementares) Campo 'ICMS ST Retido "
                                             "em Outras UF' possui valor negativo: '-000000000100'")));
}

TEST_F(Registros88Test, ColunasFinaisDo8804SoSaoConferidasSemRejeicaoAnterior) {
    Gim gim;
    gim.outros88 = {Sobrescrever(Registro8804().Linha(), 110, "LIXO")};
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(),
                HasSubstr(Linha("REJEIÇÃO (Reg.8804): Posição (100 a 126) deve conter apenas brancos: LIXO")));

    gim.registro8801.inscricao = "161234577";  // any rejection before the 8804
    gim.registro8802.inscricao = gim.registro8804.inscricao = "161234577";
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(), HasSubstr("Inscrição Estadual diferente do registro 10"));
    EXPECT_THAT(Relatorio(), Not(HasSubstr("Posição (100 a 126)")));
}

// --- 8805: the accountant ----------------------------------------------------------------------------------------

struct CasoContabilista {
    const char* nome;
    Registro8805 registro;
    std::vector<std::string> rejeicoes;
    std::vector<std::string> advertencias;
};

Registro8805 Contabilista(std::string Registro8805::*campo, std::string valor) {
    Registro8805 registro;
    registro.*campo = std::move(valor);
    return registro;
}

class ContabilistaTest : public Registros88Test, public testing::WithParamInterface<CasoContabilista> {};

TEST_P(ContabilistaTest, DadosDoContabilista) {
    const CasoContabilista& caso = GetParam();
    Gim gim;
    gim.registro8805 = caso.registro;
    Criticar(gim.Linhas());
    const std::string relatorio = Relatorio();
    for (const auto& mensagem : caso.rejeicoes) EXPECT_THAT(relatorio, HasSubstr(Linha(mensagem)));
    for (const auto& mensagem : caso.advertencias) EXPECT_THAT(relatorio, HasSubstr(Linha(mensagem)));
    if (caso.rejeicoes.empty()) {
        EXPECT_THAT(relatorio, Not(HasSubstr("REJEIÇÕES ENCONTRADAS")));
    } else {
        EXPECT_THAT(relatorio, HasSubstr("REJEIÇÕES ENCONTRADAS: " + std::to_string(caso.rejeicoes.size()) + "\r\n"));
    }
    if (caso.advertencias.empty()) {
        EXPECT_THAT(relatorio, Not(HasSubstr("ADVERTÊNCIAS ENCONTRADAS")));
    } else {
        EXPECT_THAT(relatorio, HasSubstr("TOTAL DE ADVERTÊNCIAS ENCONTRADAS: " +
                                         std::to_string(caso.advertencias.size()) + "\r\n"));
    }
}

const std::string kAvisoEmail = "O E-Mail será utilizado nas comunicações da XAR!";

INSTANTIATE_TEST_SUITE_P(
    Casos, ContabilistaTest,
    testing::Values(
        CasoContabilista{"cpf_com_tres_zeros", Contabilista(&Registro8805::documento, "00052998224725"), {}, {}},
        CasoContabilista{"cpf", Contabilista(&Registro8805::documento, "52998224725"), {}, {}},
        CasoContabilista{"cnpj", Contabilista(&Registro8805::documento, "12345678000195"), {}, {}},
        CasoContabilista{"cnpj_com_tres_zeros_vale_como_cpf",
                         Contabilista(&Registro8805::documento, "00012345000165"),
                         {"REJEIÇÃO (Reg.8805): Dígito verificador do CPF/CNPJ do Contabilista não é válido. CPF/CNPJ "
                          "informado 00012345000165"},
                         {}},
        CasoContabilista{"cpf_errado",
                         Contabilista(&Registro8805::documento, "52998224726"),
                         {"REJEIÇÃO (Reg.8805): Dígito verificador do CPF/CNPJ do Contabilista não é válido. CPF/CNPJ "
                          "informado 52998224726   "},
                         {}},
        CasoContabilista{"documento_com_pontos",
                         Contabilista(&Registro8805::documento, "529.982.247-25"),
                         {"REJEIÇÃO (Reg.8805): CPF/CNPJ do Contabilista inválido! CPF/CNPJ informado : "
                          "'529.982.247-25'"},
                         {}},
        CasoContabilista{"zeros",
                         Contabilista(&Registro8805::documento, "00000000000000"),
                         {"REJEIÇÃO (Reg.8805): CPF/CNPJ do Contabilista não é válido. CPF/CNPJ informado "
                          "'00000000000000'"},
                         {}},
        CasoContabilista{"crc_digito_errado",
                         Contabilista(&Registro8805::crc, "ZQ123456O5"),
                         {"CRC com dígito verificador inválido!"},
                         {}},
        CasoContabilista{"crc_uf_desconhecida",
                         Contabilista(&Registro8805::crc, "XX123456O0"),
                         {"UF de CRC inválida: 'XX'"},
                         {}},
        CasoContabilista{"nome_curto",
                         Contabilista(&Registro8805::nome, "  ANA  "),
                         {"REJEIÇÃO (Reg.8805): Nome do Contabilista incompleto: ANA"},
                         {}},
        CasoContabilista{"telefone_curto",
                         Contabilista(&Registro8805::telefone, "  333-4444  "),
                         {"REJEIÇÃO (Reg.8805): Telefone do Contabilista inválido: 333-4444"},
                         {}},
        CasoContabilista{"telefone_com_oito_digitos", Contabilista(&Registro8805::telefone, "3333-4444"), {}, {}},
        CasoContabilista{"email_vazio",
                         Contabilista(&Registro8805::email, ""),
                         {"REJEIÇÃO (Reg.8805): E-Mail do Contabilista não está informado!"},
                         {kAvisoEmail}},
        CasoContabilista{"email_sem_arroba",
                         Contabilista(&Registro8805::email, "contadora.exemplo.com.br"),
                         {"REJEIÇÃO (Reg.8805): E-Mail do Contabilista inválido: contadora.exemplo.com.br"},
                         {kAvisoEmail}},
        CasoContabilista{"email_de_7",
                         Contabilista(&Registro8805::email, "a@b.com"),
                         {"REJEIÇÃO (Reg.8805): E-Mail do Contabilista incompleto: a@b.com"},
                         {kAvisoEmail}},
        CasoContabilista{"email_de_9",
                         Contabilista(&Registro8805::email, "ab@cd.com"),
                         {"REJEIÇÃO (Reg.8805): E-Mail do Contabilista incompleto: ab@cd.com"},
                         {kAvisoEmail}},
        CasoContabilista{"email_de_10", Contabilista(&Registro8805::email, "abc@cd.com"), {}, {}},
        CasoContabilista{"email_com_www",
                         Contabilista(&Registro8805::email, "www.contadora@exemplo.com"),
                         {},
                         {"ADVERTÊNCIA (Reg.8805): Confira o E-Mail do Contabilista: www.contadora@exemplo.com",
                          "O E-Mail será utilizado nas comunicações da XRA!"}},
        CasoContabilista{"colunas_finais",
                         Contabilista(&Registro8805::reservado, "  X"),
                         {"REJEIÇÃO (Reg.8805): Dado inserido incorretamente. Posição deve estar em branco: X"},
                         {}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// --- 8816: FUNCEP and the debits of 8802 -------------------------------------------------------------------------

struct CasoDebitos {
    const char* nome;
    std::int64_t debitoSaidas;
    std::int64_t funcep;
    std::string mensagem;
};

class DebitosTest : public Registros88Test, public testing::WithParamInterface<CasoDebitos> {};

TEST_P(DebitosTest, DebitosDo8802MaisFuncepContraOsRegistrosNacionais) {
    const CasoDebitos& caso = GetParam();
    Gim gim;
    gim.registro8802.valores[0] = caso.debitoSaidas;
    gim.registro8816 = Registro8816(caso.funcep);
    Criticar(gim.Linhas());
    if (caso.mensagem.empty()) {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("Campo 6")));
    } else {
        EXPECT_THAT(Relatorio(), HasSubstr(Linha(caso.mensagem)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DebitosTest,
    testing::Values(
        CasoDebitos{"dentro_da_tolerancia", 900, 0, ""},
        CasoDebitos{"funcep_dentro_da_tolerancia", 0, 900, ""},
        CasoDebitos{"acima_da_tolerancia", 901, 0,
                    "REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas informado neste campo está diferente "
                    "do total apurado. Informado (Reg.8802 - Campo 6): 9,01. Apurado: 0,00 (Operações de saídas "
                    "informadas nos reg. 50 + reg. 70 + reg. 60 + reg. 61 + reg. 76)."},
        CasoDebitos{"com_funcep", 123456, 1000,
                    "REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas informado neste campo está diferente "
                    "do total apurado. Informado : 1.234,56 (Registro 8802 (Campo 6) - Valor das saídas sem o FUNCEP). "
                    "Apurado: 0,00 (Operações de saídas informadas nos reg. 50 + reg. 70 + reg. 60 + reg. 61 + reg. "
                    "76). Funcep Informado: 10,00."}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Registros88Test, ColunasFinaisDo8816EmBranco) {
    Gim gim;
    gim.registro8816 = Sobrescrever(Registro8816(), 126, "Z");
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(),
                HasSubstr(Linha("REJEIÇÃO (Reg.8816): Dado inserido incorretamente. Posição deve estar em branco: Z")));
}

// --- Annual data --------------------------------------------------------------------------------------------------

// Record 10 of an annual-data declaration ("DA" in columns 64-65).
Registro10 Registro10DadosAnuais(const std::string& periodo) {
    Registro10 registro10;
    registro10.razaoSocial = "COMERCIO EXEMPLO DA CORVENA LTDA DA";
    registro10.periodo = periodo;
    return registro10;
}

TEST_F(Registros88Test, DadosAnuaisNaoTemDetalhesMensais) {
    const auto linhas = {Registro10DadosAnuais("201703").Linha(), Registro8805().Linha(), Registro8806().Linha(),
                         Linha126("8819"), Linha126("8850"), Linha126("8851")};
    Criticar(linhas);
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO: Detalhe 19 não permitido em uma GIM dados anuais")));
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO: Detalhe 50 não permitido em uma GIM dados anuais")));
    EXPECT_THAT(Relatorio(), Not(HasSubstr("Detalhe 51")));
    // Annual data need no 8801 nor 8802.
    EXPECT_THAT(Relatorio(), Not(HasSubstr("Não Existe Registro 8801")));
    EXPECT_THAT(Relatorio(), Not(HasSubstr("Não Existe Registro 8802")));
}

TEST_F(Registros88Test, O8801EncerraOsDadosAnuais) {
    const auto linhas = {Registro10DadosAnuais("201705").Linha(), Registro8801().Linha(), Linha126("8819")};
    Criticar(linhas);
    EXPECT_THAT(Relatorio(), Not(HasSubstr("GIM dados anuais")));
}

struct CasoDadosAnuais {
    const char* nome;
    const char* hoje;
    Registro10 registro10;
    std::string ano;
    std::vector<std::string> mensagens;
    std::vector<std::string> ausentes;
};

Registro10 Registro10Periodo(const std::string& periodo) {
    Registro10 registro10;
    registro10.periodo = periodo;
    return registro10;
}

const std::string kPrazo = "Prazo para entrega dos dados anuais";
const std::string kAnoCorrente = "não pode ser igual ao ano corrente";

class DadosAnuaisTest : public Registros88Test, public testing::WithParamInterface<CasoDadosAnuais> {};

TEST_P(DadosAnuaisTest, AnoDosDadosAnuais) {
    const CasoDadosAnuais& caso = GetParam();
    ::setenv("ZQ_HOJE", caso.hoje, 1);
    Gim gim;
    gim.registro10 = caso.registro10;
    gim.registro8801.periodo = gim.registro8802.periodo = gim.registro8804.periodo = caso.registro10.periodo;
    Registro8806 registro8806;
    registro8806.ano = caso.ano;
    gim.outros88 = {registro8806.Linha()};
    auto linhas = gim.Linhas();
    linhas[0] = Sobrescrever(linhas[0], 122, "28");  // a last day every month has
    // 8801 would end the annual data.
    if (caso.registro10.razaoSocial.ends_with("DA")) linhas = Sem(Sem(linhas, "8801"), "8802");
    Criticar(linhas);
    for (const auto& mensagem : caso.mensagens) EXPECT_THAT(Relatorio(), HasSubstr(Linha(mensagem)));
    for (const auto& texto : caso.ausentes) EXPECT_THAT(Relatorio(), Not(HasSubstr(texto)));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DadosAnuaisTest,
    testing::Values(
        CasoDadosAnuais{"ano_anterior_no_prazo", "2018-06-15", Registro10Periodo("201703"), "2016", {},
                        {"(Reg.8806)"}},
        // Out of the library's validity too: record 10 adds its own lines.
        CasoDadosAnuais{"prazo_vencido",
                        "2019-07-15",
                        Registro10Periodo("201906"),
                        "2018",
                        {"REJEIÇÃO: Período da GIM fora do período de validade da Morvanta.DLL. ",
                         "REJEIÇÃO (Reg.8806): Prazo para entrega dos dados anuais do exercício 2018 já passou."},
                        {kAnoCorrente}},
        CasoDadosAnuais{"marco_ainda_no_prazo", "2019-07-15", Registro10Periodo("201903"), "2018", {}, {kPrazo}},
        CasoDadosAnuais{"ano_futuro",
                        "2018-06-15",
                        Registro10Periodo("201705"),
                        "2019",
                        {"REJEIÇÃO (Reg.8806): Período dos Dados Anuais deve ser menor ou igual a 2018"},
                        {}},
        CasoDadosAnuais{"ano_antigo",
                        "2018-06-15",
                        Registro10Periodo("201705"),
                        "2015",
                        {"REJEIÇÃO (Reg.8806): Período dos Dados Anuais menor que 2016. Informado no arquivo: 2015"},
                        {}},
        CasoDadosAnuais{"ano_corrente",
                        "2018-06-15",
                        Registro10Periodo("201805"),
                        "2018",
                        {"REJEIÇÃO (Reg.8806): Período dos dados anuais não pode ser igual ao ano corrente. O ano "
                         "corrente no computador é 2018."},
                        {}},
        CasoDadosAnuais{"ano_corrente_declarado_como_dados_anuais", "2018-06-15", Registro10DadosAnuais("201805"),
                        "2018", {}, {kAnoCorrente}},
        CasoDadosAnuais{"ano_invalido",
                        "2018-06-15",
                        Registro10Periodo("201705"),
                        "20X6",
                        {"REJEIÇÃO (Reg.8806): Valor informado no campo Periodo é inválido: 20X6"},
                        {"Período dos Dados Anuais", kAnoCorrente, kPrazo}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Registros88Test, TipoECamposDo8806) {
    Registro8806 registro8806;
    registro8806.tipo = 'X';
    Gim gim;
    gim.outros88 = {Sobrescrever(registro8806.Linha(), 19, "ABC"), Sobrescrever(registro8806.Linha(), 110, "-1")};
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg.8806): Não informado tipo da GIM (Normal/Retificado)")));
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg 8806 - Dados Anuais) Campo 'Estoque Tributável' não possui "
                                             "um valor monetário válido: 'ABC0000000000'")));
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg 8806 - Dados Anuais) Campo 'Despesas Gerais' possui valor "
                                             "negativo: '-100000000000'")));
}

TEST_F(Registros88Test, DadosAnuaisSemContabilista) {
    Criticar({Registro10DadosAnuais("201703").Linha(), Registro8806().Linha()});
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg.8806): Não Existe Registro 8805")));
}

// --- By period ----------------------------------------------------------------------------------------------------

struct CasoPeriodo8815 {
    const char* nome;
    std::string periodo;
    std::string linha8815;
    std::string mensagem;
};

class Brancos8815Test : public Registros88Test, public testing::WithParamInterface<CasoPeriodo8815> {};

// The programme credits came to the layout in 2006: before, the line ends at column 56.
TEST_P(Brancos8815Test, AreaEmBrancoDependeDoPeriodo) {
    const CasoPeriodo8815& caso = GetParam();
    Gim gim;
    gim.registro10.periodo = caso.periodo;
    gim.registro8801.periodo = gim.registro8802.periodo = gim.registro8804.periodo = caso.periodo;
    gim.registro8815 = caso.linha8815;
    Criticar(gim.Linhas());
    if (caso.mensagem.empty()) {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("Reg.8815")));
    } else {
        EXPECT_THAT(Relatorio(), HasSubstr(Linha(caso.mensagem)));
    }
}

const std::string kCreditosAte2005 = Linha126("8815" + Valor(0) + Valor(0) + Valor(0) + Valor(100));

INSTANTIATE_TEST_SUITE_P(
    Casos, Brancos8815Test,
    testing::Values(
        CasoPeriodo8815{"programas_em_2006", "200601", Registro8815({0, 0, 0, 0, 100, 200, 300, 400}), ""},
        CasoPeriodo8815{"depois_da_coluna_108", "200601", Sobrescrever(Registro8815(), 109, "X"),
                        "REJEIÇÃO (Reg.8815): Dado inserido incorretamente. Posição deve estar em branco: X"},
        CasoPeriodo8815{"so_presumidos_em_2005", "200512", kCreditosAte2005, ""},
        CasoPeriodo8815{"programas_em_2005", "200512", Sobrescrever(kCreditosAte2005, 57, "0000000000100"),
                        "REJEIÇÃO (Reg.8815): Dado inserido incorretamente. Posição deve estar em branco: "
                        "0000000000100"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

struct CasoDebitos8802 {
    const char* nome;
    std::string periodo;
    std::int64_t debitoSaidas;
    bool rejeitado;
};

class Debitos8802Test : public Registros88Test, public testing::WithParamInterface<CasoDebitos8802> {};

// Until 01/2005 the debits of 8802 are checked alone; later with the FUNCEP of 8816.
TEST_P(Debitos8802Test, DebitosSemFuncepAte2005) {
    const CasoDebitos8802& caso = GetParam();
    Gim gim;
    gim.registro10.periodo = caso.periodo;
    gim.registro8801.periodo = gim.registro8802.periodo = gim.registro8804.periodo = caso.periodo;
    gim.registro8802.valores[0] = caso.debitoSaidas;
    const auto linhas = Sem(gim.Linhas(), "8816");
    Criticar(linhas);
    if (caso.rejeitado) {
        // (two blanks before "neste")
        EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas "
                                                 "informado  neste campo está diferente do total apurado. Informado "
                                                 "(Reg.8802 Campo 6): 9,01. Apurado: 0,00 (Operações de saídas "
                                                 "informadas nos reg. 50 + reg. 70 + reg. 60 + reg. 61 + reg. 76).")));
    } else {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("Campo 6")));
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, Debitos8802Test,
                         testing::Values(CasoDebitos8802{"janeiro_2005_na_tolerancia", "200501", 900, false},
                                         CasoDebitos8802{"janeiro_2005", "200501", 901, true},
                                         CasoDebitos8802{"fevereiro_2005", "200502", 901, false}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// --- 8803: transfers of credits, until 2002 ----------------------------------------------------------------------

// `chave`: the registration and period of 8801 (columns 5-19); then the other party's registration, the nature of
// the transfer ("E" received, "S" sent) and its value.
std::string Registro8803(const std::string& chave, const std::string& inscricao, const std::string& natureza,
                         const std::string& valor) {
    return Linha126("8803" + chave + inscricao + natureza + valor);
}

struct Caso8803 {
    const char* nome;
    std::string linha;
    std::string mensagem;
};

class Transferencias8803Test : public Registros88Test, public testing::WithParamInterface<Caso8803> {};

TEST_P(Transferencias8803Test, TransferenciaDeCreditosAte2002) {
    const Caso8803& caso = GetParam();
    Gim gim;
    gim.registro10.periodo = "200212";
    gim.registro8801.periodo = gim.registro8802.periodo = gim.registro8804.periodo = "200212";
    gim.outros88 = {caso.linha};
    Criticar(gim.Linhas());
    if (caso.mensagem.empty()) {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("(Reg.8803)")));
    } else {
        EXPECT_THAT(Relatorio(), HasSubstr(Linha(caso.mensagem)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Transferencias8803Test,
    testing::Values(
        Caso8803{"recebida", Registro8803("161234569200212", "161234577", "E", Valor(1000)), ""},
        Caso8803{"enviada", Registro8803("161234569200212", "161234577", "S", Valor(1000)), ""},
        Caso8803{"outro_periodo", Registro8803("161234569200211", "161234577", "E", Valor(1000)),
                 "REJEIÇÃO (Reg.8803): Inscrição, Periodo e Tipo devem ser iguais ao registro 8801:1612345692002111"},
        Caso8803{"inscricao_invalida", Registro8803("161234569200212", "161234578", "E", Valor(1000)),
                 "REJEIÇÃO (Reg.8803): Inscrição Estadual inválida: 161234578"},
        Caso8803{"natureza", Registro8803("161234569200212", "161234577", "T", Valor(1000)),
                 "REJEIÇÃO (Reg.8803): Natureza da Transferência deve ser (E/S):T"},
        Caso8803{"valor", Registro8803("161234569200212", "161234577", "E", "00000001000,0"),
                 "REJEIÇÃO (Reg.8803): Valor da Transferência não é um numérico válido: 00000001000,0"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(Registros88Test, Registro8803NaoEhMaisInformado) {
    Gim gim;
    gim.outros88 = {Registro8803("161234569201705", "161234577", "E", Valor(1000))};
    Criticar(gim.Linhas());
    EXPECT_THAT(Relatorio(), HasSubstr(Linha("REJEIÇÃO: O Registro 8803 não é mais informado na GIM 2017")));
}

// --- Against the national records --------------------------------------------------------------------------------

// An entry of 1,000.00 from the home state at 17 %: 170.00 of credit.
Registro50 Entrada(int cfop = 1102) {
    Registro50 nota;
    nota.cfop = cfop;
    nota.emitente = 'T';
    return nota;
}

struct CasoNacional {
    const char* nome;
    std::vector<std::string> nacionais;
    std::array<std::int64_t, 8> valores8801;
    std::array<std::int64_t, 8> valores8802;
    std::vector<std::string> mensagens;
    std::vector<std::string> ausentes;
};

class NacionaisTest : public Registros88Test, public testing::WithParamInterface<CasoNacional> {};

TEST_P(NacionaisTest, ApuracaoContraOsRegistrosNacionais) {
    const CasoNacional& caso = GetParam();
    Gim gim;
    gim.nacionais = caso.nacionais;
    gim.registro8801.valores = caso.valores8801;
    gim.registro8802.valores = caso.valores8802;
    Criticar(gim.Linhas());
    for (const auto& mensagem : caso.mensagens) EXPECT_THAT(Relatorio(), HasSubstr(Linha(mensagem)));
    for (const auto& texto : caso.ausentes) EXPECT_THAT(Relatorio(), Not(HasSubstr(texto)));
}

Registro70 Conhecimento(int cfop, long long icms) {
    Registro70 registro;
    registro.cfop = cfop;
    registro.icms = icms;
    return registro;
}

Registro53 Substituicao(int cfop, long long icmsRetido) {
    Registro53 registro;
    registro.cfop = cfop;
    registro.icmsRetido = icmsRetido;
    return registro;
}

// A record 53 of the ST paid in advance (Anexo V, anticipation code "5").
std::string SubstituicaoAnexoV(long long icmsRetido) {
    return Sobrescrever(Substituicao(5405, icmsRetido).Linha(), 97, "5");
}

const std::string kCreditos = "Valor crédito por entradas diferente soma das notas";
const std::string kTransferenciaRecebida = "Valor Crédito Recebidos por Transferência";
const std::string kTransferenciaEnviada = "Valor da transferência de créditos acumulados";
const std::string kCampo12 = "Campo 12";
const std::string kCampo13 = "Campo 13";
const std::string kSubstituicaoSaidas = "ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas";
const std::string kTextoSubstituicaoSaidas =
    "ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas Anexo V (campo 12) somada a ST saídas internas Regime "
    "Fonte (campo 13) está diferente do total da ST por saidas internas apurada. Lido (Registro 8802): ";

INSTANTIATE_TEST_SUITE_P(
    Casos, NacionaisTest,
    testing::Values(
        CasoNacional{"creditos_das_notas_e_conhecimentos",
                     {Entrada().Linha(), Conhecimento(1353, 1700).Linha()},
                     {18700},
                     {},
                     {},
                     {kCreditos, "sem registro 50/70"}},
        CasoNacional{"credito_acima_das_notas",
                     {Entrada().Linha(), Conhecimento(1353, 1700).Linha()},
                     {18701},
                     {},
                     {"ADVERTÊNCIA (Reg.8801): Valor crédito por entradas diferente soma das notas. Lido: 187,01 "
                      "Apurado:187,00"},
                     {"sem registro 50/70"}},
        CasoNacional{"transferencia_recebida", {Entrada(1602).Linha()}, {0, 0, 16100}, {}, {},
                     {kTransferenciaRecebida}},
        CasoNacional{"transferencia_recebida_alem_da_tolerancia",
                     {Entrada(1602).Linha()},
                     {0, 0, 16099},
                     {},
                     {"REJEIÇAO (Reg.8801): Valor Crédito Recebidos por Transferência diferente soma das notas. Lido: "
                      "160,99 Apurado:170,00"},
                     {}},
        CasoNacional{"transferencia_enviada", {Registro50{.cfop = 5602}.Linha()}, {}, {0, 17000}, {},
                     {kTransferenciaEnviada}},
        CasoNacional{"transferencia_enviada_sem_8802",
                     {Registro50{.cfop = 5602}.Linha()},
                     {},
                     {},
                     {"REJEIÇÃO (Reg.8802): Valor da transferência de créditos acumulados diferente da soma das notas. "
                      "Informado(Reg.8802): 0,00. Apurado(Reg.50): 170,00"},
                     {}},
        CasoNacional{"st_fonte_informada", {Substituicao(5403, 1000).Linha()}, {}, {0, 0, 0, 0, 0, 0, 0, 1000}, {},
                     {kCampo12, kCampo13, kSubstituicaoSaidas}},
        CasoNacional{"st_fonte_sem_campo_13",
                     {Substituicao(5403, 1000).Linha()},
                     {},
                     {},
                     {"REJEIÇÃO(Reg 8802) Campo 13: Subst. por saidas internas Regime Fonte com valores divergentes. "
                      "Lido (Registro 8802): 0,00 Apurado (Registro(s) 53): 10,00",
                      kTextoSubstituicaoSaidas + "(0 + 0) = 0 Apurado (Registro(s) 53): 10"},
                     {"ADVERTÊNCIA(Reg 8802) Campo 13"}},
        CasoNacional{"st_fonte_divergente",
                     {Substituicao(5403, 1000).Linha()},
                     {},
                     {0, 0, 0, 0, 0, 0, 0, 2001},
                     {"ADVERTÊNCIA(Reg 8802) Campo 13: Subst. por saidas internas Regime Fonte com valores "
                      "divergentes. Lido (Registro 8802): 20,01 Apurado (Registro(s) 53): 10,00",
                      kTextoSubstituicaoSaidas + "(0 + 20,01) = 20,01 Apurado (Registro(s) 53): 10"},
                     {"REJEIÇÃO(Reg 8802) Campo 13"}},
        CasoNacional{"st_anexo_v_informada", {SubstituicaoAnexoV(1000)}, {}, {0, 0, 0, 0, 0, 0, 1000}, {},
                     {kCampo12, kCampo13, kSubstituicaoSaidas}},
        CasoNacional{"st_anexo_v_inferior_em_3",
                     {SubstituicaoAnexoV(1000)},
                     {},
                     {0, 0, 0, 0, 0, 0, 700},
                     {"REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está inferior ao apurado. "
                      "Informado (Registro 8802): 7,00 Apurado (Registro(s) 53): 10,00 "},
                     {kSubstituicaoSaidas}},
        CasoNacional{"st_anexo_v_inferior_alem_de_3",
                     {SubstituicaoAnexoV(1000)},
                     {},
                     {0, 0, 0, 0, 0, 0, 699},
                     {kTextoSubstituicaoSaidas + "(6,99 + 0) = 6,99 Apurado (Registro(s) 53): 10"},
                     {}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// An interstate acquisition for the fixed assets: the rate difference is due.
Registro50 AtivoFixo() {
    Registro50 nota = Entrada(2551);
    nota.uf = "SP";
    nota.icms = 4000;
    nota.aliquota = 400;
    return nota;
}

struct Caso8804 {
    const char* nome;
    std::vector<std::string> nacionais;
    std::string diferencialAliquota;
    std::vector<std::string> mensagens;
    std::vector<std::string> ausentes;
};

class Comparacoes8804Test : public Registros88Test, public testing::WithParamInterface<Caso8804> {};

// The comparisons of 8804 run only in a declaration without any rejection so far, whatever its source.
TEST_P(Comparacoes8804Test, ComparacoesDependemDeRejeicoesAnteriores) {
    const Caso8804& caso = GetParam();
    Gim gim;
    gim.nacionais = caso.nacionais;
    gim.registro8804.diferencialAliquota = caso.diferencialAliquota;
    auto linhas = gim.Linhas();
    for (auto& linha : linhas) {
        if (linha.starts_with("8804")) linha = Sobrescrever(linha, 110, "LIXO");
    }
    Criticar(linhas);
    for (const auto& mensagem : caso.mensagens) EXPECT_THAT(Relatorio(), HasSubstr(Linha(mensagem)));
    for (const auto& texto : caso.ausentes) EXPECT_THAT(Relatorio(), Not(HasSubstr(texto)));
}

const std::string kPosicoesFinais = "REJEIÇÃO (Reg.8804): Posição (100 a 126) deve conter apenas brancos: LIXO";
const std::string kDiferencialAliquota = "Diferencial de Alíquota - Ativo Fixo";

Registro50 NotaComCfopDeGrupo() {
    Registro50 nota;
    nota.cfop = 5100;
    return nota;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Comparacoes8804Test,
    testing::Values(
        Caso8804{"diferencial_nao_informado",
                 {AtivoFixo().Linha()},
                 Valor(0),
                 {"ADVERTÊNCIA(Reg.8804) Campo 06: Diferencial de Alíquota - Ativo Fixo. Lido: 0,00 Apurado: 40,00",
                  kPosicoesFinais},
                 {}},
        Caso8804{"diferencial_informado", {AtivoFixo().Linha()}, Valor(4000), {kPosicoesFinais},
                 {kDiferencialAliquota}},
        Caso8804{"rejeicao_de_registro_50",
                 {AtivoFixo().Linha(), NotaComCfopDeGrupo().Linha()},
                 Valor(0),
                 {"REJEIÇÃO (Reg 50): O CFOP 5100 utilizado na nota fiscal 000001 de 10/05/2017 é um CFOP de grupo."},
                 {kDiferencialAliquota, "Posição (100 a 126)"}},
        Caso8804{"campo_do_proprio_8804",
                 {AtivoFixo().Linha()},
                 "0000000000A00",
                 {"REJEIÇÃO (Reg 8804 - Informações Complementares) Campo 'Diferencial de Alíquota' não possui um "
                  "valor monetário válido: '0000000000A00'"},
                 {kDiferencialAliquota, "Posição (100 a 126)"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

}  // namespace
}  // namespace zq::teste
