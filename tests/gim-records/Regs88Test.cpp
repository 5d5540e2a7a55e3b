#include "gim-records/Regs88.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gim-records/LinhasGim.h"
#include "support/Sintegra.h"
#include "platform/Relogio.h"
#include "record-model/campos/CampoSintegra.h"

namespace zq {
namespace {

using namespace std::chrono;
using namespace zq::teste;

struct Regs88Teste : ::testing::Test {
    TReg10 registro10;
    TRegs88 regs{registro10};

    void Adicionar(const std::vector<std::string>& linhas) {
        for (const auto& linha : linhas) regs.Adicionar(linha);
    }
};

TEST_F(Regs88Teste, CadaSubtipoVaiParaOSeuRegistro) {
    struct Caso {
        std::string linha;
        std::function<const TRegSintegra&(const TRegs88&)> registro;
    };
    const std::vector<Caso> casos{
        {Linha8801(), &TRegs88::Registro8801}, {Linha8802(), &TRegs88::Registro8802},
        {Linha8804('1'), &TRegs88::Registro8804}, {Linha8805(), &TRegs88::Registro8805},
        {Linha8806(), &TRegs88::Registro8806}, {Linha8814(), &TRegs88::Registro8814},
        {Linha8815(), &TRegs88::Registro8815}, {Linha8816(), &TRegs88::Registro8816},
        {Linha8817(), &TRegs88::Registro8817}, {Linha8818(), &TRegs88::Registro8818},
        {Linha8850(), &TRegs88::Registro8850},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.linha.substr(0, 4));
        regs.Limpar();
        regs.Adicionar(caso.linha);
        for (const auto& outro : casos) EXPECT_EQ(outro.registro(regs).Presente(), &outro == &caso);
        EXPECT_EQ(caso.registro(regs).Linha(), caso.linha);
        EXPECT_EQ(regs.QuantidadeLinhas(), 1);
        EXPECT_TRUE(regs.SemErros());
    }
}

TEST_F(Regs88Teste, Subtipo03SoMarcaEOsDemaisSoContam) {
    Adicionar({Registro88("03"), Registro88("19"), Registro88("99"), "88"});
    EXPECT_TRUE(regs.Registro8803());
    EXPECT_EQ(regs.QuantidadeLinhas(), 4);
    EXPECT_TRUE(regs.SemErros());
    EXPECT_FALSE(regs.GimPresente());
    regs.Limpar();
    EXPECT_FALSE(regs.Registro8803());
    EXPECT_EQ(regs.QuantidadeLinhas(), 0);
}

TEST_F(Regs88Teste, SegundaLinhaDoSubtipoSubstituiAPrimeira) {
    Adicionar({Linha8801("201705", 'N', Moeda::DeReais(10)), Linha8801("201705", 'N', Moeda::DeReais(20))});
    EXPECT_EQ(regs.Registro8801().CreditoEntradas(), Moeda::DeReais(20));
    EXPECT_EQ(regs.QuantidadeLinhas(), 2);
}

// Failures never leave Adicionar: they wait in Erros, in the order of the lines.
TEST_F(Regs88Teste, ErrosDasLinhasSaoColetados) {
    std::string ruim8801 = Linha8801();
    ruim8801.replace(20, 13, "00000000012,5");
    ruim8801.replace(111, 13, "ABCDEFGHIJKLM");
    std::string ruim8850 = Linha8850();
    ruim8850.replace(4, 14, "11222333000100");
    const std::string curta8802 = Linha8802().substr(0, 100);
    Adicionar({ruim8801, curta8802, ruim8850, "88X1" + std::string(122, '0'), Linha8805()});

    EXPECT_EQ(regs.QuantidadeLinhas(), 5);
    EXPECT_FALSE(regs.SemErros());
    const ListaErros& erros = regs.Erros();
    ASSERT_EQ(erros.size(), 5u);
    EXPECT_EQ(erros[0].Texto, "8801");
    ASSERT_NE(erros[0].Campo, nullptr);
    EXPECT_EQ(erros[0].Campo->Descricao(), "Crédito por Entradas");
    EXPECT_EQ(erros[1].Texto, "8801");
    EXPECT_EQ(erros[1].Campo->Descricao(), "Saldo Anterior");
    EXPECT_EQ(erros[2].Texto, "(Registro 8802) Linha de tamanho 100, menor que o tamanho mínimo aceitável (124)!\r"
                              "Conteúdo da linha: '" + curta8802 + "'");
    EXPECT_EQ(erros[2].Campo, nullptr);
    EXPECT_EQ(erros[3].Texto, "REJEIÇÃO (REG.8850): CNPJ/CPF 11222333000100 com o dígito verificador incorreto");
    EXPECT_EQ(erros[3].Campo, nullptr);
    EXPECT_EQ(erros[4].Texto, "(Registro 88) Subtipo de registro inválido: '88X1'.\rConteúdo da linha: '88X1" +
                                  std::string(122, '0') + "'");
    EXPECT_TRUE(regs.Registro8805().Presente());

    try {
        regs.VerificarErros();
        FAIL();
    } catch (const ERegSintegraInvalido& erro) {
        EXPECT_STREQ(erro.what(), "88");
        ASSERT_EQ(erro.Erros().size(), 5u);
        EXPECT_EQ(erro.Erros()[1].Campo, erros[1].Campo);
    }

    regs.Limpar();
    EXPECT_TRUE(regs.SemErros());
    EXPECT_NO_THROW(regs.VerificarErros());
}

struct CasoDeclaracao {
    std::string nome;
    std::vector<std::string> linhas;
    std::optional<year_month_day> dataInicial;
    char finalidade;
    bool gim;
    bool dadosAnuais;
    bool somenteDadosAnuais;
    bool simples;
    std::string periodo;
    char tipoEntrega;
    int codigoRegime;
};

// Fixes today for the life of the object.
struct HojeFixo {
    explicit HojeFixo(year_month_day dia) { FixarHoje(dia); }
    ~HojeFixo() { FixarHoje(std::nullopt); }
};

TEST_F(Regs88Teste, ConsultasDaDeclaracao) {
    const HojeFixo hoje(year{2018} / 2 / 15);
    const std::vector<CasoDeclaracao> casos{
        {"GIM normal", {Linha8801("201705", 'R'), Linha8802(), Linha8804('1')}, year{2017} / 5 / 1, '1',
         true, false, false, false, "201705", 'R', 1},
        {"GIM normal com dados anuais", {Linha8801(), Linha8804('1'), Linha8806()}, year{2017} / 5 / 1, '1',
         true, true, false, false, "201705", 'N', 1},
        {"EPP retificadora", {Linha8804('7'), Linha8814()}, year{2016} / 3 / 1, '2',
         true, false, false, false, "201603", 'R', 7},
        {"EPP MP 37/06 normal", {Linha8804('7'), Linha8817()}, year{2006} / 9 / 1, '1',
         true, false, false, false, "200609", 'N', 7},
        {"EPP sem data no registro 10", {Linha8814()}, std::nullopt, '1',
         true, false, false, false, "201802", 'N', 1},
        {"Simples Nacional", {Linha8804('3'), Linha8818("201801", 'R')}, year{2018} / 1 / 1, '1',
         true, false, false, true, "201801", 'R', 3},
        {"somente dados anuais", {Linha8805(), Linha8806(2016, 'R')}, year{2017} / 1 / 1, '1',
         false, true, true, false, "", '\0', 0},
        {"sem registros 88", {}, year{2017} / 1 / 1, '1', false, false, false, false, "", '\0', 1},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        registro10.Limpar();
        registro10.SetInscricaoEstadual("161234569");
        registro10.SetDataInicial(caso.dataInicial);
        registro10.SetCodigoFinalidade(caso.finalidade);
        regs.Limpar();
        Adicionar(caso.linhas);
        EXPECT_EQ(regs.GimPresente(), caso.gim);
        EXPECT_EQ(regs.DadosAnuaisPresente(), caso.dadosAnuais);
        EXPECT_EQ(regs.SomenteDadosAnuais(), caso.somenteDadosAnuais);
        EXPECT_EQ(regs.SimplesNacional(), caso.simples);
        EXPECT_EQ(regs.Periodo(), caso.periodo);
        EXPECT_EQ(regs.TipoEntrega(), caso.tipoEntrega);
        EXPECT_EQ(regs.CodigoRegimeApuracao(), caso.codigoRegime);
        EXPECT_EQ(regs.InscricaoEstadual(), "161234569");
    }
}

TEST_F(Regs88Teste, DadosAnuais) {
    EXPECT_EQ(regs.AnoDadosAnuais(), "");
    EXPECT_EQ(regs.TipoDadosAnuais(), '\0');
    regs.Adicionar(Linha8806(2016, 'R'));
    EXPECT_EQ(regs.AnoDadosAnuais(), "2016");
    EXPECT_EQ(regs.TipoDadosAnuais(), 'R');
}

TEST_F(Regs88Teste, RegimeSem8804NaoEEpp) {
    EXPECT_FALSE(regs.RegimeEpp());
    EXPECT_TRUE(regs.RegimeNaoEpp());
    regs.Adicionar(Linha8804('7'));
    EXPECT_TRUE(regs.RegimeEpp());
    regs.Limpar();
    EXPECT_TRUE(regs.RegimeNaoEpp());
}

Moeda Reais(std::int64_t reais) { return Moeda::DeReais(reais); }

TEST_F(Regs88Teste, TotaisDoRegimeNormal) {
    Adicionar({
        Compor<TReg8801>([](TReg8801& r) {
            r.SetCreditoEntradas(Reais(1000));
            r.SetCreditoAtivoImobilizado(Reais(200));
            r.SetCreditoTransferencia(Reais(30));
            r.SetAntecipadoRecolhido(Reais(4));
            r.SetAntecipadoARecolher(Reais(5));
            r.SetOutrosCreditos(Reais(60));
            r.SetEstornoDebitos(Reais(7));
            r.SetSaldoAnterior(Moeda::DeCentavos(80050));
        }),
        Compor<TReg8802>([](TReg8802& r) {
            r.SetDebitoSaidas(Reais(5000));
            r.SetDebitoTransferencia(Reais(100));
            r.SetOutrosDebitos(Reais(20));
            r.SetEstornoCreditos(Reais(3));
            r.SetStEntradasJaRecolhida(Reais(11));
            r.SetStEntradasARecolher(Reais(12));
            r.SetStSaidasJaRecolhida(Reais(13));
            r.SetStRetencaoFonte(Reais(14));
        }),
        Compor<TReg8815>([](TReg8815& r) {
            r.SetPresumidoOutrosRegimes(Reais(1));
            r.SetChequeMoradia(Reais(2));
            r.SetFundoCultura(Reais(3));
        }),
        Compor<TReg8814>([](TReg8814& r) { r.SetImpostoDevido(Reais(999)); }),  // the 8801 rules
    });
    regs.CalcularTotais();
    const TotaisApuracao& t = regs.Totais();
    EXPECT_EQ(t.SaldoAnterior, Moeda::DeCentavos(80050));
    EXPECT_EQ(t.CreditoEntradas, Reais(1000));
    EXPECT_EQ(t.CreditoAtivo, Reais(200));
    EXPECT_EQ(t.CreditoTransferencia, Reais(30));
    EXPECT_EQ(t.OutrosCreditos, Reais(60));
    EXPECT_EQ(t.EstornoDebitos, Reais(7));
    EXPECT_EQ(t.AntecipadoRecolhido, Reais(4));
    EXPECT_EQ(t.AntecipadoARecolher, Reais(5));
    EXPECT_EQ(t.DebitoSaidas, Reais(5000));
    EXPECT_EQ(t.OutrosDebitos, Reais(20));
    EXPECT_EQ(t.EstornoCreditos, Reais(3));
    EXPECT_EQ(t.DebitoTransferencia, Reais(100));
    EXPECT_EQ(t.StEntradasJR, Reais(11));
    EXPECT_EQ(t.StEntradasAR, Reais(12));
    EXPECT_EQ(t.StSaidasAnexoV, Reais(13));
    EXPECT_EQ(t.StSaidasFonte, Reais(14));
    EXPECT_EQ(t.StRecolhida, Reais(24));
    // 1000 + 200 + 30 + 60 + 7 + 4 + 5, and the 8815 credits 1 + 2 + 3
    EXPECT_EQ(t.CreditosPeriodo, Reais(1312));
    EXPECT_EQ(t.TotalCreditos, Moeda::DeCentavos(131200 + 80050));
    EXPECT_EQ(t.DebitosPeriodo, Reais(5123));
    EXPECT_EQ(t.ImpostoRecolher, Moeda::DeCentavos(512300 - 131200 - 80050));
}

TEST_F(Regs88Teste, TotaisSem8802SaoZeroNosDebitos) {
    Adicionar({Compor<TReg8801>([](TReg8801& r) { r.SetSaldoAnterior(Reais(50)); })});
    regs.CalcularTotais();
    EXPECT_EQ(regs.Totais().DebitosPeriodo, Moeda());
    EXPECT_EQ(regs.Totais().ImpostoRecolher, -Reais(50));
}

TEST_F(Regs88Teste, TotaisDaEpp) {
    const std::string linha8815 = Compor<TReg8815>([](TReg8815& r) { r.SetPresumidoFain(Reais(500)); });
    const std::string linha8814 = Compor<TReg8814>([](TReg8814& r) {
        r.SetImpostoDevido(Reais(300));
        r.SetValorCreditoPresumido(Reais(40));
        r.SetImpostoARecolher(Reais(260));
        r.SetStEntradasJaRecolhida(Reais(1));
        r.SetStEntradasARecolher(Reais(2));
        r.SetStSaidasJaRecolhida(Reais(3));
        r.SetStRetencaoFonte(Reais(4));
    });
    const std::string linha8817 = Compor<TReg8817>([](TReg8817& r) {
        r.SetImpostoDevido(Reais(700));
        r.SetTotalCreditoOutorgado(Reais(70));
        r.SetImpostoARecolher(Reais(630));
        r.SetStSaidasJaRecolhida(Reais(9));
    });

    Adicionar({linha8814, linha8815, linha8817});
    regs.CalcularTotais();
    TotaisApuracao t = regs.Totais();
    EXPECT_EQ(t.OutrosCreditos, Reais(40));
    EXPECT_EQ(t.OutrosDebitos, Reais(300));
    EXPECT_EQ(t.ImpostoRecolher, Reais(260));
    EXPECT_EQ(t.StEntradasJR, Reais(1));
    EXPECT_EQ(t.StEntradasAR, Reais(2));
    EXPECT_EQ(t.StSaidasAnexoV, Reais(3));
    EXPECT_EQ(t.StSaidasFonte, Reais(4));
    EXPECT_EQ(t.StRecolhida, Reais(4));
    EXPECT_EQ(t.CreditosPeriodo, Reais(40));  // without the 8815 credits
    EXPECT_EQ(t.TotalCreditos, Reais(40));
    EXPECT_EQ(t.DebitosPeriodo, Reais(300));
    EXPECT_EQ(t.SaldoAnterior, Moeda());

    regs.Limpar();
    EXPECT_EQ(regs.Totais().OutrosDebitos, Reais(300));  // the totals stay until computed again
    Adicionar({linha8817});
    regs.CalcularTotais();
    t = regs.Totais();
    EXPECT_EQ(t.OutrosCreditos, Reais(70));
    EXPECT_EQ(t.OutrosDebitos, Reais(700));
    EXPECT_EQ(t.ImpostoRecolher, Reais(630));
    EXPECT_EQ(t.StSaidasAnexoV, Reais(9));

    regs.Limpar();
    Adicionar({Linha8818(), linha8815});
    regs.CalcularTotais();
    t = regs.Totais();
    for (Moeda total : {t.SaldoAnterior, t.OutrosCreditos, t.OutrosDebitos, t.StRecolhida, t.ImpostoRecolher,
                        t.CreditosPeriodo, t.TotalCreditos, t.DebitosPeriodo}) {
        EXPECT_EQ(total, Moeda());
    }
}

}  // namespace
}  // namespace zq
