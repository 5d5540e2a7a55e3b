// The exported function, called through the host stand-in as the national
// validator calls it.

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/Projeto.h"
#include "support/Host.h"
#include "support/PastaTeste.h"
#include "support/Sintegra.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

class CriticaEspecificaTest : public testing::Test {
protected:
    ExecucaoHost Criticar(const std::string& conteudo) {
        GravarArquivo(entrada_, conteudo);
        return CriticarComHost(entrada_, relatorio_);
    }
    std::string Relatorio() const { return LerArquivo(relatorio_); }

    PastaTeste pasta_;
    std::filesystem::path entrada_ = pasta_ / "declaracao.txt";
    std::filesystem::path relatorio_ = pasta_ / "relatorio.txt";
};

TEST_F(CriticaEspecificaTest, ArquivoInexistenteDaUmEOReportTemSoAMensagem) {
    const auto execucao = CriticarComHost(pasta_ / "nao-existe.txt", relatorio_);
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(Relatorio(), "Parâmetro inválido: Arquivo para crítica inexistente.\r\n");
}

TEST_F(CriticaEspecificaTest, PastaComoArquivoDeEntradaEhInexistente) {
    EXPECT_EQ(CriticarComHost(pasta_.Caminho(), relatorio_).resultado, 1);
    EXPECT_EQ(Relatorio(), "Parâmetro inválido: Arquivo para crítica inexistente.\r\n");
}

TEST_F(CriticaEspecificaTest, PastaDoRelatorioInexistenteDaUmSemGravarNada) {
    GravarArquivo(entrada_, Arquivo({Registro10().Linha(), Registro88()}));
    const auto execucao = CriticarComHost(entrada_, pasta_ / "sem-pasta" / "relatorio.txt");
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_FALSE(std::filesystem::exists(pasta_ / "sem-pasta"));
}

TEST_F(CriticaEspecificaTest, ArquivoVazioNaoTemRegistro88) {
    const auto execucao = Criticar("");
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - Erro ao processar crítica específica (Registro 0 - Linha do arquivo: 0 - "
                                       "Preenchendo a lista de contribuintes): REJEIÇÃO: Nenhum registro 88 "
                                       "encontrado!\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
}

TEST_F(CriticaEspecificaTest, Registro10DeOutroEstadoParaAPassagem) {
    Registro10 registro10;
    registro10.uf = "SP";
    const auto linha10 = registro10.Linha();
    const auto execucao = Criticar(Arquivo({linha10, Registro88()}));
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 2\r\n"));
    EXPECT_THAT(Relatorio(),
                HasSubstr("   001 - (Reg 10) UF diferente de 'ZQ'. Nenhuma crítica a realizar.\r\n"
                          "   002 - Erro ao processar crítica específica (Registro 10 - Linha do arquivo: 1 - Lendo a "
                          "linha '" + linha10 + "'.): REJEIÇÃO: Nenhum registro 88 encontrado!\r\n"));
}

TEST_F(CriticaEspecificaTest, LinhaLongaEhRejeitadaMasProcessada) {
    const std::string longa = Registro88() + "ABCD";
    const auto execucao = Criticar(Arquivo({Registro10().Linha(), longa}));
    EXPECT_EQ(execucao.resultado, 2);
    // The record 88 was still dispatched: no "Nenhum registro 88" error, and its own size rejection.
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 2\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("   002 - REJEIÇÃO (Reg. 8801) : O tamanho do registro está incorreto."));
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - Foi localizado um caracter não permitido na linha 2 do arquivo. \r\n"
                                       "     O Conteúdo da linha segue abaixo: \r\n"
                                       "       '" + longa + "'\r\n"));
}

TEST_F(CriticaEspecificaTest, TipoNaoNumericoParaNaLinhaComOTipoAnterior) {
    const auto linha88 = Registro88();
    const auto execucao = Criticar(Arquivo({Registro10().Linha(), linha88, Linha126("A1"), Registro88("02")}));
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - Erro ao processar crítica específica (Registro 88 - Linha do arquivo: 3 "
                                       "- Lendo a linha '" + linha88 + "'.): 'A1' não é um valor inteiro válido\r\n"));
}

// Columns read as a number are digits only: a sign or a blank ends the pass as a format error.
struct CasoSubtipo {
    const char* nome;
    std::string subtipo;
};

class SubtipoNaoNumericoTest : public CriticaEspecificaTest, public testing::WithParamInterface<CasoSubtipo> {};

TEST_P(SubtipoNaoNumericoTest, EncerraAPassagemComErroDeFormato) {
    const auto linha88 = Registro88(GetParam().subtipo);
    const auto execucao = Criticar(Arquivo({Registro10().Linha(), linha88}));
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - Erro ao processar crítica específica (Registro 88 - Linha do arquivo: 2 "
                                       "- Lendo a linha '" + linha88 + "'.): '" + GetParam().subtipo +
                                       "' não é um valor inteiro válido\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Casos, SubtipoNaoNumericoTest,
                         testing::Values(CasoSubtipo{"menos", "-1"}, CasoSubtipo{"mais", "+1"},
                                         CasoSubtipo{"branco_antes", " 1"}, CasoSubtipo{"branco_depois", "1 "},
                                         CasoSubtipo{"letra", "0A"}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// A line longer than the reader keeps is quoted cut, with a mark that gives its length.
TEST_F(CriticaEspecificaTest, LinhaEnormeECitadaCortada) {
    const std::string longa = Registro88() + std::string(5000, 'X');
    const auto execucao = Criticar(Arquivo({Registro10().Linha(), longa}));
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - Foi localizado um caracter não permitido na linha 2 do arquivo. \r\n"
                                       "     O Conteúdo da linha segue abaixo: \r\n"
                                       "       '" + longa.substr(0, 1024) +
                                       " [...] (linha cortada: mostrados os primeiros 1024 de 5126 caracteres)'\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÃO (Reg. 8801) : O tamanho do registro está incorreto."));
}

// Messages carry the bytes of the line as read, NUL bytes included.
TEST_F(CriticaEspecificaTest, NuloNaLinhaNaoCortaAMensagem) {
    const std::string tipo("A\0", 2);
    const auto execucao = Criticar(Arquivo({Registro10().Linha(), Linha126(tipo + "Z")}));
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("'" + tipo + "' não é um valor inteiro válido\r\n"));
}

// A type that is not a number stops the pass before the line is taken: the step names the line before it.
TEST_F(CriticaEspecificaTest, TipoInvalidoCitaAUltimaLinhaComTipo) {
    const std::string registro10 = Registro10().Linha();
    const auto execucao = Criticar(Arquivo({registro10, Linha126("X9"), Registro88()}));
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("(Registro 10 - Linha do arquivo: 2 - Lendo a linha '" + registro10 +
                                       "'.): 'X9' não é um valor inteiro válido\r\n"));
}

TEST_F(CriticaEspecificaTest, ValidadorObsoletoTemUmaRejeicaoENaoLeAEntrada) {
    GravarArquivo(entrada_, "");  // read, it would add the "Nenhum registro 88" error
    const auto execucao = ExecutarHost("ValidadorSintegraObsoleto", entrada_, relatorio_);
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: 1\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - Validador Sintegra OBSOLETO: ValidadorSintegraObsoleto - 5.2.0.8 \r\n"
                                       "  Esta versão do programa Validador Sintegra está desatualizada.\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("Na tela que abrirá, encontre a seção Arquivos para Download.\r\n"));
    EXPECT_THAT(Relatorio(), Not(HasSubstr("Nenhum registro 88")));
}

TEST_F(CriticaEspecificaTest, DeclaracaoLimpaDaZeroSemMensagemNemBlocoDeNotas) {
    const auto execucao = Criticar(Arquivo({Registro10().Linha(), Registro88("01"), Registro88("02")}));
    EXPECT_EQ(execucao.resultado, 0);
    EXPECT_THAT(Relatorio(), HasSubstr("Contribuinte: 16.123.456-9 DISTRIBUIDORA DE ALIMENTOS EXEMPL\r\n"
                                       "Referência : 05/2017\r\n"));
    EXPECT_THAT(Relatorio(), HasSubstr("Consistência dos registros da GIM-ZQ (Tipo 88) realizada com sucesso!\r\n"));
    EXPECT_EQ(execucao.erroPadrao, "");
}

TEST_F(CriticaEspecificaTest, RejeicaoMostraAMensagemEAbreORelatorio) {
    const auto execucao = Criticar("");
    EXPECT_THAT(execucao.erroPadrao, HasSubstr("Ocorreram erros na validação dos registros Tipo '88'!"));
    EXPECT_THAT(execucao.erroPadrao, HasSubstr("notepad.exe " + relatorio_.string()));
}

TEST_F(CriticaEspecificaTest, RelatorioTrazAVersaoDaBiblioteca) {
    Criticar("");
    EXPECT_THAT(Relatorio(), testing::ContainsRegex("Morvanta.DLL/Versão: [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\r\n"));
}

// Whatever the input, the host gets a result and, where the folder exists, a report.
struct EntradaHostil {
    const char* nome;
    std::string conteudo;
};

class EntradaHostilTest : public CriticaEspecificaTest, public testing::WithParamInterface<EntradaHostil> {};

TEST_P(EntradaHostilTest, TerminaComRelatorio) {
    const auto execucao = Criticar(GetParam().conteudo);
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("REJEIÇÕES ENCONTRADAS: "));
}

std::string Binario() {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, EntradaHostilTest,
    testing::Values(EntradaHostil{"binario", Binario()},
                    EntradaHostil{"sem_quebras", std::string(5000, '8')},
                    EntradaHostil{"so_retornos", std::string(10, '\r')},
                    EntradaHostil{"retorno_no_fim", Registro10().Linha() + "\r"},
                    EntradaHostil{"nulos", std::string("10\0\0", 4) + "\r\n"},
                    EntradaHostil{"tipo_negativo", Arquivo({Linha126("-1"), Linha126(" 9")})},
                    EntradaHostil{"subtipo_88_negativo", Arquivo({Linha126("88-1")})},
                    EntradaHostil{"subtipo_88_negativo_apos_registro_10", Arquivo({Registro10().Linha(), Registro88("-9")})},
                    EntradaHostil{"subtipo_88_com_mais", Arquivo({Registro10().Linha(), Registro88("+1")})},
                    EntradaHostil{"subtipo_88_em_branco", Arquivo({Registro10().Linha(), Registro88(" 1")})},
                    EntradaHostil{"subtipo_88_branco_no_fim", Arquivo({Registro10().Linha(), Registro88("1 ")})},
                    EntradaHostil{"subtipo_88_curto", Arquivo({Registro10().Linha(), "881"})},
                    EntradaHostil{"uma_linha_muito_longa", Registro10().Linha() + std::string(3'000'000, '8')}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(CriticaEspecificaTest, RelatorioSomenteLeituraAindaTemResultadoERelatorio) {
    GravarArquivo(relatorio_, "antigo");
    ::chmod(relatorio_.c_str(), 0444);
    const auto execucao = Criticar("");
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("Nenhum registro 88"));
}

TEST_F(CriticaEspecificaTest, PastaDoRelatorioSomenteLeituraNaoDerrubaOHost) {
    const auto pastaFechada = pasta_ / "fechada";
    std::filesystem::create_directory(pastaFechada);
    ::chmod(pastaFechada.c_str(), 0555);
    GravarArquivo(entrada_, "");
    const auto execucao = CriticarComHost(entrada_, pastaFechada / "relatorio.txt");
    EXPECT_EQ(execucao.resultado, 2);
    ::chmod(pastaFechada.c_str(), 0755);
}

// Files written by another program, of another state: the critique ends them
// with its report.
class ArquivoExternoTest : public CriticaEspecificaTest, public testing::WithParamInterface<const char*> {};

TEST_P(ArquivoExternoTest, TerminaComRelatorioDeOutroEstado) {
    const auto arquivo = PastaProjeto() / "tests" / "record-model" / "dados" /
                         GetParam();
    const auto execucao = CriticarComHost(arquivo, relatorio_);
    EXPECT_EQ(execucao.resultado, 2);
    EXPECT_THAT(Relatorio(), HasSubstr("   001 - (Reg 10) UF diferente de 'ZQ'. Nenhuma crítica a realizar.\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Amostras, ArquivoExternoTest,
                         testing::Values("purchases-54-75-sp.txt", "fiscal-printer-60-sp.txt"));

}  // namespace
}  // namespace zq::teste
