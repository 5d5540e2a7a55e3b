#include <gtest/gtest.h>

#include "record-model/campos/Conversoes.h"
#include "record-model/registros/Reg50.h"
#include "record-model/registros/Reg53.h"

namespace zq {
namespace {

using namespace std::chrono;

// Columns 3-56 shared by records 50 and 53, in the current layout.
struct Documento {
    std::string cnpj = "11222333000181";
    std::string inscricao = "16.123.456-9  ";
    std::string data = "20170512";
    std::string uf = "sp";
    std::string modelo = "55";
    std::string serie = "1a ";
    std::string numero = "004321";
    std::string cfop = "5102";
    std::string emitente = "p";

    std::string Colunas3a56() const { return cnpj + inscricao + data + uf + modelo + serie + numero + cfop + emitente; }
};

struct Linha50 {
    Documento doc;
    std::string valorTotal = "0000000123456";
    std::string base = "0000000100000";
    std::string icms = "0000000017000";
    std::string isentas = "0000000023456";
    std::string outras = "0000000000000";
    std::string aliquota = "1700";
    std::string situacao = "n";

    std::string Linha() const {
        std::string linha =
            "50" + doc.Colunas3a56() + valorTotal + base + icms + isentas + outras + aliquota + situacao;
        EXPECT_EQ(linha.size(), 126u);
        return linha;
    }
};

struct Linha53 {
    Documento doc;
    std::string baseSt = "0000000050000";
    std::string icmsRetido = "0000000001000";
    std::string despesas = "0000000000250";
    std::string situacao = "e";
    std::string antecipacao = "5";

    std::string Linha() const {
        std::string linha = "53" + doc.Colunas3a56() + baseSt + icmsRetido + despesas + situacao + antecipacao;
        linha.resize(126, ' ');
        return linha;
    }
};

TEST(Reg50, LeOLeiauteAtual) {
    TReg50 reg;
    reg.SetLinha(Linha50().Linha());
    EXPECT_EQ(reg.Cnpj(), "11222333000181");
    EXPECT_EQ(reg.InscricaoEstadual(), "161234569");
    EXPECT_EQ(reg.DataEmissao(), year{2017} / May / 12);
    EXPECT_EQ(reg.Uf(), "SP");
    EXPECT_EQ(reg.Modelo(), "55");
    EXPECT_EQ(reg.Serie(), "1A ");
    EXPECT_EQ(reg.Subserie(), "");
    EXPECT_EQ(reg.Numero(), 4321);
    EXPECT_EQ(reg.NumeroTexto(), "004321");
    EXPECT_EQ(reg.Cfop().Codigo(), 5102);
    EXPECT_EQ(reg.Emitente(), 'P');
    EXPECT_EQ(reg.ValorTotal(), Moeda::DeCentavos(123456));
    EXPECT_EQ(reg.BaseCalculo(), Moeda::DeCentavos(100000));
    EXPECT_EQ(reg.ValorIcms(), Moeda::DeCentavos(17000));
    EXPECT_EQ(reg.Isentas(), Moeda::DeCentavos(23456));
    EXPECT_EQ(reg.Outras(), Moeda());
    EXPECT_DOUBLE_EQ(reg.Aliquota(), 17.0);
    EXPECT_EQ(reg.Situacao(), 'N');
    EXPECT_FALSE(reg.IsCancelada());
    EXPECT_FALSE(reg.Alterado());
}

// The same columns 43-56 read in each layout.
struct CasoLeiaute {
    bool antigo;
    const char* colunas43a56;
    const char* serie;
    const char* subserie;
    std::int32_t numero;
    std::int32_t cfop;
    char emitente;
};

class Reg50Leiautes : public testing::TestWithParam<CasoLeiaute> {};

TEST_P(Reg50Leiautes, Colunas43a56) {
    const CasoLeiaute& caso = GetParam();
    Linha50 partes;
    const std::string colunas = caso.colunas43a56;
    partes.doc.serie = colunas.substr(0, 3);
    partes.doc.numero = colunas.substr(3, 6);
    partes.doc.cfop = colunas.substr(9, 4);
    partes.doc.emitente = colunas.substr(13, 1);
    TReg50 reg;
    reg.SetLeiauteAntigo(caso.antigo);
    reg.SetLinha(partes.Linha());
    EXPECT_EQ(reg.LeiauteAntigo(), caso.antigo);
    EXPECT_EQ(reg.Serie(), caso.serie);
    EXPECT_EQ(reg.Subserie(), caso.subserie);
    EXPECT_EQ(reg.Numero(), caso.numero);
    EXPECT_EQ(reg.Cfop().Codigo(), caso.cfop);
    EXPECT_EQ(reg.Emitente(), caso.emitente);
    // The columns after the CFOP do not move.
    EXPECT_EQ(reg.ValorTotal(), Moeda::DeCentavos(123456));
    EXPECT_EQ(reg.Situacao(), 'N');
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Reg50Leiautes,
    testing::Values(CasoLeiaute{false, "U  0000125102P", "U  ", "", 12, 5102, 'P'},
                    // The current line read as the earlier layout: the CFOP columns hold "02P".
                    CasoLeiaute{true, "U  0000125102P", "U  ", "00", 1251, 0, '\0'},
                    CasoLeiaute{true, "1  ab000123512", "1  ", "AB", 123, 512, '\0'},
                    CasoLeiaute{true, "1  01000123 61", "1  ", "01", 123, 61, '\0'}));

TEST(Reg50, InscricaoEmBrancoEIsento) {
    Linha50 partes;
    partes.doc.inscricao = std::string(14, ' ');
    TReg50 reg;
    reg.SetLinha(partes.Linha());
    EXPECT_EQ(reg.InscricaoEstadual(), "ISENTO");
}

TEST(Reg50, CampoRuimParaALeitura) {
    Linha50 partes;
    partes.base = "00000001000 0";
    TReg50 reg;
    try {
        reg.SetLinha(partes.Linha());
        FAIL();
    } catch (const EFormatoInvalido& erro) {
        EXPECT_STREQ(erro.what(), "Formato inválido");
    }
    partes = Linha50();
    partes.doc.data = "20170230";
    EXPECT_THROW(reg.SetLinha(partes.Linha()), EFormatoInvalido);
    partes = Linha50();
    partes.aliquota = "17,0";
    EXPECT_THROW(reg.SetLinha(partes.Linha()), EFormatoInvalido);
    // A number of the current layout: six digits, nothing else.
    partes = Linha50();
    partes.doc.numero = "  4321";
    EXPECT_THROW(reg.SetLinha(partes.Linha()), EFormatoInvalido);
}

TEST(Reg50, ComposicaoNosDoisLeiautes) {
    TReg50 reg;
    Linha50 partes;
    reg.SetLinha(partes.Linha());
    EXPECT_EQ(reg.GetLinha(), partes.Linha());

    reg.SetValorIcms(Moeda::DeCentavos(17001));
    Linha50 esperado = partes;
    esperado.doc.inscricao = "161234569     ";
    esperado.doc.uf = "SP";
    esperado.doc.serie = "1A ";
    esperado.doc.emitente = "P";
    esperado.icms = "0000000017001";
    esperado.situacao = "N";
    EXPECT_EQ(reg.GetLinha(), esperado.Linha());

    reg.SetLeiauteAntigo(true);
    reg.SetSubserie("u");
    reg.SetCfop(512);
    const std::string antiga = reg.GetLinha();
    EXPECT_EQ(antiga.substr(42, 14), "1A U 004321512");
    EXPECT_EQ(antiga.substr(56), esperado.Linha().substr(56));
    reg.SetLinha(antiga);
    EXPECT_EQ(reg.Numero(), 4321);
    EXPECT_EQ(reg.Subserie(), "U ");
    EXPECT_EQ(reg.Cfop().Codigo(), 512);
}

TEST(Reg50, RegistroLimpoMontaZeros) {
    TReg50 reg;
    reg.SetLinha(Linha50().Linha());
    reg.Limpar();
    EXPECT_EQ(reg.Emitente(), '\0');
    EXPECT_EQ(reg.Situacao(), '\0');
    EXPECT_EQ(reg.DataEmissao(), std::nullopt);
    EXPECT_EQ(reg.Cfop().Codigo(), 0);
    EXPECT_EQ(reg.ValorTotal(), Moeda());
    reg.SetSituacao('s');
    EXPECT_EQ(reg.Situacao(), 'S');
    const std::string linha = reg.GetLinha();
    EXPECT_EQ(linha.substr(0, 30), "50" + std::string(28, ' '));
    EXPECT_EQ(linha.substr(30, 8), "00000000");
    EXPECT_EQ(linha.substr(45, 11), "0000000    ");
    EXPECT_EQ(linha.substr(56), std::string(65, '0') + "0000S");
}

TEST(Reg53, LeOsDoisLeiautes) {
    TReg53 reg;
    Linha53 partes;
    reg.SetLinha(partes.Linha());
    EXPECT_EQ(reg.Cnpj(), "11222333000181");
    EXPECT_EQ(reg.Uf(), "SP");
    EXPECT_EQ(reg.Numero(), 4321);
    EXPECT_EQ(reg.Cfop().Codigo(), 5102);
    EXPECT_EQ(reg.Emitente(), 'P');
    EXPECT_EQ(reg.BaseCalculoSt(), Moeda::DeCentavos(50000));
    EXPECT_EQ(reg.IcmsRetido(), Moeda::DeCentavos(1000));
    EXPECT_EQ(reg.DespesasAcessorias(), Moeda::DeCentavos(250));
    EXPECT_EQ(reg.Situacao(), 'E');
    EXPECT_EQ(reg.CodigoAntecipacao(), "5");

    partes.doc.serie = "1  ";
    partes.doc.numero = "01" + std::string("0043");
    partes.doc.cfop = "21" + std::string("54");
    partes.doc.emitente = "3";
    partes.antecipacao = " ";
    reg.SetLeiauteAntigo(true);
    reg.SetLinha(partes.Linha());
    EXPECT_EQ(reg.Subserie(), "01");
    EXPECT_EQ(reg.Numero(), 4321);
    EXPECT_EQ(reg.Cfop().Codigo(), 543);
    EXPECT_EQ(reg.Emitente(), '\0');
    EXPECT_EQ(reg.IcmsRetido(), Moeda::DeCentavos(1000));
    EXPECT_EQ(reg.CodigoAntecipacao(), " ");
}

TEST(Reg53, ComposicaoGuardaOCodigoDeAntecipacao) {
    TReg53 reg;
    Linha53 partes;
    reg.SetLinha(partes.Linha());
    reg.SetIcmsRetido(Moeda::DeCentavos(2000));
    const std::string linha = reg.GetLinha();
    EXPECT_EQ(linha.size(), 126u);
    EXPECT_EQ(linha.substr(69, 13), "0000000002000");
    EXPECT_EQ(linha.substr(95, 2), "E5");
    EXPECT_EQ(linha.substr(97), std::string(29, ' '));
    reg.SetLinha(linha);
    EXPECT_EQ(reg.CodigoAntecipacao(), "5");
}

TEST(IsCancelada, CodigosDeSituacao) {
    const std::vector<std::pair<char, bool>> casos{{'S', true}, {'X', true}, {'2', true}, {'4', true},
                                                   {'s', true}, {'x', true}, {'N', false}, {'E', false},
                                                   {'3', false}, {' ', false}};
    for (const auto& [situacao, cancelada] : casos) {
        Linha50 l50;
        l50.situacao = std::string(1, situacao);
        TReg50 reg50;
        reg50.SetLinha(l50.Linha());
        EXPECT_EQ(reg50.IsCancelada(), cancelada) << "50 " << situacao;
        Linha53 l53;
        l53.situacao = std::string(1, situacao);
        TReg53 reg53;
        reg53.SetLinha(l53.Linha());
        EXPECT_EQ(reg53.IsCancelada(), cancelada) << "53 " << situacao;
    }
}

}  // namespace
}  // namespace zq
