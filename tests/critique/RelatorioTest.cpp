#include "critique/Relatorio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/PastaTeste.h"

namespace zq::teste {
namespace {

const std::string S = "<------------------------------------------------------------------------------>";

CabecalhoRelatorio Cabecalho() {
    CabecalhoRelatorio cabecalho;
    cabecalho.arquivoAnalisado = "C:\\GIM\\declaração.txt";
    cabecalho.versaoBiblioteca = "1.0.0.0";
    cabecalho.inscricaoEstadual = "161234569     ";
    cabecalho.razaoSocial = "DISTRIBUIDORA DE ALIMENTOS EXEMPLO";
    return cabecalho;
}

std::string Juntar(const std::vector<std::string>& linhas) {
    std::string texto;
    for (const auto& linha : linhas) texto += linha + "\r\n";
    return texto;
}

const std::string kInicio = S + "\r\n" +
                            "GOVERNO DO ESTADO DA CORVENA\r\n"
                            "SECRETARIA DE ESTADO DA RECEITA - NURVEK\r\n"
                            "Crítica Específica (Registros 88) - Morvanta.DLL/Versão: 1.0.0.0\r\n" +
                            S + "\r\n" +
                            "Arquivo analisado: C:\\GIM\\declaração.txt\r\n"
                            "Contribuinte: 16.123.456-9 DISTRIBUIDORA DE ALIMENTOS EXEMPL\r\n";

TEST(Relatorio, SemMensagensTemDezLinhas) {
    PastaTeste pasta;
    GravarRelatorio(pasta / "r.txt", Cabecalho(), {}, std::nullopt);
    EXPECT_EQ(LerArquivo(pasta / "r.txt"),
              kInicio + S + "\r\n" + "Consistência dos registros da GIM-ZQ (Tipo 88) realizada com sucesso!\r\n" + S +
                  "\r\n");
}

TEST(Relatorio, ComReferenciaTemOnzeLinhas) {
    auto cabecalho = Cabecalho();
    cabecalho.referencia = std::chrono::year{2017} / std::chrono::May;
    const auto linhas = MontarRelatorio(cabecalho, {}, std::nullopt);
    ASSERT_EQ(linhas.size(), 11u);
    EXPECT_EQ(linhas[7], "Referência : 05/2017");
}

TEST(Relatorio, AntesDoRegistro10ContribuinteVazio) {
    const auto linhas = MontarRelatorio({}, {}, std::nullopt);
    EXPECT_EQ(linhas[6], "Contribuinte:  ");
}

TEST(Relatorio, InscricaoQueNaoTemNoveCaracteresSaiSemMascara) {
    auto cabecalho = Cabecalho();
    cabecalho.inscricaoEstadual = " 16123456   ";
    EXPECT_EQ(MontarRelatorio(cabecalho, {}, std::nullopt)[6], "Contribuinte: 16123456 DISTRIBUIDORA DE ALIMENTOS EXEMPL");
}

TEST(Relatorio, MilRejeicoesNumeradasSemCorte) {
    MensagensCritica mensagens;
    for (int i = 1; i <= 1000; ++i) mensagens.ListaRejeicoes.push_back("R" + std::to_string(i));
    const auto linhas = MontarRelatorio(Cabecalho(), mensagens, std::nullopt);
    ASSERT_EQ(linhas.size(), 7u + 3u + 1000u + 1u);
    EXPECT_EQ(linhas[8], "REJEIÇÕES ENCONTRADAS: 1000");
    EXPECT_EQ(linhas[10], "   001 - R1");
    EXPECT_EQ(linhas[108], "   099 - R99");
    EXPECT_EQ(linhas[1009], "   1000 - R1000");
    EXPECT_EQ(linhas.back(), S);
}

TEST(Relatorio, QuebrasDentroDaMensagemViramLinhasSoAPrimeiraNumerada) {
    PastaTeste pasta;
    MensagensCritica mensagens;
    mensagens.ListaRejeicoes = {"primeira\r\n  segunda", "terceira"};
    GravarRelatorio(pasta / "r.txt", Cabecalho(), mensagens, std::nullopt);
    EXPECT_EQ(LerArquivo(pasta / "r.txt"), kInicio + S + "\r\nREJEIÇÕES ENCONTRADAS: 2\r\n" + S +
                                               "\r\n   001 - primeira\r\n  segunda\r\n   002 - terceira\r\n" + S +
                                               "\r\n");
}

TEST(Relatorio, BlocosNaOrdemRejeicoesAvisosAdvertencias) {
    MensagensCritica mensagens;
    mensagens.ListaAdvertencias = {"adv1", "adv2"};
    mensagens.ListaAvisos = {"aviso"};
    mensagens.ListaRejeicoes = {"rej"};
    EXPECT_EQ(Juntar(MontarRelatorio(Cabecalho(), mensagens, std::nullopt)),
              kInicio + S + "\r\nREJEIÇÕES ENCONTRADAS: 1\r\n" + S + "\r\n   001 - rej\r\n" + S +
                  "\r\nTOTAL DE AVISOS: 1\r\n" + S + "\r\n   001 - aviso\r\n" + S +
                  "\r\nTOTAL DE ADVERTÊNCIAS ENCONTRADAS: 2\r\n" + S + "\r\n   001 - adv1\r\n   002 - adv2\r\n" + S +
                  "\r\n");
}

TEST(Relatorio, ContagemDeNotasSem54SoQuandoHouveRegistro54) {
    MensagensCritica mensagens;
    mensagens.ListaAdvertencias = {"adv"};
    const auto com54 = Juntar(MontarRelatorio(Cabecalho(), mensagens, 3));
    EXPECT_THAT(com54, testing::HasSubstr("TOTAL DE ADVERTÊNCIAS ENCONTRADAS: 1\r\n"
                                          "ADVERTÊNCIAS DO REGISTRO 50(NF) SEM 54 (PRODUTO) E 75(CÓDIGO DO PRODUTO): 3\r\n" +
                                          S + "\r\n   001 - adv\r\n"));
    const auto sem54 = Juntar(MontarRelatorio(Cabecalho(), mensagens, std::nullopt));
    EXPECT_THAT(sem54, testing::Not(testing::HasSubstr("SEM 54")));
}

TEST(Relatorio, GravacaoSubstituiArquivoExistenteSemDeixarTemporarios) {
    PastaTeste pasta;
    GravarArquivo(pasta / "r.txt", std::string(10000, 'x'));
    GravarLinhas(pasta / "r.txt", {"a", "b"});
    EXPECT_EQ(LerArquivo(pasta / "r.txt"), "a\r\nb\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 1);
}

TEST(Relatorio, GravacaoEmPastaInexistenteFalha) {
    PastaTeste pasta;
    EXPECT_THROW(GravarLinhas(pasta / "nao" / "r.txt", {"a"}), std::runtime_error);
}

}  // namespace
}  // namespace zq::teste
