// The record-50 processor on its own: totals, the special-rule deferral and the
// gaps in the numbering of the declarant's output invoices.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "critique/totais/ProcReg50.h"
#include "record-model/registros/Reg50.h"
#include "support/Registros50a76.h"

namespace zq::teste {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

class ProcReg50Test : public testing::Test {
protected:
    void Processar(const Registro50& nota) {
        registro_.SetLinha(nota.Linha());
        processador_.Processar(registro_, mensagens_);
    }
    void Numerar(const Registro50& nota) {
        registro_.SetLinha(nota.Linha());
        processador_.RegistrarNumeracao(registro_, kCnpjDeclarante);
    }
    std::vector<std::string> Lacunas() {
        std::vector<std::string> advertencias;
        processador_.VerificarLacunas(advertencias);
        return advertencias;
    }

    ComplementosCritica complementos_ = CriarComplementosAusentes();
    TProcReg50 processador_{complementos_};
    MensagensCritica mensagens_;
    TReg50 registro_;
};

Registro50 Nota(int cfop, long long icms, char situacao = 'N') {
    Registro50 nota;
    nota.cfop = cfop;
    nota.icms = icms;
    nota.situacao = situacao;
    return nota;
}

TEST_F(ProcReg50Test, CreditosDeEntradasEDebitosDeSaidas) {
    Processar(Nota(1102, 17000));
    Processar(Nota(1556, 500));          // no-credit list
    Processar(Nota(5102, 17000, 'E'));   // an extemporaneous document always credits
    Processar(Nota(5102, 3000));
    Processar(Nota(5934, 900));          // excluded from the debits
    EXPECT_EQ(processador_.CreditosEntradas(), Moeda::DeCentavos(34000));
    EXPECT_EQ(processador_.DebitosSaidas(), Moeda::DeCentavos(20000));
}

TEST_F(ProcReg50Test, DiferencaDeAliquota) {
    Registro50 nota = Nota(2551, 5000);
    nota.uf = "SP";
    nota.base = 100000;
    Processar(nota);
    nota.cfop = 2102;
    Processar(nota);
    EXPECT_EQ(processador_.DiferencaAliquota(), Moeda::DeCentavos(5000));
}

TEST_F(ProcReg50Test, TransferenciasComCredito) {
    Processar(Nota(1601, 1000));
    Processar(Nota(5601, 2000));
    EXPECT_EQ(processador_.TransferenciasRecebidas(), Moeda::DeCentavos(1000));
    EXPECT_EQ(processador_.TransferenciasEnviadas(), Moeda::DeCentavos(2000));
    EXPECT_THAT(mensagens_.ListaAdvertencias, IsEmpty());
}

struct CasoSemCredito {
    const char* nome;
    std::string cnpj;
};

class TransferenciaSemCreditoTest : public ProcReg50Test, public testing::WithParamInterface<CasoSemCredito> {};

TEST_P(TransferenciaSemCreditoTest, AdverteENaoSoma) {
    Registro50 nota = Nota(1601, 1000);
    nota.cnpj = GetParam().cnpj;
    Processar(nota);
    EXPECT_EQ(processador_.TransferenciasRecebidas(), Moeda());
    EXPECT_THAT(mensagens_.ListaAdvertencias,
                testing::Contains("ADVERTÊNCIA (Reg.50): Emitente/Destinatário informado pelo CNPJ/CPF: " +
                                  GetParam().cnpj +
                                  " - Inscrição: 161111111 na NF: 000001 Data: 10/05/2017 CFOP: 1601. (Não gera "
                                  "crédito para Tranferência) "));
}

INSTANTIATE_TEST_SUITE_P(Casos, TransferenciaSemCreditoTest,
                         testing::Values(CasoSemCredito{"cpf", "00012345678909"},
                                         CasoSemCredito{"cnpj_invalido", "11222333000182"}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// A contributor with a special rule: internal ICMS differences are deferred.
class RegraEspecialFalsa final : public RegraEspecial {
public:
    bool Existe() const override { return true; }
    void SelecionarContribuinte(const std::string&) override {}
    void AcumularDiferenca(Moeda diferenca) override { diferencas += diferenca; }
    void Adiar(std::string mensagem) override { adiadas.push_back(std::move(mensagem)); }
    void LiberarAdiadas(Moeda, std::vector<std::string>&) override {}

    Moeda diferencas;
    std::vector<std::string> adiadas;
};

TEST_F(ProcReg50Test, RegraEspecialAdiaADiferencaDoIcmsInterno) {
    auto regra = std::make_unique<RegraEspecialFalsa>();
    RegraEspecialFalsa& falsa = *regra;
    complementos_.regraEspecial = std::move(regra);
    Processar(Nota(5102, 16000));
    EXPECT_THAT(mensagens_.ListaRejeicoes, IsEmpty());
    EXPECT_EQ(falsa.diferencas, Moeda::DeCentavos(1000));
    EXPECT_THAT(falsa.adiadas, ElementsAre(HasSubstr("na operação dentro do estado está diferente")));
}

// Output invoices of the declarant, by series and number.
struct Nota50 {
    std::string serie;
    long long numero;
};

struct CasoLacunas {
    const char* nome;
    std::vector<Nota50> saidas;
    std::vector<Nota50> entradasProprias;
    std::vector<std::string> esperadas;
};

std::string Lacuna(long long primeiro, long long ultimo, const std::string& serie = "1  ") {
    return "ADVERTÊNCIA (Reg 50): A(s) nota(s) fiscal(is) de " + std::to_string(primeiro) + " a " +
           std::to_string(ultimo) + " não está(ã0) declarada(s) na série de notas '" + serie + "'. ";
}

class LacunasTest : public ProcReg50Test, public testing::WithParamInterface<CasoLacunas> {};

TEST_P(LacunasTest, Advertencias) {
    for (const Nota50& saida : GetParam().saidas) {
        Registro50 nota = Nota(5102, 17000);
        nota.serie = saida.serie;
        nota.numero = saida.numero;
        Numerar(nota);
    }
    for (const Nota50& entrada : GetParam().entradasProprias) {
        Registro50 nota = Nota(1202, 17000);
        nota.serie = entrada.serie;
        nota.numero = entrada.numero;
        Numerar(nota);
    }
    EXPECT_EQ(Lacunas(), GetParam().esperadas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LacunasTest,
    testing::Values(
        CasoLacunas{"um_dois_cinco", {{"1", 1}, {"1", 2}, {"1", 5}}, {}, {Lacuna(3, 4)}},
        CasoLacunas{"fora_de_ordem", {{"1", 5}, {"1", 1}, {"1", 2}}, {}, {Lacuna(3, 4)}},
        CasoLacunas{"uma_so_nota_faltando", {{"1", 1}, {"1", 3}}, {}, {Lacuna(2, 2)}},
        CasoLacunas{"sem_lacuna_com_aliquotas_repetidas", {{"1", 1}, {"1", 1}, {"1", 2}}, {}, {}},
        CasoLacunas{"uma_so_nota", {{"1", 7}}, {}, {}},
        CasoLacunas{"volta_do_um_ao_ultimo", {{"1", 1}, {"1", 999999}}, {}, {}},
        CasoLacunas{"ultimo_numero_sem_o_primeiro", {{"1", 5}, {"1", 8}, {"1", 999999}}, {}, {}},
        CasoLacunas{"lacuna_de_4000", {{"1", 1}, {"1", 4002}}, {}, {Lacuna(2, 4001)}},
        CasoLacunas{"lacuna_acima_de_4000_cala_todas", {{"1", 1}, {"1", 3}, {"1", 4005}}, {}, {}},
        CasoLacunas{"entradas_proprias_preenchem", {{"1", 1}, {"1", 6}}, {{"1", 3}}, {Lacuna(2, 2), Lacuna(4, 5)}},
        CasoLacunas{"entradas_de_outra_serie_nao", {{"1", 1}, {"1", 4}}, {{"2", 2}}, {Lacuna(2, 3)}},
        CasoLacunas{"entradas_cobrem_tudo", {{"1", 1}, {"1", 4}}, {{"1", 2}, {"1", 3}}, {}},
        CasoLacunas{"entradas_fora_de_ordem_cobrem_tudo", {{"1", 1}, {"1", 5}}, {{"1", 3}, {"1", 4}, {"1", 2}}, {}},
        CasoLacunas{"entrada_alem_da_lacuna", {{"1", 1}, {"1", 4}}, {{"1", 2}, {"1", 9}}, {Lacuna(3, 3)}},
        CasoLacunas{"sequencias_fora_de_ordem",
                    {{"1", 1}, {"1", 2}, {"1", 3}, {"1", 10}, {"1", 11}, {"1", 5}, {"1", 6}, {"1", 2}},
                    {},
                    {Lacuna(4, 4), Lacuna(7, 9)}},
        // Each series is numbered on its own; the lines come sorted as texts.
        CasoLacunas{"duas_series",
                    {{"1", 10}, {"1", 12}, {"2", 3}, {"2", 5}},
                    {},
                    {Lacuna(11, 11), Lacuna(4, 4, "2  ")}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(ProcReg50Test, EntradaDeTerceiroNaoPreencheMasImportacaoSim) {
    for (long long numero : {1, 5}) {
        Registro50 saida = Nota(5102, 0);
        saida.numero = numero;
        Numerar(saida);
    }
    Registro50 terceiro = Nota(1102, 0);
    terceiro.emitente = 'T';
    terceiro.numero = 2;
    Numerar(terceiro);
    Registro50 propria = terceiro;
    propria.cnpj = kCnpjDeclarante;
    propria.numero = 3;
    Numerar(propria);
    Registro50 importacao = terceiro;
    importacao.uf = "EX";
    importacao.cfop = 3102;
    importacao.numero = 4;
    Numerar(importacao);
    EXPECT_THAT(Lacunas(), ElementsAre(Lacuna(2, 2)));
}

}  // namespace
}  // namespace zq::teste
