#include "record-model/campos/RegSintegra.h"

#include <gtest/gtest.h>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/campos/CamposRegistro.h"

namespace zq {
namespace {

using namespace std::chrono;

// A small record of the kind the record classes declare: plain attributes and descriptors, in reading order.
class TRegTeste : public TRegSintegra {
public:
    TRegTeste() : TRegSintegra("50", 70) {}

    const std::string& Cnpj() const { return cnpj_.Valor(); }
    const std::string& Uf() const { return uf_.Valor(); }
    const TCfop& Cfop() const { return cfop_.Valor(); }
    const std::optional<year_month_day>& DataPagamento() const { return dataPagamento_.Valor(); }
    double Aliquota() const { return aliquota_.Valor(); }
    char Situacao() const { return situacao_.Valor(); }
    const TCampoSintegra& DataEmissao() const { return dataEmissao_; }
    const TCampoSintegra& Numero() const { return numero_; }
    const TCampoSintegra& Valor() const { return valor_; }

    void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
    void SetUf(std::string_view valor) { uf_.Set(valor); }
    void SetNumero(std::int32_t valor) { numero_.SetInteiro(valor); }
    void SetValor(Moeda valor) { valor_.SetMonetario(valor); }
    void SetCfop(std::int32_t codigo) { cfop_.SetCodigo(codigo); }
    // The earlier layout has no rate: the situation moves to its columns.
    void SetLeiauteAntigo(bool antigo) {
        aliquota_.SetColunas(58, antigo ? 0 : 4);
        situacao_.SetColunas(antigo ? 58 : 62, 1);
    }

private:
    TCampoTexto cnpj_{*this, 3, 14, normalizacao::Digitos};
    TCampoSintegra dataEmissao_{*this, tcData, 0, 8, 17, "Data de emissão"};
    TCampoTexto uf_{*this, 25, 2, normalizacao::AparadoMaiusculo};
    TCampoSintegra numero_{*this, tcInteiro, 0, 6, 27, "Número"};
    TCampoCfop cfop_{*this, 33, 4};
    TCampoSintegra valor_{*this, tcMonetario, 2, 13, 37, "Valor total"};
    TCampoData dataPagamento_{*this, 50};
    TCampoDecimal aliquota_{*this, 58, 4, 2};
    TCampoCaractere situacao_{*this, 62, true};
};

struct PartesLinha {
    std::string cnpj = "11222333000181";
    std::string dataEmissao = "20240229";
    std::string uf = "zq";
    std::string numero = "000123";
    std::string cfop = "5102";
    std::string valor = "0000000012345";
    std::string dataPagamento = "20240315";
    std::string aliquota = "1700";
    std::string situacao = "n";
    std::string resto = "        ";

    std::string Linha() const {
        return "50" + cnpj + dataEmissao + uf + numero + cfop + valor + dataPagamento + aliquota + situacao + resto;
    }
};

TEST(RegSintegra, TiposDeRegistro) {
    try {
        TRegSintegra registro("85", 126);
        FAIL();
    } catch (const Excecao& erro) {
        EXPECT_STREQ(erro.what(), "Tipo de registro Sintegra inválido: 85");
    }
    EXPECT_THROW(TRegSintegra("8", 126), Excecao);
    EXPECT_THROW(TRegSintegra("XY", 126), Excecao);
    const std::vector<std::pair<const char*, int>> tipos{
        {"60A", 60}, {"61R", 61}, {"8850", 88}, {"10", 10}, {"90", 90}};
    for (const auto& [tipo, numero] : tipos) {
        const TRegSintegra registro(tipo, 126);
        EXPECT_EQ(registro.NumeroTipo(), numero) << tipo;
        EXPECT_FALSE(registro.Presente());
        EXPECT_TRUE(registro.ExigeTamanho());
    }
    EXPECT_FALSE(TRegSintegra("88", 0).ExigeTamanho());
}

TEST(RegSintegra, LeOsCamposDaLinha) {
    TRegTeste registro;
    registro.SetLinha(PartesLinha().Linha());
    EXPECT_EQ(registro.Cnpj(), "11222333000181");
    EXPECT_EQ(registro.DataEmissao().AsData(), year{2024} / February / 29);
    EXPECT_EQ(registro.Uf(), "ZQ");
    EXPECT_EQ(registro.Numero().AsInteiro(), 123);
    EXPECT_EQ(registro.Cfop().Codigo(), 5102);
    EXPECT_EQ(registro.Valor().AsMonetario(), Moeda::DeCentavos(12345));
    EXPECT_EQ(registro.DataPagamento(), year{2024} / March / 15);
    EXPECT_DOUBLE_EQ(registro.Aliquota(), 17.0);
    EXPECT_EQ(registro.Situacao(), 'N');
    EXPECT_TRUE(registro.Presente());
    EXPECT_FALSE(registro.Alterado());
    EXPECT_TRUE(registro.Valido());
}

TEST(RegSintegra, DescritoresRuinsVaoTodosParaErrosNaOrdemDeLeitura) {
    TRegTeste registro;
    PartesLinha partes;
    partes.dataEmissao = "20241301";
    partes.valor = "00000000ABC45";
    try {
        registro.SetLinha(partes.Linha());
        FAIL();
    } catch (const ERegSintegraInvalido& erro) {
        EXPECT_STREQ(erro.what(), "50");
        ASSERT_EQ(erro.Erros().size(), 2u);
        EXPECT_EQ(erro.Erros()[0].Texto, "50");
        EXPECT_EQ(erro.Erros()[0].Campo, &registro.DataEmissao());
        EXPECT_EQ(erro.Erros()[0].Campo->Erro(), "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20241301");
        EXPECT_EQ(erro.Erros()[1].Campo, &registro.Valor());
        EXPECT_EQ(erro.Erros()[1].Campo->Descricao(), "Valor total");
        EXPECT_EQ(erro.Erros()[1].Campo->Erro(), "Formato inválido");
    }
    // Every field was read, the bad ones included.
    EXPECT_EQ(registro.Situacao(), 'N');
    EXPECT_EQ(registro.Valor().Conteudo(), "00000000ABC45");
    EXPECT_FALSE(registro.Valido());
    EXPECT_EQ(registro.Erros().size(), 2u);

    registro.SetLinha(PartesLinha().Linha());
    EXPECT_TRUE(registro.Valido());
    EXPECT_TRUE(registro.Valor().Erro().empty());
}

TEST(RegSintegra, AExcecaoGuardaSuaListaDepoisDeOutraLinha) {
    TRegTeste registro;
    PartesLinha partes;
    partes.numero = "00012X";
    std::optional<ERegSintegraInvalido> guardada;
    try {
        registro.SetLinha(partes.Linha());
    } catch (const ERegSintegraInvalido& erro) {
        guardada = erro;
    }
    ASSERT_TRUE(guardada);
    registro.SetLinha(PartesLinha().Linha());
    ASSERT_EQ(guardada->Erros().size(), 1u);
    EXPECT_EQ(guardada->Erros()[0].Campo->Descricao(), "Número");
}

TEST(RegSintegra, CampoSimplesRuimParaALeituraSemEntrarEmErros) {
    TRegTeste registro;
    PartesLinha partes;
    partes.valor = "0000000000ABC";     // a descriptor: collected...
    partes.dataPagamento = "2024XX15";  // ...until a plain field stops the parse
    try {
        registro.SetLinha(partes.Linha());
        FAIL();
    } catch (const EFormatoInvalido& erro) {
        EXPECT_STREQ(erro.what(), "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 2024XX15");
    }
    EXPECT_EQ(registro.Erros().size(), 1u);
    EXPECT_EQ(registro.Situacao(), '\0');  // not reached
    EXPECT_TRUE(registro.Alterado());
    EXPECT_EQ(registro.Linha(), partes.Linha());
}

TEST(RegSintegra, ValorNegativoDeDescritorChegaAoChamador) {
    TRegTeste registro;
    PartesLinha partes;
    partes.valor = "-000000001234";
    try {
        registro.SetLinha(partes.Linha());
        FAIL();
    } catch (const EValorNegativo& erro) {
        EXPECT_STREQ(erro.what(), "Valor Negativo");
    }
}

TEST(RegSintegra, PrefixoETamanho) {
    TRegTeste registro;
    registro.SetLinha(PartesLinha().Linha());
    const std::string curta = PartesLinha().Linha().substr(0, 69);
    try {
        registro.SetLinha(curta);
        FAIL();
    } catch (const Excecao& erro) {
        const std::string esperado = "(Registro 50) Linha de tamanho 69, menor que o tamanho mínimo aceitável (70)!\r"
                                     "Conteúdo da linha: '" + curta + "'";
        EXPECT_EQ(erro.what(), esperado);
    }
    try {
        registro.SetLinha("51" + curta.substr(2) + "X");
        FAIL();
    } catch (const Excecao& erro) {
        const std::string esperado = "(Registro 50) Tipo de registro diferente do esperado!\r"
                                     "Conteúdo da linha: '51" + curta.substr(2) + "X'";
        EXPECT_EQ(erro.what(), esperado);
    }
    // The fields are those of the last good line.
    EXPECT_EQ(registro.Linha(), PartesLinha().Linha());
    EXPECT_EQ(registro.Cfop().Codigo(), 5102);
}

TEST(RegSintegra, OPrefixoSoOlhaOComecoDaLinha) {
    TRegSintegra r61r("61R", 10);
    EXPECT_THROW(r61r.SetLinha("61 3456789012"), Excecao);
    EXPECT_THROW(r61r.SetLinha(" 61R3456789012"), Excecao);
    TRegSintegra r61("61", 10);
    EXPECT_NO_THROW(r61.SetLinha("61R3456789012"));
}

TEST(RegSintegra, LinhaVaziaEsvaziaORegistro) {
    TRegTeste registro;
    registro.SetLinha(PartesLinha().Linha());
    EXPECT_NO_THROW(registro.SetLinha(""));
    EXPECT_FALSE(registro.Presente());
    EXPECT_FALSE(registro.Alterado());
    EXPECT_EQ(registro.GetLinha(), "");
    EXPECT_EQ(registro.Cnpj(), "");
    EXPECT_EQ(registro.DataPagamento(), std::nullopt);
    EXPECT_EQ(registro.Valor().Conteudo(), "0000000000000");
    EXPECT_EQ(registro.Cfop().Codigo(), 0);
    EXPECT_EQ(registro.Situacao(), '\0');
}

TEST(RegSintegra, GetLinha) {
    TRegTeste registro;
    EXPECT_EQ(registro.GetLinha(), "");

    PartesLinha partes;
    registro.SetLinha(partes.Linha());
    EXPECT_EQ(registro.GetLinha(), partes.Linha());  // as read: "zq", "n"

    registro.SetUf("sp");
    EXPECT_TRUE(registro.Alterado());
    partes.uf = "SP";
    partes.situacao = "N";
    EXPECT_EQ(registro.GetLinha(), partes.Linha());
    EXPECT_FALSE(registro.Alterado());

    registro.SetNumero(42);
    registro.SetValor(Moeda::DeCentavos(99));
    registro.SetCnpj("11.222.333/0001-81");
    partes.numero = "000042";
    partes.valor = "0000000000099";
    EXPECT_EQ(registro.GetLinha(), partes.Linha());
}

TEST(RegSintegra, LinhaMaiorQueOMinimo) {
    TRegTeste registro;
    PartesLinha partes;
    partes.resto = std::string(64, 'x');
    registro.SetLinha(partes.Linha());
    EXPECT_EQ(registro.GetLinha(), partes.Linha());  // never cut
    registro.SetUf("ZQ");
    EXPECT_EQ(registro.GetLinha().size(), 70u);  // the columns beyond the fields are not kept
}

TEST(RegSintegra, LinhaMontadaDeUmRegistroLimpo) {
    TRegTeste registro;
    registro.SetCfop(5405);
    EXPECT_TRUE(registro.Presente());
    const std::string esperado = "50" + std::string(14, ' ') + std::string(8, ' ') + "  " + "000000" + "5405" +
                                 "0000000000000" + "00000000" + "0000" + " " + std::string(8, ' ');
    EXPECT_EQ(registro.GetLinha(), esperado);
}

TEST(RegSintegra, TextoMaiorQueOCampoNaoDesalinhaALinha) {
    TRegTeste registro;
    registro.SetLinha(PartesLinha().Linha());
    registro.SetNumero(1234567);  // seven digits in six columns
    const std::string linha = registro.GetLinha();
    EXPECT_EQ(linha.size(), 70u);
    EXPECT_EQ(linha.substr(26, 6), "123456");
    EXPECT_EQ(linha.substr(32, 4), "5102");
}

TEST(RegSintegra, CampoForaDoLeiauteELimpoENaoEscrito) {
    TRegTeste registro;
    registro.SetLeiauteAntigo(true);
    PartesLinha partes;
    partes.aliquota = "s";
    partes.situacao = "";
    partes.resto = std::string(12, ' ');
    registro.SetLinha(partes.Linha());
    EXPECT_EQ(registro.Aliquota(), 0.0);
    EXPECT_EQ(registro.Situacao(), 'S');
    registro.SetUf("ZQ");
    partes.uf = "ZQ";
    partes.aliquota = "S";
    EXPECT_EQ(registro.GetLinha(), partes.Linha());
}

TEST(RegSintegra, AlteradoEPresente) {
    TRegTeste registro;
    registro.SetAlterado(false);
    EXPECT_FALSE(registro.Presente());
    registro.SetAlterado(true);
    EXPECT_TRUE(registro.Presente());
    registro.Limpar();
    EXPECT_FALSE(registro.Presente());
    EXPECT_FALSE(registro.Alterado());
}

TEST(RegSintegra, SetterAceitaOProprioValor) {
    TRegTeste registro;
    registro.SetLinha(PartesLinha().Linha());
    registro.SetCnpj(registro.Cnpj());
    EXPECT_EQ(registro.Cnpj(), "11222333000181");
}

TEST(CampoSintegra, SozinhoComecaValido) {
    const TCampoSintegra valor(tcMonetario, 2, 13, 57, "Valor total da nota fiscal");
    EXPECT_EQ(valor.Conteudo(), "0000000000000");
    EXPECT_EQ(valor.AsMonetario(), Moeda());
    EXPECT_EQ(TCampoSintegra(tcDecimal, 1, 2, 32, "Percentual").Conteudo(), "00");
    EXPECT_TRUE(valor.Erro().empty());
    EXPECT_EQ(TCampoSintegra(tcData, 0, 8, 31, "Data").Conteudo(), "");
    EXPECT_EQ(TCampoSintegra(tcAlfanumerico, 0, 8, 31, "Texto").Conteudo(), "");
}

struct CasoValidacao {
    TipoCampo tipo;
    int decimais;
    const char* conteudo;
    const char* erro;  // empty: valid
};

class ValidacaoDescritor : public testing::TestWithParam<CasoValidacao> {};

TEST_P(ValidacaoDescritor, Erro) {
    TCampoSintegra campo(GetParam().tipo, GetParam().decimais, 13, 3, "Campo");
    campo.SetConteudo(GetParam().conteudo);
    EXPECT_EQ(campo.Erro(), GetParam().erro);
    EXPECT_EQ(campo.Validar(), std::string(GetParam().erro).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidacaoDescritor,
    testing::Values(CasoValidacao{tcAlfanumerico, 0, "qualquer coisa", ""}, CasoValidacao{tcInteiro, 0, "0042", ""},
                    CasoValidacao{tcInteiro, 0, "42 ", "Formato inválido"}, CasoValidacao{tcDecimal, 2, "1700", ""},
                    CasoValidacao{tcDecimal, 2, "17,00", "Formato inválido"},
                    CasoValidacao{tcMonetario, 2, "0000000012345", ""},
                    CasoValidacao{tcMonetario, 2, "", "Formato inválido"}, CasoValidacao{tcData, 0, "20240229", ""},
                    CasoValidacao{tcData, 0, "20230229",
                                  "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20230229"}));

TEST(CampoSintegra, ValorNegativoNaoFicaEmErro) {
    TCampoSintegra campo(tcInteiro, 0, 6, 3, "Número");
    EXPECT_THROW(campo.SetConteudo("-00001"), EValorNegativo);
    EXPECT_EQ(campo.Conteudo(), "-00001");
}

TEST(CampoSintegra, LerLinhaTomaAsColunas) {
    TCampoSintegra campo(tcMonetario, 2, 13, 5, "Valor");
    EXPECT_TRUE(campo.LerLinha("8801000000001234500"));
    EXPECT_EQ(campo.Conteudo(), "0000000012345");
    // A line that ends inside the field: the text is validated as a whole, so digits alone are good.
    EXPECT_TRUE(campo.LerLinha("88010000012"));
    EXPECT_EQ(campo.Conteudo(), "0000012");
    EXPECT_EQ(campo.AsMonetario(), Moeda::DeCentavos(12));
    EXPECT_FALSE(campo.LerLinha("88010000012 "));
    EXPECT_EQ(campo.Erro(), "Formato inválido");
}

TEST(CampoSintegra, SettersDeValorNaoValidam) {
    TCampoSintegra campo(tcMonetario, 2, 13, 5, "Valor");
    campo.SetConteudo("abc");
    campo.SetMonetario(Moeda::DeCentavos(12345));
    EXPECT_EQ(campo.Conteudo(), "0000000012345");
    EXPECT_EQ(campo.Erro(), "Formato inválido");
    EXPECT_EQ(campo.AsMonetario(), Moeda::DeCentavos(12345));

    TCampoSintegra percentual(tcDecimal, 1, 2, 32, "Percentual Recolhimento");
    percentual.SetDecimal(2.5);
    EXPECT_EQ(percentual.Conteudo(), "25");
    EXPECT_DOUBLE_EQ(percentual.AsDecimal(), 2.5);

    TCampoSintegra data(tcData, 0, 8, 33, "Data");
    data.SetData(year{2004} / July / 23);
    EXPECT_EQ(data.Conteudo(), "20040723");

    TCampoSintegra texto(tcAlfanumerico, 0, 8, 33, "Texto");
    texto.SetConteudo("12a");
    EXPECT_THROW(texto.AsInteiro(), EFormatoInvalido);
}

struct CasoNormalizacao {
    Normalizacao normalizacao;
    const char* texto;
    const char* esperado;
};

class Normalizacoes : public testing::TestWithParam<CasoNormalizacao> {};

TEST_P(Normalizacoes, Resultado) {
    std::string destino = "valor anterior de outra linha";
    GetParam().normalizacao(GetParam().texto, destino);
    EXPECT_EQ(destino, GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Normalizacoes,
    testing::Values(CasoNormalizacao{normalizacao::ComoLido, " a b ", " a b "},
                    CasoNormalizacao{normalizacao::Digitos, "11.222.333/0001-81", "11222333000181"},
                    CasoNormalizacao{normalizacao::LetrasEDigitos, "ab-12.3 x", "AB123X"},
                    CasoNormalizacao{normalizacao::Inscricao, "12.345-a", "12345A"},
                    CasoNormalizacao{normalizacao::Inscricao, "    ", "ISENTO"},
                    CasoNormalizacao{normalizacao::Inscricao, "isento", "ISENTO"},
                    CasoNormalizacao{normalizacao::Aparado, "  a b  ", "a b"},
                    CasoNormalizacao{normalizacao::Maiusculo, " ab ", " AB "},
                    CasoNormalizacao{normalizacao::AparadoMaiusculo, " zq ", "ZQ"},
                    CasoNormalizacao{normalizacao::Normalizado, "  RUA  SÃO   JOÃO ", "RUA SAO JOAO"}));

}  // namespace
}  // namespace zq
