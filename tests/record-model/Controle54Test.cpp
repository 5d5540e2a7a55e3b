#include "record-model/totais/Controle54.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "record-model/campos/Conversoes.h"

namespace zq {
namespace {

struct Nota {
    std::string cnpj = "11222333000181";
    std::string modelo = "55";
    std::string serie = "1  ";
    std::string numero = "000123";
    std::string cfop = "5102";
    std::string aliquota = "1700";
    std::string data = "20170512";
    std::string uf = "SP";
    std::string situacao = "N";

    std::string Registro50() const {
        std::string linha = "50" + cnpj + "161234569     " + data + uf + modelo + serie + numero + cfop + "P" +
                            std::string(65, '0') + aliquota + situacao;
        EXPECT_EQ(linha.size(), 126u);
        return linha;
    }
    // A record 54 of the invoice: CNPJ, model, series, number, CFOP, then the item up to the rate in 123-126.
    std::string Registro54(const std::string& item = "001") const {
        std::string linha = "54" + cnpj + modelo + serie + numero + cfop + "000" + item + "PROD-1        " +
                            std::string(71, '0') + aliquota;
        EXPECT_EQ(linha.size(), 126u);
        return linha;
    }
    std::string Chave50() const { return cnpj + modelo + serie + numero + cfop + aliquota + data + uf; }
};

Nota Com(std::string Nota::*campo, std::string valor) {
    Nota nota;
    nota.*campo = std::move(valor);
    return nota;
}

struct CasoPendencia {
    const char* nome;
    Nota nota;
    bool pendente;
};

class Pendencia54 : public testing::TestWithParam<CasoPendencia> {};

TEST_P(Pendencia54, PendenteAteORegistro54) {
    const Nota& nota = GetParam().nota;
    TControle54 controle;
    controle.RegistrarRegistro50(nota.Registro50(), 7);
    ASSERT_EQ(controle.Pendencias(), GetParam().pendente ? 1u : 0u);
    controle.BaixarRegistro54(nota.Registro54());
    EXPECT_EQ(controle.Pendencias(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Pendencia54,
    testing::Values(CasoPendencia{"Normal", Nota(), true},
                    CasoPendencia{"Extemporaneo", Com(&Nota::situacao, "E"), true},
                    CasoPendencia{"Cancelado", Com(&Nota::situacao, "S"), false},
                    CasoPendencia{"CanceladoExtemporaneo", Com(&Nota::situacao, "X"), false},
                    CasoPendencia{"Denegado", Com(&Nota::situacao, "2"), false},
                    CasoPendencia{"Inutilizado", Com(&Nota::situacao, "4"), false},
                    CasoPendencia{"SituacaoMinuscula", Com(&Nota::situacao, "n"), false},
                    CasoPendencia{"Modelo1", Com(&Nota::modelo, "01"), true},
                    CasoPendencia{"Modelo4", Com(&Nota::modelo, "04"), true},
                    CasoPendencia{"Modelo65", Com(&Nota::modelo, "65"), false},
                    CasoPendencia{"Modelo6", Com(&Nota::modelo, "06"), false},
                    CasoPendencia{"Cfop5949", Com(&Nota::cfop, "5949"), false},
                    CasoPendencia{"Cfop1153PrimeiroDaTabela", Com(&Nota::cfop, "1153"), false},
                    CasoPendencia{"Cfop7949UltimoDaTabela", Com(&Nota::cfop, "7949"), false},
                    CasoPendencia{"Cfop5250InicioDeFaixa", Com(&Nota::cfop, "5250"), false},
                    CasoPendencia{"Cfop5258FimDeFaixa", Com(&Nota::cfop, "5258"), false},
                    CasoPendencia{"Cfop5259ForaDaFaixa", Com(&Nota::cfop, "5259"), true},
                    CasoPendencia{"Cfop5358ForaDaTabela", Com(&Nota::cfop, "5358"), true},
                    CasoPendencia{"Cfop6919", Com(&Nota::cfop, "6919"), false},
                    CasoPendencia{"Cfop5919", Com(&Nota::cfop, "5919"), true},
                    CasoPendencia{"Cfop2102", Com(&Nota::cfop, "2102"), true}),
    [](const testing::TestParamInfo<CasoPendencia>& caso) { return std::string(caso.param.nome); });

struct CasoSemBaixa {
    const char* nome;
    std::string Nota::*campo;
    const char* valor;
};

class Registro54DeOutraNota : public testing::TestWithParam<CasoSemBaixa> {};

TEST_P(Registro54DeOutraNota, NaoBaixa) {
    TControle54 controle;
    controle.RegistrarRegistro50(Nota().Registro50(), 3);
    controle.BaixarRegistro54(Com(GetParam().campo, GetParam().valor).Registro54());
    EXPECT_EQ(controle.Pendencias(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Registro54DeOutraNota,
    testing::Values(CasoSemBaixa{"Cnpj", &Nota::cnpj, "11222333000262"}, CasoSemBaixa{"Modelo", &Nota::modelo, "01"},
                    CasoSemBaixa{"Serie", &Nota::serie, "2  "}, CasoSemBaixa{"Numero", &Nota::numero, "000124"},
                    CasoSemBaixa{"Cfop", &Nota::cfop, "5405"}, CasoSemBaixa{"Aliquota", &Nota::aliquota, "1200"}),
    [](const testing::TestParamInfo<CasoSemBaixa>& caso) { return std::string(caso.param.nome); });

TEST(Controle54, DataEUfNaoFazemParteDaChaveDo54) {
    TControle54 controle;
    const Nota nota;
    controle.RegistrarRegistro50(nota.Registro50(), 10);
    controle.RegistrarRegistro50(Com(&Nota::data, "20170513").Registro50(), 11);
    controle.RegistrarRegistro50(Com(&Nota::uf, "ZQ").Registro50(), 12);
    controle.RegistrarRegistro50(Com(&Nota::numero, "000124").Registro50(), 13);
    EXPECT_EQ(controle.Pendencias(), 4u);
    // One record 54 settles every record 50 of its key.
    controle.BaixarRegistro54(nota.Registro54());
    EXPECT_EQ(controle.ListaPendencias(), std::vector<std::string>{Com(&Nota::numero, "000124").Chave50() + "|13"});
    // Further items of a settled invoice change nothing.
    controle.BaixarRegistro54(nota.Registro54("002"));
    EXPECT_EQ(controle.Pendencias(), 1u);
}

TEST(Controle54, Registro54AntesDo50NaoBaixa) {
    TControle54 controle;
    controle.BaixarRegistro54(Nota().Registro54());
    controle.RegistrarRegistro50(Nota().Registro50(), 20);
    EXPECT_EQ(controle.Pendencias(), 1u);
}

TEST(Controle54, PendenciasNaOrdemDeLeitura) {
    TControle54 controle;
    std::vector<Nota> notas;
    for (const char* numero : {"000005", "000001", "000004", "000002", "000003"}) {
        notas.push_back(Com(&Nota::numero, numero));
    }
    for (std::size_t i = 0; i < notas.size(); ++i) controle.RegistrarRegistro50(notas[i].Registro50(), 100 + i);
    controle.BaixarRegistro54(notas[1].Registro54());
    controle.BaixarRegistro54(notas[4].Registro54());
    controle.RegistrarRegistro50(notas[1].Registro50(), 200);
    EXPECT_EQ(controle.ListaPendencias(),
              (std::vector<std::string>{notas[0].Chave50() + "|100", notas[2].Chave50() + "|102",
                                        notas[3].Chave50() + "|103", notas[1].Chave50() + "|200"}));
    controle.BaixarRegistro54(notas[0].Registro54());
    controle.BaixarRegistro54(notas[1].Registro54());
    EXPECT_EQ(controle.ListaPendencias(),
              (std::vector<std::string>{notas[2].Chave50() + "|102", notas[3].Chave50() + "|103"}));
}

TEST(Controle54, RelatarPendencias) {
    TControle54 controle;
    Nota nota;
    nota.serie = "U1 ";
    nota.numero = "004321";
    nota.modelo = "01";
    nota.cfop = "2102";
    nota.aliquota = "0700";
    controle.RegistrarRegistro50(nota.Registro50(), 1234567);
    controle.RegistrarRegistro50(Com(&Nota::numero, "000999").Registro50(), 1234568);
    std::vector<std::string> advertencias{"anterior"};
    controle.RelatarPendencias(advertencias);
    ASSERT_EQ(advertencias.size(), 3u);
    EXPECT_EQ(advertencias[0], "anterior");
    EXPECT_EQ(advertencias[1],
              "ADVERTÊNCIA (Reg 50): - Registro 50 (Nota Fiscal) sem o registro 54 (produto) correspondente. Não "
              "resolver essa pendência poderá fazer com que o arquivo seja rejeitado ao ser processado pelo sistema "
              "corporativo da XAR, caso o contribuinte esteja inscrito no cadastro de EDF da XAR como emissor de nota "
              "fiscal via processamento eletrônico de dados. A pendência está localizada na linha 1234567 do arquivo "
              "e o critério para a pesquisa do 54 foi: CNPJ '11222333000181', NF '004321', modelo '01', série 'U1 ', "
              "CFOP '2102', alíquota '0700'.");
    EXPECT_NE(advertencias[2].find("linha 1234568 do arquivo"), std::string::npos);
    EXPECT_NE(advertencias[2].find("NF '000999'"), std::string::npos);
}

TEST(Controle54, CamposNaoNumericos) {
    TControle54 controle;
    try {
        controle.RegistrarRegistro50(Com(&Nota::cfop, "51 2").Registro50(), 1);
        FAIL();
    } catch (const EFormatoInvalido& erro) {
        EXPECT_STREQ(erro.what(), "Formato inválido");
    }
    EXPECT_THROW(controle.RegistrarRegistro50(Com(&Nota::modelo, "5A").Registro50(), 2), EFormatoInvalido);
    std::string tipoRuim = Nota().Registro50();
    tipoRuim[1] = 'X';
    EXPECT_THROW(controle.RegistrarRegistro50(tipoRuim, 3), EFormatoInvalido);
    // The model is only looked at when the CFOP and the situation call for a record 54.
    Nota semItens = Com(&Nota::modelo, "5A");
    semItens.cfop = "5949";
    EXPECT_NO_THROW(controle.RegistrarRegistro50(semItens.Registro50(), 4));
    semItens = Com(&Nota::modelo, "5A");
    semItens.situacao = "S";
    EXPECT_NO_THROW(controle.RegistrarRegistro50(semItens.Registro50(), 5));
    EXPECT_EQ(controle.Pendencias(), 0u);
}

TEST(Controle54, LinhaCurtaDo54NaoBaixaONormal) {
    TControle54 controle;
    controle.RegistrarRegistro50(Nota().Registro50(), 1);
    controle.BaixarRegistro54(Nota().Registro54().substr(0, 122));
    EXPECT_EQ(controle.Pendencias(), 1u);
    controle.BaixarRegistro54("");
    EXPECT_EQ(controle.Pendencias(), 1u);
}

// The control against the plain list of keys it replaces, over many keys (the index grows and entries are
// removed from every position of their probe runs) and repeated keys. Records are applied a few lines late:
// asking after every line and only now and then must agree, also across the compactions of settled entries.
class Controle54Aleatorio : public testing::TestWithParam<int> {};

TEST_P(Controle54Aleatorio, ComparadoComUmaListaSimples) {
    const int consultaACada = GetParam();
    TControle54 controle;
    std::vector<std::string> lista;
    std::mt19937 aleatorio(54);
    std::uniform_int_distribution<int> numeros(0, 499);
    std::uniform_int_distribution<int> operacao(0, 1);
    const auto nota = [](int n) {
        Nota resultado;
        resultado.numero = std::to_string(100000 + n);
        resultado.data = n % 2 == 0 ? "20170512" : "20170513";
        resultado.aliquota = n % 3 == 0 ? "1200" : "1700";
        return resultado;
    };
    for (std::int64_t linha = 1; linha <= 30000; ++linha) {
        const Nota escolhida = nota(numeros(aleatorio));
        if (operacao(aleatorio) != 0) {
            controle.RegistrarRegistro50(escolhida.Registro50(), linha);
            lista.push_back(escolhida.Chave50() + "|" + std::to_string(linha));
        } else {
            controle.BaixarRegistro54(escolhida.Registro54());
            const std::string chave54 = escolhida.Chave50().substr(0, TControle54::kTamanhoChave54);
            std::erase_if(lista, [&](const std::string& entrada) { return entrada.starts_with(chave54); });
        }
        if (linha % consultaACada == 0) {
            ASSERT_EQ(controle.Pendencias(), lista.size()) << "linha " << linha;
        }
        if (linha % 1000 == 0) {
            ASSERT_EQ(controle.ListaPendencias(), lista) << "linha " << linha;
        }
    }
    for (int n = 0; n < 500; ++n) controle.BaixarRegistro54(nota(n).Registro54());
    EXPECT_EQ(controle.Pendencias(), 0u);
    EXPECT_TRUE(controle.ListaPendencias().empty());
    controle.RegistrarRegistro50(nota(1).Registro50(), 90000);
    EXPECT_EQ(controle.ListaPendencias(), std::vector<std::string>{nota(1).Chave50() + "|90000"});
}

INSTANTIATE_TEST_SUITE_P(Consultas, Controle54Aleatorio, testing::Values(1, 997),
                         [](const testing::TestParamInfo<int>& caso) { return "ACada" + std::to_string(caso.param); });

}  // namespace
}  // namespace zq
