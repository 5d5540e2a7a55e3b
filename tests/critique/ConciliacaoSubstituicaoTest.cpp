// The ST on internal outputs of 8802 reconciled at record 90 with the records
// 53, the FUNCEP of 8816 and the adjustments of 8821 to 8823.

#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "critique/fechamento/ConciliacaoSubstituicao.h"
#include "support/Detalhes88.h"

namespace zq {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

Moeda Reais(double valor) { return Moeda::DeCentavos(std::llround(valor * 100)); }

const std::string kRejeicao8802 =
    "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está inferior ao apurado.";
const std::string kAdvertencia8802 =
    "ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas Anexo V (campo 12) somada a ST saídas internas...";

class ConciliacaoSubstituicaoTest : public testing::Test {
protected:
    ConciliacaoSubstituicaoTest() {
        mensagens_.ListaRejeicoes = {"REJEIÇÃO anterior", kRejeicao8802};
        mensagens_.ListaAdvertencias = {kAdvertencia8802, "ADVERTÊNCIA anterior"};
    }

    void Conciliar(const ValoresSubstituicao& valores) {
        ConciliacaoSubstituicao(detalhes_, *complementos_.funcep).Conciliar(valores, mensagens_);
    }
    void Ler(TRegDetalhe& registro, const std::string& linha) {
        std::vector<std::string> rejeicoes;
        ASSERT_TRUE(registro.Ler(linha, rejeicoes)) << linha;
    }

    ComplementosCritica complementos_ = CriarComplementosAusentes();
    DetalhesGim detalhes_;
    MensagensCritica mensagens_;
};

TEST_F(ConciliacaoSubstituicaoTest, Sem8821OFuncepDescontaOAnexoVDaRejeicao) {
    // Records 53: 100.00 on Anexo V; 8802 field 12: 60.00; FUNCEP on ST outputs: 30.00.
    Conciliar({.diferenca = Reais(40), .funcep = Reais(30), .campo12 = Reais(60), .anexoV = Reais(100),
               .saidasInternas = Reais(100)});
    EXPECT_EQ(mensagens_.ListaRejeicoes.size(), 2u);
    EXPECT_EQ(mensagens_.ListaRejeicoes[0], "REJEIÇÃO anterior");
    EXPECT_THAT(mensagens_.ListaRejeicoes[1],
                HasSubstr("informada no registro 8816 (FUNCEP/ZQ). Lido: 8802 : R$ 60,00(A), 8816: R$ 30,00(B). "
                          "Apurado(53): R$ 100,00(C). Diferença: (C - (A + B)) = R$ 10,00."));
    EXPECT_EQ(mensagens_.ListaAdvertencias.size(), 2u);
}

TEST_F(ConciliacaoSubstituicaoTest, Sem8821OFuncepQueCobreADiferencaSoRetiraARejeicaoSimples) {
    Conciliar({.diferenca = Reais(40), .funcep = Reais(40), .campo12 = Reais(60), .anexoV = Reais(100)});
    EXPECT_THAT(mensagens_.ListaRejeicoes, ElementsAre("REJEIÇÃO anterior"));
}

TEST_F(ConciliacaoSubstituicaoTest, Sem8821NemFuncepFicaARejeicaoSimples) {
    Conciliar({.diferenca = Reais(40), .campo12 = Reais(60), .anexoV = Reais(100)});
    EXPECT_THAT(mensagens_.ListaRejeicoes, ElementsAre("REJEIÇÃO anterior", kRejeicao8802));
}

TEST_F(ConciliacaoSubstituicaoTest, Com8821ORessarcimentoDos8822DeveSerODo8821) {
    Ler(detalhes_.creditosSt, teste::Detalhe8821{.ressarcimento = 5000}.Linha());
    Ler(detalhes_.ressarcimentos, teste::Detalhe8822{.valor = 2000}.Linha());
    Ler(detalhes_.ressarcimentos, teste::Detalhe8822{.valor = 2550}.Linha());
    Conciliar({});
    EXPECT_THAT(mensagens_.ListaRejeicoes,
                ElementsAre("REJEIÇÃO anterior",
                            "REJEIÇÃO (Reg.8822): A soma dos totais ressarcidos dos registros 8822 (campo 6) deve ser "
                            "igual ao valor informado no registro 8821 (campo 6). A soma dos registros 8822 é R$ 45,50 "
                            "e o valor informado no registro 8821 é R$ 50,00."));
}

TEST_F(ConciliacaoSubstituicaoTest, OutrosDebitosDo8823AumentamOQueO8802DeveCobrir) {
    // Records 53: 100.00 on Anexo V; 8802 field 12: 70.00; 8821 returns 30.00; 8823 other debits 5.00.
    Ler(detalhes_.creditosSt, teste::Detalhe8821{.devolucao = 3000}.Linha());
    Ler(detalhes_.debitosSt, teste::Detalhe8823{.valor = 500}.Linha());
    Conciliar({.diferenca = Reais(30), .campo12 = Reais(70), .anexoV = Reais(100), .saidasInternas = Reais(100)});

    EXPECT_THAT(mensagens_.ListaAdvertencias,
                ElementsAre("ADVERTÊNCIA anterior", HasSubstr("8821: R$ 30,00(C) e 8823: R$ 5,00(D). Apurado: R$ "
                                                              "100,00(B). Diferença : A - (B - C + D - E) = -R$ "
                                                              "5,00.")));
    EXPECT_THAT(mensagens_.ListaRejeicoes,
                ElementsAre("REJEIÇÃO anterior", HasSubstr("8821: R$ 30,00(C) e 8823: R$ 5,00(D). Apurado(53): R$ "
                                                           "100,00(B). Diferença : A - (B - C + D - E) = -R$ 5,00.")));
}

// Records 53: 100.00 of ST on internal outputs, all on Anexo V; 8802 declares 70.00 (field 12) + 0.00 (field
// 13); 8821 explains `ajustes8821` of the difference of 30.00.
struct CasoAjustes {
    const char* nome;
    double ajustes8821;
    bool advertencia;
    bool rejeicao;
};

class ConciliacaoComAjustesTest : public ConciliacaoSubstituicaoTest, public testing::WithParamInterface<CasoAjustes> {
};

TEST_P(ConciliacaoComAjustesTest, AMensagemConciliadaSubstituiASimples) {
    Ler(detalhes_.creditosSt, teste::Detalhe8821{.devolucao = std::llround(GetParam().ajustes8821 * 100)}.Linha());
    Conciliar({.diferenca = Reais(30), .campo12 = Reais(70), .anexoV = Reais(100), .saidasInternas = Reais(100)});

    const std::vector<std::string> advertencias(mensagens_.ListaAdvertencias.begin() + 1,
                                                mensagens_.ListaAdvertencias.end());
    EXPECT_EQ(mensagens_.ListaAdvertencias.front(), "ADVERTÊNCIA anterior");
    if (GetParam().advertencia) {
        ASSERT_EQ(advertencias.size(), 1u);
        EXPECT_THAT(advertencias[0], HasSubstr("Lido: 8802 : R$ 70,00 (A), 8816: R$ 0,00(E), 8821: R$ " +
                                               std::string(GetParam().ajustes8821 == 0 ? "0,00" : "26,99") +
                                               "(C) e 8823: R$ 0,00(D). Apurado: R$ 100,00(B)."));
    } else {
        EXPECT_THAT(advertencias, IsEmpty());
    }
    ASSERT_EQ(mensagens_.ListaRejeicoes.front(), "REJEIÇÃO anterior");
    if (GetParam().rejeicao) {
        ASSERT_EQ(mensagens_.ListaRejeicoes.size(), 2u);
        EXPECT_THAT(mensagens_.ListaRejeicoes[1],
                    HasSubstr("Apurado(53): R$ 100,00(B). Diferença : A - (B - C + D - E) = "));
    } else {
        EXPECT_EQ(mensagens_.ListaRejeicoes.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, ConciliacaoComAjustesTest,
                         testing::Values(CasoAjustes{"sem_ajuste", 0, true, true},
                                         CasoAjustes{"ajuste_deixa_3_01", 26.99, true, true},
                                         CasoAjustes{"ajuste_deixa_3_00", 27, false, true},
                                         CasoAjustes{"ajuste_cobre_tudo", 30, false, false}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

}  // namespace
}  // namespace zq
