// The checks of record 90 and the end of the pass, on whole declarations
// critiqued through the host stand-in.

#include <cstdlib>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/Relatorios.h"
#include "support/Projeto.h"
#include "support/DeclaracaoMensal.h"
#include "support/Host.h"
#include "support/PastaTeste.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

// The line of `linhas` that begins with `prefixo`.
std::string& LinhaDe(std::vector<std::string>& linhas, const std::string& prefixo) {
    for (auto& linha : linhas) {
        if (linha.starts_with(prefixo)) return linha;
    }
    throw std::logic_error("sem linha " + prefixo);
}

class FechamentoDeclaracaoTest : public testing::Test {
protected:
    void SetUp() override { ::setenv("ZQ_HOJE", "2018-06-15", 1); }
    void TearDown() override { ::unsetenv("ZQ_HOJE"); }

    int Criticar(const std::string& conteudo) {
        GravarArquivo(entrada_, conteudo);
        return CriticarComHost(entrada_, relatorio_).resultado;
    }
    int Criticar(const DeclaracaoMensal& declaracao) { return Criticar(declaracao.Texto()); }
    std::string Relatorio() const { return LerArquivo(relatorio_); }

    PastaTeste pasta_;
    std::filesystem::path entrada_ = pasta_ / "declaracao.txt";
    std::filesystem::path relatorio_ = pasta_ / "relatorio.txt";
};

TEST_F(FechamentoDeclaracaoTest, DeclaracaoQueSatisfazTodasAsRegrasDaZeroEASentencaDeSucesso) {
    EXPECT_EQ(Criticar(DeclaracaoMensal()), 0) << Relatorio();
    EXPECT_THAT(Relatorio(), HasSubstr(kSucesso));
}

TEST_F(FechamentoDeclaracaoTest, ExemploDistribuidoEhAceitoSemMensagens) {
    const auto exemplo = PastaProjeto() / "examples" /
                         "gim-mensal-201705.txt";
    EXPECT_EQ(CriticarComHost(exemplo, relatorio_).resultado, 0) << Relatorio();
    EXPECT_THAT(Relatorio(), HasSubstr(kSucesso));
}

TEST_F(FechamentoDeclaracaoTest, SegundoRegistro90NaoRepeteAsVerificacoesMasTemSuaColuna126Conferida) {
    DeclaracaoMensal declaracao;
    declaracao.gim.erase(declaracao.gim.begin() + 3);  // 8805
    auto linhas = declaracao.Linhas();
    std::string segundo = linhas.back();
    segundo.back() = 'X';
    linhas.push_back(segundo);

    EXPECT_EQ(Criticar(Arquivo(linhas)), 2);
    EXPECT_EQ(Ocorrencias(Relatorio(), "REJEIÇÃO: Não Existe Registro 8805 (Informações Contador)"), 1);
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÃO (Reg 90 - Totalização do arquivo) Campo 'Número de registros tipo 90' "
                                       "não possui um valor numérico válido: 'X'"));
}

TEST_F(FechamentoDeclaracaoTest, ArquivoSemRegistro90NaoFazAsVerificacoesDoFechamento) {
    DeclaracaoMensal declaracao;
    declaracao.gim.erase(declaracao.gim.begin() + 3);  // 8805
    auto linhas = declaracao.Linhas();
    linhas.pop_back();

    Criticar(Arquivo(linhas));
    EXPECT_THAT(Relatorio(), Not(HasSubstr("REJEIÇÃO: Não Existe Registro 8805")));
}

struct CasoColuna126 {
    const char* nome;
    char conteudo;
    bool rejeitado;
};

class Coluna126Test : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoColuna126> {};

TEST_P(Coluna126Test, QuantidadeDeRegistros90DeveSerNumerica) {
    auto linhas = DeclaracaoMensal().Linhas();
    linhas.back().back() = GetParam().conteudo;
    const std::string rejeicao = std::string("REJEIÇÃO (Reg 90 - Totalização do arquivo) Campo 'Número de "
                                             "registros tipo 90' não possui um valor numérico válido: '") +
                                 GetParam().conteudo + "'";

    const int resultado = Criticar(Arquivo(linhas));
    if (GetParam().rejeitado) {
        EXPECT_EQ(resultado, 2);
        EXPECT_THAT(Relatorio(), HasSubstr(rejeicao));
    } else {
        EXPECT_EQ(resultado, 0) << Relatorio();
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, Coluna126Test,
                         testing::Values(CasoColuna126{"digito", '2', false}, CasoColuna126{"letra", 'X', true},
                                         CasoColuna126{"branco", ' ', true}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

struct CasoUltimoEcf {
    const char* nome;
    long long analiticoSemTributo;  // the gross sale is 300.00: 200.00 at 17 % plus this one
    const char* diferenca;          // empty: accepted
};

class UltimoEcfTest : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoUltimoEcf> {};

TEST_P(UltimoEcfTest, ToleranciaDeCincoReais) {
    DeclaracaoMensal declaracao;
    declaracao.analiticos.back().second = GetParam().analiticoSemTributo;
    const int resultado = Criticar(declaracao);
    const std::string diferenca = GetParam().diferenca;
    if (diferenca.empty()) {
        EXPECT_EQ(resultado, 0) << Relatorio();
    } else {
        EXPECT_EQ(resultado, 2);
        EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÃO (Reg.60): Venda Bruta do ECF diverge da soma dos analíticos. ECF: "
                                           "001 Data: 20170515 Lido: 300,00 Apurado: "));
        EXPECT_THAT(Relatorio(), HasSubstr(" Diferença: " + diferenca + "\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, UltimoEcfTest,
                         testing::Values(CasoUltimoEcf{"diferenca_5_00", 9500, ""},
                                         CasoUltimoEcf{"diferenca_5_01", 9499, "5,01"},
                                         CasoUltimoEcf{"sobra_5_01", 10501, "-5,01"}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// Records 88 that a declaration holds once, by their position in the GIM of DeclaracaoMensal.
struct CasoRepetido {
    const char* nome;
    std::size_t posicao;
    const char* rejeicao;
};

class DetalheRepetidoTest : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoRepetido> {};

TEST_P(DetalheRepetidoTest, DuasLinhasDoMesmoDetalheSaoRejeitadas) {
    DeclaracaoMensal declaracao;
    const auto posicao = declaracao.gim.begin() + static_cast<std::ptrdiff_t>(GetParam().posicao);
    declaracao.gim.insert(posicao, *posicao);
    EXPECT_EQ(Criticar(declaracao), 2);
    EXPECT_EQ(Ocorrencias(Relatorio(), GetParam().rejeicao), 1) << Relatorio();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DetalheRepetidoTest,
    testing::Values(
        CasoRepetido{"d8801", 0, "REJEIÇÃO: Foram encontrados 2 detalhes 01 do registro 88. Deve ser apenas 1."},
        CasoRepetido{"d8802", 1, "REJEIÇÃO: Foram encontrados 2 detalhes 02 do registro 88. Deve ser apenas 1."},
        CasoRepetido{"d8804", 2, "REJEIÇÃO: Foram encontrados 2 detalhes 04 do registro 88. Deve ser apenas 1."},
        CasoRepetido{"d8805", 3, "REJEIÇÃO: Encontrado mais de um registro 8805"},
        CasoRepetido{"d8815", 4, "REJEIÇÃO: Foram encontrados 2 detalhes 15 do registro 88. Deve ser apenas 1."},
        CasoRepetido{"d8816", 5, "REJEIÇÃO: Foram encontrados 2 detalhes 16 do registro 88. Deve ser apenas 1."}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// The GIM records a declaration must hold, by its kind and regime.
struct CasoExigidos {
    const char* nome;
    bool dadosAnuais;
    std::vector<std::string> gim;
    std::vector<std::string> presentes;
    std::vector<std::string> ausentes;
};

class RegistrosExigidosTest : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoExigidos> {};

TEST_P(RegistrosExigidosTest, RejeicoesDosRegistrosQueFaltam) {
    DeclaracaoMensal declaracao;
    declaracao.gim = GetParam().gim;
    if (GetParam().dadosAnuais) declaracao.registro10.razaoSocial = Ajustado("DISTRIBUIDORA EXEMPLO", 33) + "DA";
    Criticar(declaracao);
    for (const auto& mensagem : GetParam().presentes) EXPECT_THAT(Relatorio(), HasSubstr(mensagem));
    for (const auto& mensagem : GetParam().ausentes) EXPECT_THAT(Relatorio(), Not(HasSubstr(mensagem)));
}

const std::string k8801 = "REJEIÇÃO: Não Existe Registro 8801\r\n";
const std::string k8802 = "REJEIÇÃO: Não Existe Registro 8802\r\n";
const std::string k8804 = "REJEIÇÃO: Não Existe Registro 8804 (Informações Complementares)";
const std::string k8805 = "REJEIÇÃO: Não Existe Registro 8805 (Informações Contador)";
const std::string k8806 = "REJEIÇÃO: Não Existe Registro 8806 (Dados Anuais)";
const std::string kCreditoEpp = "REJEIÇÃO (Reg.8804): Não Existe Registro com Informações Crédito - EPP.";
const std::string k8815e8816Epp = "REJEIÇÃO (Reg.8804): Não informar registros 8815 e 8816 em GIM EPP!";
const std::string k8815e8816Normal = "REJEIÇÃO (Reg.8804): Empresa NORMAL deve informar Registros 8815 e 8816.";
const std::string kSimples =
    "REJEIÇÃO: Existem registros 88 que não são os permitidos na declaração do Simples Nacional.";

INSTANTIATE_TEST_SUITE_P(
    Casos, RegistrosExigidosTest,
    testing::Values(
        // A sub-type without rules of its own: the GIM is only this line.
        CasoExigidos{
            "mensal_sem_registros_principais", false, {Gim88("07", {})}, {k8801, k8802, k8804, k8805}, {k8806}},
        CasoExigidos{"dados_anuais_sem_8806", true, {Gim88("07", {})}, {k8804, k8805, k8806}, {k8801, k8802}},
        CasoExigidos{"normal_sem_8815",
                     false,
                     {Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0}), Gim88("02", {34850, 0, 0, 0, 0, 0, 0, 0}),
                      Gim8804('1'), Gim8805(), GimSemCabecalho("16", {0, 0, 0, 0, 0})},
                     {k8815e8816Normal},
                     {k8801, k8802, k8804, k8805}},
        CasoExigidos{"epp_sem_credito_e_com_8815",
                     false,
                     {Gim8804('7'), Gim8805(), GimSemCabecalho("15", {0, 0, 0, 0, 0, 0, 0, 0})},
                     {kCreditoEpp, k8815e8816Epp},
                     {k8801, k8802, k8815e8816Normal}},
        CasoExigidos{"simples_com_8815_e_8816",
                     false,
                     {Gim8804('3'), Gim8805(), GimSemCabecalho("15", {0, 0, 0, 0, 0, 0, 0, 0}),
                      GimSemCabecalho("16", {0, 0, 0, 0, 0})},
                     {kSimples, "\r\n* Encontrados: Quant. REG-88: 4 > (Qtd. REG-8850: 0 + Qtd. REG-8819: 0 + Qtd. "
                                 "REG-8820: 0 + Qtd. REG-8805: 1 + Qtd. REG-8804: 1 + Qtd. REG-8806: 0 + Qtd. "
                                 "REG-8826: 0 + Qtd. REG-8830: 0 + Qtd. REG-8818: 1) = 3"},
                     {k8801, k8802, k8804, k8805, k8815e8816Normal}},
        CasoExigidos{"simples_so_com_os_permitidos", false, {Gim8804('3'), Gim8805()}, {}, {kSimples, k8801}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(FechamentoDeclaracaoTest, SubtiposForaDeOrdemSaoRejeitados) {
    DeclaracaoMensal declaracao;
    std::swap(declaracao.gim[4], declaracao.gim[5]);  // 8816 before 8815
    EXPECT_EQ(Criticar(declaracao), 2);
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - REJEIÇÃO: Registros 88 fora da sequência\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
}

TEST_F(FechamentoDeclaracaoTest, Mais8850QueRegistros50SaoRejeitados) {
    DeclaracaoMensal declaracao;
    for (const auto& nota : declaracao.notas) declaracao.gim.push_back(Gim8850(nota));
    EXPECT_EQ(Criticar(declaracao), 0) << Relatorio();

    declaracao.gim.push_back(Gim8850(declaracao.notas.front()));
    EXPECT_EQ(Criticar(declaracao), 2);
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÃO: Encontrado mais registros 8850 do que registros 50.\r\n"
                                       "   002 - Quant. REG-8850: 5 Quant. REG-50: 4\r\n"));
}

TEST_F(FechamentoDeclaracaoTest, Registro50SemSeu54EhAdvertidoEContadoNoRelatorio) {
    auto linhas = DeclaracaoMensal().Linhas();
    const std::string nota2 = Linha126(DeclaracaoMensal().notas[1].Item54("P000001"));
    std::erase(linhas, nota2);

    EXPECT_EQ(Criticar(Arquivo(linhas)), 0) << Relatorio();
    EXPECT_THAT(Relatorio(),
                HasSubstr("TOTAL DE ADVERTÊNCIAS ENCONTRADAS: 1\r\n"
                          "ADVERTÊNCIAS DO REGISTRO 50(NF) SEM 54 (PRODUTO) E 75(CÓDIGO DO PRODUTO): 1\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("A pendência está localizada na linha 4 do arquivo e o critério para a pesquisa "
                                       "do 54 foi: CNPJ '11222333000181', NF '000002', modelo '55', série '1  ', CFOP "
                                       "'5102', alíquota '1700'."));
}

TEST_F(FechamentoDeclaracaoTest, SemNenhumRegistro54NaoHaPendenciaNemContagem) {
    auto linhas = DeclaracaoMensal().Linhas();
    std::erase_if(linhas, [](const std::string& linha) { return linha.starts_with("54"); });

    EXPECT_EQ(Criticar(Arquivo(linhas)), 0) << Relatorio();
    EXPECT_THAT(Relatorio(), Not(HasSubstr("SEM 54")));
}

// The errors the GIM record set collected: reported by the branch of the sub-type (8801) or, for the others, by
// record 90; never twice.
struct CasoErro88 {
    const char* nome;
    const char* prefixo;
    void (*alterar)(std::string& linha);
    const char* erro;
};

class ErrosDoConjunto88Test : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoErro88> {};

TEST_P(ErrosDoConjunto88Test, CadaErroEhRelatadoUmaVez) {
    auto linhas = DeclaracaoMensal().Linhas();
    GetParam().alterar(LinhaDe(linhas, GetParam().prefixo));
    EXPECT_EQ(Criticar(Arquivo(linhas)), 2);
    EXPECT_EQ(Ocorrencias(Relatorio(), GetParam().erro), 1) << Relatorio();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ErrosDoConjunto88Test,
    testing::Values(CasoErro88{"campo_do_8801", "8801", [](std::string& linha) { linha[25] = 'A'; },
                               "REJEICAO (REG.8801): Campo: Crédito por Entradas - Erro: "},
                    CasoErro88{"8805_curto", "8805", [](std::string& linha) { linha.resize(100); },
                               "(Registro 8805) Linha de tamanho 100, menor que o tamanho mínimo aceitável (116)!"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// Records 53 withhold 100.00 of ST on Anexo V; 8802 declares 60.00 in field 12. Without 8821, the FUNCEP on ST
// outputs of 8816 field 4 counts against the difference.
struct CasoFuncepSt {
    const char* nome;
    long long funcepSt;
    const char* rejeicao;
};

class FuncepStTest : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoFuncepSt> {};

TEST_P(FuncepStTest, SubstituiARejeicaoDoCampo12) {
    DeclaracaoMensal declaracao;
    declaracao.substituicoes = {Substituicao53(10000)};
    declaracao.gim[1] = Gim88("02", {34850, 0, 0, 0, 0, 0, 6000, 0});
    declaracao.gim[5] = GimSemCabecalho("16", {0, GetParam().funcepSt, 0, 0, 0});
    EXPECT_EQ(Criticar(declaracao), 2);

    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr(std::string("   001 - ") + GetParam().rejeicao));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FuncepStTest,
    testing::Values(CasoFuncepSt{"sem_funcep", 0,
                                 "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está inferior ao "
                                 "apurado."},
                    CasoFuncepSt{"funcep_de_30_00", 3000,
                                 "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas internas informado no registro "
                                 "8802 (campo 12) é inferior ao total da ST interna apurada nos registros 53 subtraído "
                                 "do total da subst. por saídas para a ZQ (campo 4) informada no registro 8816 "
                                 "(FUNCEP/ZQ). Lido: 8802 : R$ 60,00(A), 8816: R$ 30,00(B). Apurado(53): R$ 100,00(C). "
                                 "Diferença: (C - (A + B)) = R$ 10,00.\r\n"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// Until 2002 the transfers of accumulated credits were detailed in 8803 lines: received ("E") against the 8801
// credit by transfer, sent ("S") against the 8802 debit by transfer.
struct CasoSomas8803 {
    const char* nome;
    std::string periodo;
    long long enviadas8803;
    bool rejeitaEnviadas;
};

class SomasDo8803Test : public FechamentoDeclaracaoTest, public testing::WithParamInterface<CasoSomas8803> {};

TEST_P(SomasDo8803Test, SomasComparadasComOsValoresDeclarados) {
    const std::string& periodo = GetParam().periodo;
    Registro10 registro10;
    registro10.periodo = periodo;
    const std::string cabecalho8803 = "8803" + std::string("161234569") + periodo + "161234569";
    const auto linhas = std::vector<std::string>{
        registro10.Linha(),
        Linha126(Gim88("01", {0, 0, 10000, 0, 0, 0, 0, 0}, 'N', periodo)),
        Linha126(Gim88("02", {0, 5000, 0, 0, 0, 0, 0, 0}, 'N', periodo)),
        Linha126(cabecalho8803 + "E" + Digitos(6000, 13)),
        Linha126(cabecalho8803 + "E" + Digitos(4000, 13)),
        Linha126(cabecalho8803 + "S" + Digitos(GetParam().enviadas8803, 13)),
        Linha126(Gim8804('1', periodo)),
        Linha126(Gim8805()),
    };
    Criticar(Arquivo(linhas));

    const std::string enviadas = "REJEIÇÃO:Soma das transferências de créditos enviados (8803) diferente valor "
                                 "Transferência Créditos Acumulados.Lido:50 Apurado:" +
                                 std::to_string(GetParam().enviadas8803 / 100) + "\r\n";
    if (GetParam().rejeitaEnviadas) {
        EXPECT_THAT(Relatorio(), HasSubstr(enviadas));
    } else {
        EXPECT_THAT(Relatorio(), Not(HasSubstr("Soma das transferências de créditos enviados")));
    }
    EXPECT_THAT(Relatorio(), Not(HasSubstr("Soma das transferências de créditos recebidos")));
}

INSTANTIATE_TEST_SUITE_P(Casos, SomasDo8803Test,
                         testing::Values(CasoSomas8803{"iguais_em_2002", "200212", 5000, false},
                                         CasoSomas8803{"diferentes_em_2002", "200212", 4000, true},
                                         CasoSomas8803{"diferentes_em_2003", "200301", 4000, false}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

}  // namespace
}  // namespace zq::teste
