#include "record-model/comum/Texto.h"

#include <gtest/gtest.h>

#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

using namespace std::chrono;

struct CasoPreenchimento {
    const char* texto;
    int tamanho;
    const char* esquerda;
    const char* direita;
};

class Preenchimento : public testing::TestWithParam<CasoPreenchimento> {};

TEST_P(Preenchimento, CortaAntesDePreencher) {
    EXPECT_EQ(PreencherEsquerda(GetParam().texto, GetParam().tamanho, '0'), GetParam().esquerda);
    EXPECT_EQ(PreencherDireita(GetParam().texto, GetParam().tamanho, '0'), GetParam().direita);
}

INSTANTIATE_TEST_SUITE_P(Casos, Preenchimento,
                         testing::Values(CasoPreenchimento{"123456", 4, "1234", "1234"},
                                         CasoPreenchimento{"AB", 4, "00AB", "AB00"},
                                         CasoPreenchimento{"ABCD", 4, "ABCD", "ABCD"},
                                         CasoPreenchimento{"", 3, "000", "000"}, CasoPreenchimento{"AB", 0, "", ""},
                                         CasoPreenchimento{"AB", -2, "", ""}));

TEST(Texto, RecortesEEspacos) {
    EXPECT_EQ(PreencherZeros("42", 5), "00042");
    EXPECT_EQ(Espacos(3), "   ");
    EXPECT_EQ(Espacos(-1), "");
    EXPECT_EQ(Esquerda("2024-03", 4), "2024");
    EXPECT_EQ(Esquerda("ab", 5), "ab");
    EXPECT_EQ(Esquerda("ab", -1), "");
    EXPECT_EQ(Direita("2024-03", 2), "03");
    EXPECT_EQ(Direita("ab", 5), "ab");
    EXPECT_EQ(Direita("ab", 0), "");
}

TEST(Texto, Filtros) {
    EXPECT_EQ(SoDigitos("11.222.333/0001-81"), "11222333000181");
    EXPECT_EQ(SoAlfanumericos("ab-12.Z ç/9"), "ab12Z9");
    EXPECT_EQ(ContarDigitos("00000000012,5"), 12);
    EXPECT_EQ(ContarDigitos(""), 0);
    EXPECT_EQ(Maiusculas("isento ç 1"), "ISENTO ç 1");
    EXPECT_EQ(Minusculas("Fulano@Exemplo.COM"), "fulano@exemplo.com");
    EXPECT_TRUE(IsLetra('z'));
    EXPECT_FALSE(IsLetra('ç'));
    EXPECT_TRUE(IsDigito('0'));
    EXPECT_FALSE(IsDigito('a'));
}

TEST(Texto, AcentosDaTabelaViramLetrasSimples) {
    EXPECT_EQ(RemoverAcentos("àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ"), "aaeouaoaeioucuAAEOUAOAEIOUCU");
    EXPECT_EQ(RemoverAcentos("èñ"), "èñ");  // outside the table
}

TEST(Texto, NormalizarTexto) {
    EXPECT_EQ(NormalizarTexto("  JOÃO  DA   CONCEIÇÃO LTDA "), "JOAO DA CONCEICAO LTDA");
    EXPECT_EQ(NormalizarTexto("\tNome\r"), "Nome");
    EXPECT_EQ(NormalizarTexto("   "), "");
}

TEST(Texto, AparaEspacosSoRemoveOEspaco) {
    EXPECT_EQ(AparaEspacos("  a b  "), "a b");
    EXPECT_EQ(AparaEspacos("\ta "), "\ta");
    EXPECT_EQ(AparaEspacos("    "), "");
    EXPECT_EQ(Aparar("\t a b \r\n"), "a b");
}

TEST(Texto, DestinoPodeConterAOrigem) {
    std::string texto = "  JOÃO   DA SILVA  ";
    NormalizarTexto(texto, texto);
    EXPECT_EQ(texto, "JOAO DA SILVA");

    std::string campo = "ab-12/34";
    SoDigitos(std::string_view(campo).substr(3), campo);
    EXPECT_EQ(campo, "1234");

    std::string reutilizado = "texto anterior bem mais comprido que o novo";
    AparaEspacos("  novo ", reutilizado);
    EXPECT_EQ(reutilizado, "novo");
}

TEST(Texto, SubstituirTexto) {
    EXPECT_EQ(SubstituirTexto("aaa", "a", "aa"), "aaaaaa");  // inserted text is not scanned again
    EXPECT_EQ(SubstituirTexto("2024/03/01", "/", "-"), "2024-03-01");
    EXPECT_EQ(SubstituirTexto("abcabc", "bc", ""), "aa");
    EXPECT_EQ(SubstituirTexto("abc", "", "x"), "abc");
    EXPECT_EQ(SubstituirTexto("abc", "z", "x"), "abc");
}

struct CasoMascara {
    const char* ie;
    const char* uf;
    const char* esperado;
};

class Mascara : public testing::TestWithParam<CasoMascara> {};

TEST_P(Mascara, MascaraDaUf) { EXPECT_EQ(MascararInscricao(GetParam().ie, GetParam().uf), GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(Casos, Mascara,
                         testing::Values(CasoMascara{"123456789", "ZQ", "12.345.678-9"},
                                         CasoMascara{" 123456789 ", "SP", "12.345.678-9"},
                                         CasoMascara{"123456789", "PE", "1234567-89"},
                                         CasoMascara{" 12345678 ", "ZQ", "12345678"},
                                         CasoMascara{"1234567890", "PE", "1234567890"}, CasoMascara{"", "ZQ", ""}));

TEST(Texto, MaiorEMenor) {
    const MaiorMenor resultado = MaiorEMenor({"ab", "abcd", "x", "abcd", "y"});
    EXPECT_EQ(resultado.indiceMaior, 1);
    EXPECT_EQ(resultado.tamanhoMaior, 4);
    EXPECT_EQ(resultado.indiceMenor, 2);
    EXPECT_EQ(resultado.tamanhoMenor, 1);

    const MaiorMenor vazio = MaiorEMenor({});
    EXPECT_EQ(vazio.indiceMaior, -1);
    EXPECT_EQ(vazio.indiceMenor, -1);
}

TEST(Texto, DataDoAAAAMMDD) {
    EXPECT_EQ(DataDoAAAAMMDD("20240229"), year{2024} / February / 29);
    EXPECT_EQ(DataDoAAAAMMDD("00010101"), year{1} / January / 1);
    for (const char* invalida : {"20230229", "20241301", "00000101", "2024022", "2024-2-1", "        ", ""}) {
        try {
            DataDoAAAAMMDD(invalida);
            ADD_FAILURE() << invalida;
        } catch (const EErroConversao& erro) {
            EXPECT_EQ(erro.what(), "'" + std::string(invalida) + "' não é uma data válida");
        }
    }
}

struct CasoVintePorCento {
    std::int64_t unidades;
    std::int64_t esperado;
};

class VintePorCentoCasos : public testing::TestWithParam<CasoVintePorCento> {};

TEST_P(VintePorCentoCasos, ArredondaAoDecimoMilesimo) {
    EXPECT_EQ(VintePorCento(Moeda::DeUnidades(GetParam().unidades)).Unidades(), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, VintePorCentoCasos,
                         testing::Values(CasoVintePorCento{1000000, 200000}, CasoVintePorCento{7, 1},
                                         CasoVintePorCento{8, 2}, CasoVintePorCento{2, 0}, CasoVintePorCento{3, 1},
                                         CasoVintePorCento{-3, -1}, CasoVintePorCento{-2, 0}, CasoVintePorCento{0, 0}));

}  // namespace
}  // namespace zq
