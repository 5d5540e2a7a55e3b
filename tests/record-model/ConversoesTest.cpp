#include "record-model/campos/Conversoes.h"

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <variant>

namespace zq {
namespace {

using namespace std::chrono;

// The outcome of one conversion: its value or the exception it raised.
using Resultado = std::variant<Moeda, double, std::int64_t, year_month_day, std::string>;
constexpr const char* kFormatoInvalido = "EFormatoInvalido: Formato inválido";
constexpr const char* kValorNegativo = "EValorNegativo: Valor Negativo";

template <class Converter>
Resultado Executar(Converter converter) {
    try {
        return converter();
    } catch (const EFormatoInvalido& erro) {
        return std::string("EFormatoInvalido: ") + erro.what();
    } catch (const EValorNegativo& erro) {
        return std::string("EValorNegativo: ") + erro.what();
    }
}

struct CasoConversao {
    const char* descricao;
    std::function<Resultado()> converter;
    Resultado esperado;
};

void PrintTo(const CasoConversao& caso, std::ostream* saida) { *saida << caso.descricao; }

class Conversao : public testing::TestWithParam<CasoConversao> {};

TEST_P(Conversao, Resultado) {
    const Resultado obtido = Executar(GetParam().converter);
    if (const auto* erro = std::get_if<std::string>(&obtido)) {
        ASSERT_TRUE(std::holds_alternative<std::string>(GetParam().esperado)) << *erro;
    }
    EXPECT_EQ(obtido, GetParam().esperado);
}

// A line with the field at column 10: nine filler characters before it.
std::string Linha(const std::string& campo) { return "123456789" + campo; }

Resultado Monetario(std::string campo, int tamanho = 13) { return MonetarioDoCampo(Linha(campo), 10, tamanho, 2); }

INSTANTIATE_TEST_SUITE_P(
    Monetario, Conversao,
    testing::Values(CasoConversao{"centavos", [] { return Monetario("0000000012345"); }, Moeda::DeCentavos(12345)},
                    CasoConversao{"zero", [] { return Monetario("0000000000000"); }, Moeda()},
                    CasoConversao{"branco no fim", [] { return Monetario("000000001234 "); }, kFormatoInvalido},
                    CasoConversao{"em branco", [] { return Monetario("             "); }, kFormatoInvalido},
                    CasoConversao{"negativo", [] { return Monetario("-000000001234"); }, kValorNegativo},
                    CasoConversao{"menos zero", [] { return Monetario("-000000000000"); }, kFormatoInvalido},
                    CasoConversao{"sinal de mais", [] { return Monetario("+000000001234"); }, kFormatoInvalido},
                    CasoConversao{"virgula", [] { return Monetario("00000000012,5"); }, kFormatoInvalido},
                    CasoConversao{"negativo com virgula", [] { return Monetario("-0000000012,5"); }, kValorNegativo},
                    CasoConversao{"linha que acaba no campo", [] { return Monetario("0000012345"); }, kFormatoInvalido},
                    CasoConversao{"texto curto so de digitos", [] { return Resultado(MonetarioDoTexto("12345", 2)); },
                                  Moeda::DeCentavos(12345)},
                    CasoConversao{"texto vazio", [] { return Resultado(MonetarioDoTexto("", 2)); }, kFormatoInvalido},
                    CasoConversao{"sem decimais", [] { return Resultado(MonetarioDoTexto("42", 0)); },
                                  Moeda::DeReais(42)},
                    CasoConversao{"seis decimais arredonda a quatro",
                                  [] { return Resultado(MonetarioDoTexto("1234567", 6)); }, Moeda::DeUnidades(12346)},
                    // The text itself must fit a currency value before the implied decimals apply.
                    CasoConversao{"limite da moeda", [] { return Resultado(MonetarioDoTexto("922337203685477", 2)); },
                                  Moeda::DeUnidades(92233720368547700)},
                    CasoConversao{"alem da moeda", [] { return Resultado(MonetarioDoTexto("922337203685478", 2)); },
                                  kFormatoInvalido},
                    CasoConversao{"dezesseis digitos no limite",
                                  [] { return Monetario("0922337203685477", 16); }, Moeda::DeUnidades(92233720368547700)},
                    CasoConversao{"dezesseis digitos alem da moeda", [] { return Monetario("9999999999999999", 16); },
                                  kFormatoInvalido},
                    CasoConversao{"mais de dezenove digitos",
                                  [] { return Resultado(MonetarioDoTexto("0000000000000000000012345", 2)); },
                                  Moeda::DeCentavos(12345)}));

INSTANTIATE_TEST_SUITE_P(
    Decimal, Conversao,
    testing::Values(CasoConversao{"aliquota", [] { return Resultado(DecimalDoCampo(Linha("1700"), 10, 4, 2)); }, 17.0},
                    CasoConversao{"uma casa", [] { return Resultado(DecimalDoTexto("25", 1)); }, 2.5},
                    CasoConversao{"letras", [] { return Resultado(DecimalDoCampo(Linha("17A0"), 10, 4, 2)); },
                                  kFormatoInvalido},
                    CasoConversao{"negativo", [] { return Resultado(DecimalDoTexto("-170", 2)); }, kValorNegativo},
                    CasoConversao{"virgula", [] { return Resultado(DecimalDoTexto("17,5", 0)); }, kFormatoInvalido},
                    CasoConversao{"seis casas", [] { return Resultado(DecimalDoTexto("1234567", 6)); }, 1.234567},
                    CasoConversao{"mais de dezenove digitos",
                                  [] { return Resultado(DecimalDoTexto("000000000000000000001700", 2)); }, 17.0}));

INSTANTIATE_TEST_SUITE_P(
    Inteiro, Conversao,
    testing::Values(
        CasoConversao{"numero", [] { return Resultado(std::int64_t{InteiroDoCampo(Linha("000123"), 10, 6)}); },
                      std::int64_t{123}},
        CasoConversao{"maximo", [] { return Resultado(std::int64_t{InteiroDoTexto("2147483647")}); },
                      std::int64_t{2147483647}},
        CasoConversao{"alem de 32 bits", [] { return Resultado(std::int64_t{InteiroDoTexto("2147483648")}); },
                      kFormatoInvalido},
        CasoConversao{"treze digitos",
                      [] { return Resultado(std::int64_t{InteiroDoCampo(Linha("0000000000001"), 10, 13)}); },
                      std::int64_t{1}},
        CasoConversao{"treze digitos grandes",
                      [] { return Resultado(std::int64_t{InteiroDoCampo(Linha("9999999999999"), 10, 13)}); },
                      kFormatoInvalido},
        CasoConversao{"negativo", [] { return Resultado(std::int64_t{InteiroDoTexto("-12")}); }, kValorNegativo},
        CasoConversao{"espaco a esquerda", [] { return Resultado(std::int64_t{InteiroDoTexto(" 12")}); },
                      kFormatoInvalido},
        CasoConversao{"virgula", [] { return Resultado(std::int64_t{InteiroDoTexto("1,2")}); }, kFormatoInvalido},
        CasoConversao{"64 bits", [] { return Resultado(Inteiro64DoCampo(Linha("9999999999"), 10, 10)); },
                      std::int64_t{9999999999}},
        CasoConversao{"maximo de 64 bits", [] { return Resultado(Inteiro64DoTexto("9223372036854775807")); },
                      std::int64_t{9223372036854775807}},
        CasoConversao{"alem de 64 bits", [] { return Resultado(Inteiro64DoTexto("9223372036854775808")); },
                      kFormatoInvalido},
        CasoConversao{"mais de dezenove digitos", [] { return Resultado(Inteiro64DoTexto("0000000000000000000042")); },
                      std::int64_t{42}}));

INSTANTIATE_TEST_SUITE_P(
    Data, Conversao,
    testing::Values(
        CasoConversao{"29 de fevereiro bissexto", [] { return Resultado(DataDoCampo(Linha("20240229"), 10)); },
                      year{2024} / February / 29},
        CasoConversao{"29 de fevereiro comum", [] { return Resultado(DataDoCampo(Linha("20230229"), 10)); },
                      "EFormatoInvalido: Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20230229"},
        CasoConversao{"em branco", [] { return Resultado(DataDoCampo(Linha("        "), 10)); },
                      "EFormatoInvalido: Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data:         "},
        CasoConversao{"linha curta", [] { return Resultado(DataDoCampo(Linha("202402"), 10)); },
                      "EFormatoInvalido: Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 202402"},
        CasoConversao{"dia mes ano", [] { return Resultado(DataDoCampoDMA(Linha("29022024"), 10)); },
                      year{2024} / February / 29},
        CasoConversao{"dia mes ano invalido", [] { return Resultado(DataDoCampoDMA(Linha("29022023"), 10)); },
                      "EFormatoInvalido: Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 29022023"},
        CasoConversao{"texto", [] { return Resultado(DataDoTexto("20241231")); }, year{2024} / December / 31},
        CasoConversao{"texto com mes 13", [] { return Resultado(DataDoTexto("20241301")); },
                      "EFormatoInvalido: Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20241301"}));

TEST(Conversoes, ColunasNuncaFalham) {
    EXPECT_EQ(Colunas("50ABCDEF", 3, 4), "ABCD");
    EXPECT_EQ(Colunas("50ABCDEF", 7, 4), "EF");
    EXPECT_EQ(Colunas("50ABCDEF", 9, 4), "");
    EXPECT_EQ(Colunas("50ABCDEF", 20, 4), "");
    EXPECT_EQ(Colunas("50ABCDEF", 1, 0), "");
}

struct CasoParaCampo {
    std::string obtido;
    const char* esperado;
};

class ParaCampo : public testing::TestWithParam<CasoParaCampo> {};

TEST_P(ParaCampo, Texto) { EXPECT_EQ(GetParam().obtido, GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(
    Casos, ParaCampo,
    testing::Values(CasoParaCampo{DecimalParaCampo(4, 2, 17.0), "1700"},
                    CasoParaCampo{DecimalParaCampo(4, 2, 0.29), "0029"},  // 0.29 × 100 is just below 29 in binary
                    CasoParaCampo{DecimalParaCampo(4, 2, 12.349), "1234"},
                    CasoParaCampo{DecimalParaCampo(2, 1, 123.4), "12"},
                    CasoParaCampo{DecimalParaCampo(4, 2, -0.001), "0000"},
                    CasoParaCampo{MonetarioParaCampo(13, 2, Moeda::DeCentavos(12345)), "0000000012345"},
                    CasoParaCampo{MonetarioParaCampo(13, 2, Moeda::DeUnidades(1234599)), "0000000012345"},
                    CasoParaCampo{MonetarioParaCampo(3, 2, Moeda::DeCentavos(12345)), "123"},
                    CasoParaCampo{MonetarioParaCampo(9, 0, Moeda::DeCentavos(12345)), "000000123"},
                    CasoParaCampo{InteiroParaCampo(6, 42), "000042"}, CasoParaCampo{InteiroParaCampo(2, 123), "123"},
                    CasoParaCampo{InteiroParaCampo(6, -42), "-000042"},
                    CasoParaCampo{InteiroParaCampo(10, 9999999999), "9999999999"},
                    CasoParaCampo{DataParaTexto(year{2024} / February / 29), "20240229"},
                    CasoParaCampo{DataParaTexto(year{812} / March / 1), "08120301"}));

// Code that catches only format errors lets a negative value through.
static_assert(!std::is_base_of_v<EFormatoInvalido, EValorNegativo>);

}  // namespace
}  // namespace zq
