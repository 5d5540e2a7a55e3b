#include "critique/LeitorLinhas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Plataforma.h"
#include "support/PastaTeste.h"

namespace zq::teste {
namespace {

std::vector<std::string> LerTodas(const std::string& conteudo) {
    PastaTeste pasta;
    GravarArquivo(pasta / "a.txt", conteudo);
    LeitorLinhas leitor(pasta / "a.txt");
    std::vector<std::string> linhas;
    std::string linha;
    while (leitor.Posicao() < leitor.Tamanho() && leitor.LerLinha(linha)) linhas.push_back(linha);
    EXPECT_EQ(leitor.Posicao(), leitor.Tamanho());
    return linhas;
}

struct CasoLeitura {
    const char* nome;
    std::string conteudo;
    std::vector<std::string> linhas;
};

class LeituraDeLinhas : public testing::TestWithParam<CasoLeitura> {};

TEST_P(LeituraDeLinhas, SeparaComoOLeiaute) { EXPECT_EQ(LerTodas(GetParam().conteudo), GetParam().linhas); }

INSTANTIATE_TEST_SUITE_P(
    Casos, LeituraDeLinhas,
    testing::Values(CasoLeitura{"crlf", "a\r\nb\r\n", {"a", "b"}},
                    CasoLeitura{"ultima_sem_quebra", "a\r\nb", {"a", "b"}},
                    CasoLeitura{"lf_sozinho_fica_na_linha", "a\nb\r\nc", {"a\nb", "c"}},
                    CasoLeitura{"byte_apos_cr_descartado_qualquer_que_seja", "abc\rXdef\r\n", {"abc", "def"}},
                    CasoLeitura{"cr_cr_descarta_o_segundo", "a\r\rb\r\n", {"a", "b"}},
                    CasoLeitura{"cr_no_fim_encerra_a_linha", "a\r\nb\r", {"a", "b"}},
                    CasoLeitura{"linhas_vazias", "\r\n\r\nx\r\n", {"", "", "x"}},
                    CasoLeitura{"vazio", "", {}},
                    CasoLeitura{"cp1252_intacto", "ação\xE7\x80\r\n", {"ação\xE7\x80"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(LeitorLinhas, LinhasQueAtravessamBlocosSaoCortadasNoLimite) {
    // The CR is the last byte of the first 1 MiB block, its LF the first of
    // the next one; the second line is longer than a block.
    PastaTeste pasta;
    const std::string primeira((std::size_t{1} << 20) - 1, 'y');
    const std::string longa = "inicio" + std::string(3'000'000, 'x');
    GravarArquivo(pasta / "a.txt", primeira + "\r\n" + longa + "\r\nfim");
    LeitorLinhas leitor(pasta / "a.txt");
    std::string linha;
    const std::vector<std::pair<std::string, std::uint64_t>> esperadas{
        {primeira.substr(0, LeitorLinhas::kLimiteLinha), primeira.size()},
        {longa.substr(0, LeitorLinhas::kLimiteLinha), longa.size()},
        {"fim", 3}};
    for (const auto& [texto, tamanho] : esperadas) {
        ASSERT_TRUE(leitor.LerLinha(linha));
        EXPECT_EQ(linha, texto);
        EXPECT_EQ(leitor.TamanhoLinha(), tamanho);
    }
    EXPECT_EQ(leitor.Posicao(), leitor.Tamanho());
}

TEST(LeitorLinhas, ArquivoInexistenteFalha) {
    PastaTeste pasta;
    EXPECT_THROW(LeitorLinhas(pasta / "nao.txt"), std::runtime_error);
    EXPECT_THROW(LeitorLinhas(pasta.Caminho()), std::runtime_error);
}

// The message goes into a CP1252 report: an accented name must not come out as UTF-8.
TEST(LeitorLinhas, ErroNomeiaOArquivoEmCp1252) {
    PastaTeste pasta;
    try {
        LeitorLinhas leitor(pasta / CaminhoNativo("declaração.txt"));
        FAIL() << "arquivo inexistente aberto";
    } catch (const std::runtime_error& erro) {
        EXPECT_THAT(erro.what(), testing::EndsWith("/declaração.txt'."));
    }
}

}  // namespace
}  // namespace zq::teste
