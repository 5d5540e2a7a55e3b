// Each GIM record class composed from its setters, read back from the composed line, and its own rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gim-records/Reg8801.h"
#include "gim-records/Reg8802.h"
#include "gim-records/Reg8804.h"
#include "gim-records/Reg8805.h"
#include "gim-records/Reg8806.h"
#include "gim-records/Reg8814.h"
#include "gim-records/Reg8815.h"
#include "gim-records/Reg8816.h"
#include "gim-records/Reg8817.h"
#include "gim-records/Reg8818.h"
#include "gim-records/Reg8850.h"
#include "record-model/campos/CampoSintegra.h"

namespace zq {
namespace {

using namespace std::chrono;

// A money field of a record class: its setter, its value accessor (when the class offers one) and its columns.
template <class R>
struct CampoMoeda {
    void (R::*definir)(Moeda);
    Moeda (R::*valor)() const;
    int posicao;
    int tamanho;
};

// A different amount for each field: 1,01, 2,02, 3,03...
Moeda ValorDoCampo(std::size_t i) { return Moeda::DeCentavos(static_cast<std::int64_t>(101 * (i + 1))); }

std::string Digitos(std::int64_t numero, int tamanho) {
    std::string texto = std::to_string(numero);
    return std::string(static_cast<std::size_t>(tamanho) - texto.size(), '0') + texto;
}

// Every money field set through its setter lands at its columns; the composed line reads back to the same
// values and comes back unchanged.
template <class R>
void ConferirMoedas(const std::vector<CampoMoeda<R>>& campos, void (*preparar)(R&) = nullptr) {
    R registro;
    if (preparar != nullptr) preparar(registro);
    for (std::size_t i = 0; i < campos.size(); ++i) (registro.*campos[i].definir)(ValorDoCampo(i));
    EXPECT_TRUE(registro.Presente());
    EXPECT_TRUE(registro.Alterado());
    const std::string linha = registro.GetLinha();
    EXPECT_FALSE(registro.Alterado());
    ASSERT_GE(linha.size(), static_cast<std::size_t>(registro.TamanhoMinimo()));
    EXPECT_EQ(linha.substr(0, 4), registro.Tipo());
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const auto inicio = static_cast<std::size_t>(campos[i].posicao - 1);
        EXPECT_EQ(linha.substr(inicio, static_cast<std::size_t>(campos[i].tamanho)),
                  Digitos(static_cast<std::int64_t>(101 * (i + 1)), campos[i].tamanho))
            << "column " << campos[i].posicao;
    }

    R lido;
    lido.SetLinha(linha);
    for (std::size_t i = 0; i < campos.size(); ++i) {
        if (campos[i].valor != nullptr) {
            EXPECT_EQ((lido.*campos[i].valor)(), ValorDoCampo(i)) << campos[i].posicao;
        }
    }
    EXPECT_EQ(lido.GetLinha(), linha);

    lido.Limpar();
    for (const auto& campo : campos) {
        if (campo.valor != nullptr) {
            EXPECT_EQ((lido.*campo.valor)(), Moeda());
        }
    }
}

TEST(RegistrosGim, MoedasDe8801) {
    ConferirMoedas<TReg8801>({
        {&TReg8801::SetCreditoEntradas, &TReg8801::CreditoEntradas, 21, 13},
        {&TReg8801::SetCreditoAtivoImobilizado, &TReg8801::CreditoAtivoImobilizado, 34, 13},
        {&TReg8801::SetCreditoTransferencia, &TReg8801::CreditoTransferencia, 47, 13},
        {&TReg8801::SetAntecipadoRecolhido, &TReg8801::AntecipadoRecolhido, 60, 13},
        {&TReg8801::SetAntecipadoARecolher, &TReg8801::AntecipadoARecolher, 73, 13},
        {&TReg8801::SetOutrosCreditos, &TReg8801::OutrosCreditos, 86, 13},
        {&TReg8801::SetEstornoDebitos, &TReg8801::EstornoDebitos, 99, 13},
        {&TReg8801::SetSaldoAnterior, &TReg8801::SaldoAnterior, 112, 13},
    });
}

TEST(RegistrosGim, MoedasDe8802) {
    ConferirMoedas<TReg8802>({
        {&TReg8802::SetDebitoSaidas, &TReg8802::DebitoSaidas, 21, 13},
        {&TReg8802::SetDebitoTransferencia, &TReg8802::DebitoTransferencia, 34, 13},
        {&TReg8802::SetOutrosDebitos, &TReg8802::OutrosDebitos, 47, 13},
        {&TReg8802::SetEstornoCreditos, &TReg8802::EstornoCreditos, 60, 13},
        {&TReg8802::SetStEntradasJaRecolhida, &TReg8802::StEntradasJaRecolhida, 73, 13},
        {&TReg8802::SetStEntradasARecolher, &TReg8802::StEntradasARecolher, 86, 13},
        {&TReg8802::SetStSaidasJaRecolhida, &TReg8802::StSaidasJaRecolhida, 99, 13},
        {&TReg8802::SetStRetencaoFonte, &TReg8802::StRetencaoFonte, 112, 13},
    });
}

TEST(RegistrosGim, MoedasDe8804) {
    ConferirMoedas<TReg8804>({
        {&TReg8804::SetDifAliquotaARecolher, &TReg8804::DifAliquotaARecolher, 21, 13},
        {&TReg8804::SetImpostoRetidoOutrasUf, &TReg8804::ImpostoRetidoOutrasUf, 34, 13},
    });
}

TEST(RegistrosGim, MoedasDe8806) {
    ConferirMoedas<TReg8806>({
        {&TReg8806::SetEstoqueTributavel, &TReg8806::EstoqueTributavel, 19, 13},
        {&TReg8806::SetEstoqueNaoTributavel, &TReg8806::EstoqueNaoTributavel, 32, 13},
        {&TReg8806::SetEstoqueSubstTributaria, &TReg8806::EstoqueSubstTributaria, 45, 13},
        {&TReg8806::SetSaldoCaixa, &TReg8806::SaldoCaixa, 58, 13},
        {&TReg8806::SetSaldoBancos, &TReg8806::SaldoBancos, 71, 13},
        {&TReg8806::SetDespesasPessoal, &TReg8806::DespesasPessoal, 84, 13},
        {&TReg8806::SetDespesasOutrosImpostos, &TReg8806::DespesasOutrosImpostos, 97, 13},
        {&TReg8806::SetDespesasGerais, &TReg8806::DespesasGerais, 110, 13},
    }, [](TReg8806& r) { r.SetAno(2016); });
}

TEST(RegistrosGim, MoedasDe8814) {
    ConferirMoedas<TReg8814>({
        {&TReg8814::SetBaseRecolhimentoApurada, nullptr, 5, 9},
        {&TReg8814::SetMediaMensalEntradas, nullptr, 14, 9},
        {&TReg8814::SetBaseRecolhimentoEfetiva, nullptr, 23, 9},
        {&TReg8814::SetImpostoDevido, &TReg8814::ImpostoDevido, 34, 9},
        {&TReg8814::SetTotalAquisicoes, nullptr, 48, 9},
        {&TReg8814::SetAquisicoesInternas, nullptr, 57, 9},
        {&TReg8814::SetValorCreditoPresumido, &TReg8814::ValorCreditoPresumido, 70, 9},
        {&TReg8814::SetImpostoARecolher, &TReg8814::ImpostoARecolher, 79, 9},
        {&TReg8814::SetStEntradasJaRecolhida, &TReg8814::StEntradasJaRecolhida, 88, 9},
        {&TReg8814::SetStEntradasARecolher, &TReg8814::StEntradasARecolher, 97, 9},
        {&TReg8814::SetStSaidasJaRecolhida, &TReg8814::StSaidasJaRecolhida, 106, 9},
        {&TReg8814::SetStRetencaoFonte, &TReg8814::StRetencaoFonte, 115, 9},
    });
}

TEST(RegistrosGim, MoedasDe8815) {
    ConferirMoedas<TReg8815>({
        {&TReg8815::SetPresumidoOutrosRegimes, nullptr, 5, 13},
        {&TReg8815::SetPresumidoTare, nullptr, 18, 13},
        {&TReg8815::SetPresumidoRicms, nullptr, 31, 13},
        {&TReg8815::SetPresumidoFain, nullptr, 44, 13},
        {&TReg8815::SetChequeMoradia, &TReg8815::ChequeMoradia, 57, 13},
        {&TReg8815::SetChequeEducacao, &TReg8815::ChequeEducacao, 70, 13},
        {&TReg8815::SetGolDePlaca, nullptr, 83, 13},
        {&TReg8815::SetFundoCultura, nullptr, 96, 13},
    });
}

TEST(RegistrosGim, MoedasDe8816) {
    ConferirMoedas<TReg8816>({
        {&TReg8816::SetFuncepIcmsNormal, &TReg8816::FuncepIcmsNormal, 5, 13},
        {&TReg8816::SetFuncepStSaidasInternas, &TReg8816::FuncepStSaidasInternas, 18, 13},
        {&TReg8816::SetFuncepStEntradas, nullptr, 31, 13},
        {&TReg8816::SetFuncepStFonte, nullptr, 44, 13},
        {&TReg8816::SetFuncepDifAliquota, nullptr, 57, 13},
    });
}

TEST(RegistrosGim, MoedasDe8817) {
    ConferirMoedas<TReg8817>({
        {&TReg8817::SetBaseRecolhimentoApurada, nullptr, 5, 9},
        {&TReg8817::SetMediaMensalEntradas, nullptr, 14, 9},
        {&TReg8817::SetBaseRecolhimentoEfetiva, nullptr, 23, 9},
        {&TReg8817::SetImpostoDevido, &TReg8817::ImpostoDevido, 34, 9},
        {&TReg8817::SetCreditoTefEcf, nullptr, 43, 9},
        {&TReg8817::SetChequeMoradia, nullptr, 52, 9},
        {&TReg8817::SetChequeEducacao, nullptr, 61, 9},
        {&TReg8817::SetTotalCreditoOutorgado, &TReg8817::TotalCreditoOutorgado, 70, 9},
        {&TReg8817::SetImpostoARecolher, &TReg8817::ImpostoARecolher, 79, 9},
        {&TReg8817::SetStEntradasJaRecolhida, &TReg8817::StEntradasJaRecolhida, 88, 9},
        {&TReg8817::SetStEntradasARecolher, &TReg8817::StEntradasARecolher, 97, 9},
        {&TReg8817::SetStSaidasJaRecolhida, &TReg8817::StSaidasJaRecolhida, 106, 9},
        {&TReg8817::SetStRetencaoFonte, &TReg8817::StRetencaoFonte, 115, 9},
    });
}

TEST(RegistrosGim, MoedasDe8818) {
    ConferirMoedas<TReg8818>({
        {&TReg8818::SetDifAliquotaAtivoConsumo, &TReg8818::DifAliquotaAtivoConsumo, 21, 9},
        {&TReg8818::SetDifAliquotaComercializacao, &TReg8818::DifAliquotaComercializacao, 30, 9},
        {&TReg8818::SetImpostoAntecipado, &TReg8818::ImpostoAntecipado, 39, 9},
        {&TReg8818::SetSubstituicaoSaidas, &TReg8818::SubstituicaoSaidas, 48, 9},
        {&TReg8818::SetSubstituicaoEntradas, &TReg8818::SubstituicaoEntradas, 57, 9},
        {&TReg8818::SetIcmsRetidoFonte, &TReg8818::IcmsRetidoFonte, 66, 9},
        {&TReg8818::SetIcmsImportacao, &TReg8818::IcmsImportacao, 75, 9},
        {&TReg8818::SetFaturamento, &TReg8818::Faturamento, 85, 9},
        {&TReg8818::SetTotalEntradas, &TReg8818::TotalEntradas, 94, 9},
        {&TReg8818::SetFuncepSimplesNacional, &TReg8818::FuncepSimplesNacional, 106, 9},
        {&TReg8818::SetIcmsSimplesNacional, &TReg8818::IcmsSimplesNacional, 115, 9},
    });
}

// The header of 8801, 8802, 8804 and 8818, with one full line composed and read back.
TEST(RegistrosGim, CabecalhoDaDeclaracao) {
    const std::string linha = "8801161234569201705R" + std::string("0000000123456") + std::string(91, '0');
    TReg8801 registro;
    registro.SetLinha(linha);
    EXPECT_EQ(registro.InscricaoEstadual(), "161234569");
    EXPECT_EQ(registro.Periodo(), "201705");
    EXPECT_EQ(registro.TipoEntrega(), 'R');
    EXPECT_EQ(registro.CreditoEntradas(), Moeda::DeCentavos(123456));
    EXPECT_EQ(registro.GetLinha(), linha);

    TReg8801 composto;
    composto.SetInscricaoEstadual("161234569");
    composto.SetPeriodo("201705");
    composto.SetTipoEntrega('R');
    composto.SetCreditoEntradas(Moeda::DeCentavos(123456));
    EXPECT_EQ(composto.GetLinha(), linha);

    TReg8818 simples;
    simples.SetPeriodo("201801");
    simples.SetTipoEntrega('N');
    EXPECT_EQ(simples.GetLinha().substr(4, 16), "         201801N");
}

TEST(RegistrosGim, R8804DataFixaETextos) {
    TReg8804 registro;
    registro.SetInscricaoEstadual("161234569");
    registro.SetPeriodo("201705");
    registro.SetTipoEntrega('N');
    registro.SetTextoComplementar("  OBSERVACAO  ");
    registro.SetDataInformacao(year{2017} / 6 / 10);
    registro.SetCodigoComplementar("AB");
    registro.SetRegimeApuracao('7');
    const std::string esperada = "8804161234569201705N" + std::string(26, '0') + "OBSERVACAO" + std::string(30, ' ') +
                                 "20170610" + "AB  " + "7";
    EXPECT_EQ(registro.GetLinha(), esperada);

    // Whatever the date columns hold, a parse gives 23 July 2004.
    for (const std::string data : {"20170610", "99999999", "        "}) {
        TReg8804 lido;
        lido.SetLinha(esperada.substr(0, 86) + data + esperada.substr(94));
        EXPECT_EQ(lido.DataInformacao(), year{2004} / July / 23) << data;
        EXPECT_EQ(lido.TextoComplementar(), "OBSERVACAO");
        EXPECT_EQ(lido.CodigoComplementar(), "AB");
    }
}

TEST(RegistrosGim, R8804Regime) {
    const std::string base = "8804161234569201705N" + std::string(26, '0') + std::string(52, ' ');
    ASSERT_EQ(base.size(), 98u);
    struct Caso {
        std::string linha;
        char regime;
        bool epp;
    };
    const std::vector<Caso> casos{
        {base + "7", '7', true},
        {base + "1", '1', false},
        {base + "3", '3', false},
        {base + "7" + std::string(27, ' '), '7', true},
        {base, '\0', false},  // the line ends before the regime
    };
    for (const auto& caso : casos) {
        TReg8804 registro;
        registro.SetLinha(caso.linha);
        EXPECT_EQ(registro.RegimeApuracao(), caso.regime) << caso.linha.size();
        EXPECT_EQ(registro.RegimeEpp(), caso.epp);
        EXPECT_EQ(registro.RegimeNaoEpp(), !caso.epp);
    }

    TReg8804 registro;
    EXPECT_EQ(registro.RegimeApuracao(), '1');
    EXPECT_FALSE(registro.Presente());
    registro.SetLinha(base + "7");
    registro.Limpar();
    EXPECT_EQ(registro.RegimeApuracao(), '1');
    EXPECT_TRUE(registro.RegimeNaoEpp());
    EXPECT_EQ(registro.DifAliquotaARecolher(), Moeda());
}

TEST(RegistrosGim, R8805Normalizacoes) {
    const std::string linha = std::string("8805") + "123.456.789-09" + "zq-0123/45" + "  JOSÉ   DA  CONCEIÇÃO  " +
                              std::string(16, ' ') + "(61) 3333-44" + "  Contato@Escritório.COM.BR" +
                              std::string(13, ' ') + "     ";
    ASSERT_EQ(linha.size(), 125u);
    TReg8805 registro;
    registro.SetLinha(linha);
    EXPECT_EQ(registro.CpfCnpj(), "00012345678909");
    EXPECT_EQ(registro.Crc(), "ZQ012345");
    EXPECT_EQ(registro.Telefone(), "61333344");
    EXPECT_EQ(registro.Nome(), "JOSE DA CONCEICAO");
    EXPECT_EQ(registro.Email(), "contato@escritorio.com.br");

    registro.SetNome("JOSE DA CONCEICAO");  // recompose from the normalised values
    const std::string composta = registro.GetLinha();
    EXPECT_EQ(composta, "8805" "00012345678909" "ZQ012345  " + std::string("JOSE DA CONCEICAO") +
                             std::string(23, ' ') + "000061333344" + "contato@escritorio.com.br" +
                            std::string(15, ' '));
    TReg8805 relido;
    relido.SetLinha(composta);
    EXPECT_EQ(relido.Nome(), "JOSE DA CONCEICAO");
    EXPECT_EQ(relido.Telefone(), "000061333344");
}

TEST(RegistrosGim, R8806AnoETipo) {
    const std::string linha = "8806161234569" "2016" "r" + std::string(104, '0');
    TReg8806 registro;
    registro.SetLinha(linha);
    EXPECT_EQ(registro.InscricaoEstadual(), "161234569");
    EXPECT_EQ(registro.Ano(), "2016");
    EXPECT_EQ(registro.TipoEntrega(), 'R');

    TReg8806 composto;
    composto.SetInscricaoEstadual("161234569");
    composto.SetAno(2016);
    composto.SetTipoEntrega('r');
    EXPECT_EQ(composto.GetLinha(), "8806161234569" "2016" "R" + std::string(104, '0'));

    registro.Limpar();
    EXPECT_EQ(registro.Ano(), "");
    EXPECT_EQ(registro.TipoEntrega(), '\0');
    EXPECT_EQ(TReg8806().Ano(), "");
}

// The percentages and counts of the EPP records.
TEST(RegistrosGim, R8814E8817PercentuaisEContagens) {
    TReg8814 epp;
    epp.SetPercentualRecolhimento(2.5);
    epp.SetNumeroEmpregados(12);
    epp.SetPercentualCreditoEmpregados(3);
    epp.SetPercentualCreditoAquisicoes(4);
    epp.SetPercentualCreditoPresumido(5);
    const std::string linha = epp.GetLinha();
    EXPECT_EQ(linha.substr(31, 2), "25");
    EXPECT_EQ(linha.substr(42, 3), "012");
    EXPECT_EQ(linha.substr(45, 2), "03");
    EXPECT_EQ(linha.substr(65, 4), "0405");

    TReg8817 mp;
    mp.SetPercentualRecolhimento(3.5);
    EXPECT_EQ(mp.GetLinha().substr(31, 2), "35");
}

TEST(RegistrosGim, R8815CamposDeProgramasConformeOTamanho) {
    const std::string presumidos = "8815" + Digitos(101, 13) + Digitos(202, 13) + Digitos(303, 13) + Digitos(404, 13);
    ASSERT_EQ(presumidos.size(), 56u);
    const std::string programas = Digitos(505, 13) + Digitos(606, 13);
    const std::string outros = Digitos(707, 13) + Digitos(808, 13);
    struct Caso {
        std::string linha;
        std::int64_t moradia;
        std::int64_t educacao;
        std::int64_t total;
    };
    const std::vector<Caso> casos{
        {presumidos, 0, 0, 1010},
        {presumidos + std::string(70, ' '), 0, 0, 1010},
        {presumidos + "0", 0, 0, 1010},                     // trimmed 57: not beyond column 57
        {presumidos + "0" + std::string(68, ' '), 0, 0, 1010},
        {presumidos + programas, 505, 606, 2121},            // 82 columns
        {presumidos + programas + "0", 505, 606, 2121},      // trimmed 83: not beyond column 83
        {presumidos + programas + outros, 505, 606, 3636},
        {presumidos + programas + outros + std::string(18, ' '), 505, 606, 3636},
    };
    TReg8815 registro;
    for (const auto& caso : casos) {
        // The record last read every field: fields a line does not reach are cleared, not kept.
        registro.SetLinha(presumidos + programas + outros);
        registro.SetLinha(caso.linha);
        EXPECT_EQ(registro.ChequeMoradia(), Moeda::DeCentavos(caso.moradia)) << caso.linha.size();
        EXPECT_EQ(registro.ChequeEducacao(), Moeda::DeCentavos(caso.educacao)) << caso.linha.size();
        EXPECT_EQ(registro.TotalCreditos(), Moeda::DeCentavos(caso.total)) << caso.linha.size();
    }
}

// One character beyond a pair's first column reads the pair: a descriptor checks its text as a whole, so the
// two digits of the first field pass and the second field, with no columns at all, fails.
TEST(RegistrosGim, R8815ParIncompleto) {
    const std::string linha = "8815" + std::string(52, '0') + "12";
    TReg8815 registro;
    try {
        registro.SetLinha(linha);
        FAIL();
    } catch (const ERegSintegraInvalido& erro) {
        ASSERT_EQ(erro.Erros().size(), 1u);
        EXPECT_EQ(erro.Erros()[0].Campo->Descricao(), "Crédito Prog. Governo - Cheque Educação");
        EXPECT_EQ(erro.Erros()[0].Campo->Conteudo(), "");
        EXPECT_EQ(erro.Erros()[0].Campo->Erro(), "Formato inválido");
    }
    EXPECT_EQ(registro.ChequeMoradia(), Moeda::DeCentavos(12));
}

TEST(RegistrosGim, R8818CategoriaEPercentual) {
    const std::vector<std::pair<char, std::string>> categorias{
        {'1', "Matriz/Estab. Único"}, {'2', "Filial"}, {'3', "Matriz s/ movimento"}, {'4', ""}, {' ', ""}};
    for (const auto& [categoria, texto] : categorias) {
        TReg8818 registro;
        registro.SetCategoria(categoria);
        EXPECT_EQ(registro.CategoriaTexto(), texto) << categoria;
    }

    TReg8818 registro;
    registro.SetRegimeApuracao('3');
    registro.SetPercentualRecolhimento(1.25);
    registro.SetCategoria('2');
    const std::string linha = registro.GetLinha();
    EXPECT_EQ(linha[83], '3');
    EXPECT_EQ(linha.substr(102, 3), "125");
    EXPECT_EQ(linha[123], '2');
    TReg8818 lido;
    lido.SetLinha(linha);
    EXPECT_EQ(lido.RegimeApuracao(), '3');
    EXPECT_DOUBLE_EQ(lido.PercentualRecolhimento(), 1.25);
    EXPECT_EQ(lido.Categoria(), '2');
    EXPECT_EQ(lido.CategoriaTexto(), "Filial");
}

// The parts of an 8850 line, column by column.
struct Nota8850 {
    std::string documento = "11222333000181";
    std::string inscricao = "161234569     ";
    std::string data = "20170512";
    std::string uf = "ZQ";
    std::string modelo = "01";
    std::string serie = "a1 ";
    std::string numero = "000123";
    std::string cfop = "5102";
    std::string observacao = std::string(30, ' ');
    std::string informacao = std::string(15, ' ');

    std::string Linha() const {
        return "8850" + documento + inscricao + data + uf + modelo + serie + numero + cfop + observacao + informacao +
               std::string(24, ' ');
    }
};

TEST(RegistrosGim, R8850LeCompoe) {
    Nota8850 nota;
    nota.observacao = "OBS" + std::string(27, ' ');
    TReg8850 registro;
    registro.SetLinha(nota.Linha());
    EXPECT_EQ(registro.CnpjCpf(), "11222333000181");
    EXPECT_EQ(registro.InscricaoEstadual(), "161234569");
    EXPECT_EQ(registro.DataEmissao(), year{2017} / May / 12);
    EXPECT_EQ(registro.Uf(), "ZQ");
    EXPECT_EQ(registro.Modelo(), 1);
    EXPECT_EQ(registro.Serie(), "A1 ");
    EXPECT_EQ(registro.Numero(), 123);
    EXPECT_EQ(registro.Cfop().Codigo(), 5102);
    EXPECT_EQ(registro.Observacao(), nota.observacao);
    EXPECT_TRUE(registro.Valido());
    ASSERT_EQ(nota.Linha().size(), 126u);

    TReg8850 composto;
    composto.SetCnpjCpf("11.222.333/0001-81");
    composto.SetUf("zq");
    composto.SetInscricaoEstadual("161234569");
    composto.SetDataEmissao(year{2017} / May / 12);
    composto.SetModelo(1);
    composto.SetSerie("a1");
    composto.SetNumero(123);
    composto.SetCfop(5102);
    composto.SetObservacao("OBS");
    Nota8850 esperada = nota;
    esperada.serie = "A1 ";
    EXPECT_EQ(composto.GetLinha(), esperada.Linha());
    EXPECT_TRUE(composto.Valido());
}

TEST(RegistrosGim, R8850DocumentoEInscricao) {
    struct Caso {
        std::string nome;
        Nota8850 nota;
        std::string inscricao;
        std::vector<std::string> erros;
    };
    auto com = [](auto alterar) {
        Nota8850 nota;
        alterar(nota);
        return nota;
    };
    const std::vector<Caso> casos{
        {"CNPJ e inscrição válidos", Nota8850(), "161234569", {}},
        {"CPF em 14 colunas", com([](Nota8850& n) { n.documento = "00012345678909"; }), "161234569", {}},
        {"CNPJ e CPF inválidos", com([](Nota8850& n) { n.documento = "11222333000182"; }), "161234569",
         {"REJEIÇÃO (REG.8850): CNPJ/CPF 11222333000182 com o dígito verificador incorreto"}},
        {"inscrição em branco", com([](Nota8850& n) { n.inscricao = std::string(14, ' '); }), "ISENTO", {}},
        {"inscrição de outro estado", com([](Nota8850& n) { n.inscricao = "161234560     "; n.uf = "sp"; }),
         "161234560", {}},
        {"dígito da inscrição", com([](Nota8850& n) { n.inscricao = "161234560     "; }), "161234560",
         {"REJEIÇÃO (REG.8850):Inscrição estadual 161234560      com o dígito verificador incorreto"}},
        {"inscrição com letras", com([](Nota8850& n) { n.inscricao = "16.123.456-X  "; }), "16123456X",
         {"REJEIÇÃO (REG.8850):Inscrição estadual da corvena '16.123.456-X  ' não é válida"}},
        {"isento escrito", com([](Nota8850& n) { n.inscricao = "isento        "; }), "ISENTO", {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TReg8850 registro;
        std::vector<std::string> erros;
        try {
            registro.SetLinha(caso.nota.Linha());
        } catch (const ERegSintegraInvalido& erro) {
            EXPECT_EQ(erro.what(), std::string("8850"));
            for (const auto& entrada : erro.Erros()) {
                EXPECT_EQ(entrada.Campo, nullptr);
                erros.push_back(entrada.Texto);
            }
        }
        EXPECT_EQ(erros, caso.erros);
        EXPECT_EQ(registro.InscricaoEstadual(), caso.inscricao);
    }
}

// The checks come in reading order (document, registration), before the descriptors that follow them.
TEST(RegistrosGim, R8850OrdemDosErros) {
    Nota8850 nota;
    nota.documento = "00000000000000";
    nota.inscricao = "161234560     ";
    nota.data = "20171301";
    TReg8850 registro;
    try {
        registro.SetLinha(nota.Linha());
        FAIL();
    } catch (const ERegSintegraInvalido& erro) {
        ASSERT_EQ(erro.Erros().size(), 3u);
        EXPECT_EQ(erro.Erros()[0].Texto,
                  "REJEIÇÃO (REG.8850): CNPJ/CPF 00000000000000 com o dígito verificador incorreto");
        EXPECT_EQ(erro.Erros()[1].Texto,
                  "REJEIÇÃO (REG.8850):Inscrição estadual 161234560      com o dígito verificador incorreto");
        EXPECT_EQ(erro.Erros()[2].Texto, "8850");
        EXPECT_EQ(erro.Erros()[2].Campo->Descricao(), "Data de emissão da nota fiscal");
    }
    // A good line afterwards is valid again.
    registro.SetLinha(Nota8850().Linha());
    EXPECT_TRUE(registro.Valido());
}

}  // namespace
}  // namespace zq
