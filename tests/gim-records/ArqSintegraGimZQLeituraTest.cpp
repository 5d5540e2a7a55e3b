#include "gim-records/ArqSintegraGimZQLeitura.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gim-records/LinhasGim.h"
#include "platform/Plataforma.h"
#include "support/PastaTeste.h"
#include "support/Sintegra.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

const std::string kRegistro11 = Linha126(
    "11RUA DAS FLORES                    00042SALA 3                CENTRO         69900000FULANO DE TAL"
    "               006133334444");

std::string Contagem(const std::string& tipo, std::size_t quantidade) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%s%08zu", tipo.c_str(), quantidade);
    return texto;
}

// A declaration file: record 10, record 11, `notas` records 50, the type-88 lines, and one record 90 that
// counts them.
struct Declaracao {
    Registro10 registro10;
    std::size_t notas = 3;
    std::vector<std::string> linhas88;
    bool comRegistro90 = true;
    bool contar88 = true;

    std::string Bytes() const {
        std::vector<std::string> linhas{registro10.Linha(), kRegistro11};
        for (std::size_t i = 0; i < notas; ++i) linhas.push_back(Linha126("5012345678000195161234569     20170510"));
        for (const auto& linha : linhas88) linhas.push_back(linha);
        if (comRegistro90) {
            std::string pares = Contagem("50", notas);
            if (contar88 && !linhas88.empty()) pares += Contagem("88", linhas88.size());
            pares += Contagem("99", linhas.size() + 1);
            std::string linha90 = "9012345678000195161234569     " + pares;
            linha90.resize(125, ' ');
            linhas.push_back(linha90 + "1");
        }
        return Arquivo(linhas);
    }
};

std::vector<std::string> Notas8850(std::size_t quantidade) { return std::vector<std::string>(quantidade, Linha8850()); }

class LeituraGim : public testing::Test {
protected:
    std::string Gravar(const Declaracao& declaracao, const std::string& nome = "declaracao.txt") {
        const fs::path arquivo = pasta_ / nome;
        GravarArquivo(arquivo, declaracao.Bytes());
        return CaminhoCp1252(arquivo);
    }

    PastaTeste pasta_;
    TArqSintegraGimZQLeitura leitor_;
};

TEST_F(LeituraGim, GimNormalNoFinalDoArquivo) {
    Declaracao declaracao;
    declaracao.linhas88 = {Linha8801("201705", 'R', Moeda::DeReais(150)), Linha8802(), Linha8804('1'), Linha8805()};
    const std::string arquivo = Gravar(declaracao);

    leitor_.Abrir(arquivo, true);
    const TRegs88& regs = leitor_.Registros88();
    EXPECT_EQ(regs.QuantidadeLinhas(), 4);
    EXPECT_TRUE(regs.GimPresente());
    EXPECT_FALSE(regs.DadosAnuaisPresente());
    EXPECT_EQ(regs.Periodo(), "201705");
    EXPECT_EQ(regs.TipoEntrega(), 'R');
    EXPECT_EQ(regs.CodigoRegimeApuracao(), 1);
    EXPECT_EQ(regs.InscricaoEstadual(), "161234569");
    EXPECT_EQ(regs.Registro8801().CreditoEntradas(), Moeda::DeReais(150));
    EXPECT_TRUE(regs.Registro8805().Presente());
    EXPECT_EQ(leitor_.Registro90().Total("88"), 4);

    // Open for line reading, from the first line.
    ASSERT_TRUE(leitor_.Aberto());
    EXPECT_EQ(leitor_.ProximoRegistro().NumeroTipo, 10);
    EXPECT_EQ(leitor_.ProximoRegistro().NumeroTipo, 11);
}

// The block is found in the last bytes by its 8801 alone: record 90 need not count it.
TEST_F(LeituraGim, BlocoDoFinalSemContagem) {
    Declaracao declaracao;
    declaracao.linhas88 = {Linha8801(), Linha8802(), Linha8804('1'), Linha8805()};
    declaracao.contar88 = false;
    leitor_.Abrir(Gravar(declaracao), true);
    EXPECT_EQ(leitor_.Registros88().QuantidadeLinhas(), 4);
    EXPECT_TRUE(leitor_.Registros88().Registro8805().Presente());

    // Without the count, a block that does not begin with 8801 is not found.
    declaracao.linhas88 = {Linha8804('3'), Linha8805(), Linha8818()};
    leitor_.Abrir(Gravar(declaracao), false);
    EXPECT_EQ(leitor_.Registros88().QuantidadeLinhas(), 0);
}

// An 8801 farther from the end than 1536 bytes is found through the type-88 count of record 90.
TEST_F(LeituraGim, BlocoLongoPelaContagemDoRegistro90) {
    Declaracao declaracao;
    declaracao.linhas88 = {Linha8801(), Linha8802(), Linha8804('1'), Linha8805(), Linha8815(), Linha8816()};
    for (const auto& nota : Notas8850(15)) declaracao.linhas88.push_back(nota);
    leitor_.Abrir(Gravar(declaracao), true);
    const TRegs88& regs = leitor_.Registros88();
    EXPECT_EQ(regs.QuantidadeLinhas(), 21);
    EXPECT_TRUE(regs.Registro8801().Presente());
    EXPECT_TRUE(regs.Registro8850().Presente());
    EXPECT_EQ(regs.Periodo(), "201705");
}

TEST_F(LeituraGim, SimplesNacionalPelaContagem) {
    Declaracao declaracao;
    declaracao.registro10.periodo = "201801";
    declaracao.linhas88 = {Linha8804('3'), Linha8805(), Linha8818("201801", 'R')};
    leitor_.Abrir(Gravar(declaracao), true);
    const TRegs88& regs = leitor_.Registros88();
    EXPECT_EQ(regs.QuantidadeLinhas(), 3);
    EXPECT_TRUE(regs.SimplesNacional());
    EXPECT_EQ(regs.Periodo(), "201801");
    EXPECT_EQ(regs.TipoEntrega(), 'R');
    EXPECT_EQ(regs.CodigoRegimeApuracao(), 3);
}

TEST_F(LeituraGim, EppTomaPeriodoETipoDoRegistro10) {
    Declaracao declaracao;
    declaracao.registro10.periodo = "201603";
    declaracao.registro10.finalidade = '2';
    declaracao.linhas88 = {Linha8804('7'), Linha8805(), Linha8814()};
    leitor_.Abrir(Gravar(declaracao), true);
    const TRegs88& regs = leitor_.Registros88();
    EXPECT_EQ(regs.Periodo(), "201603");
    EXPECT_EQ(regs.TipoEntrega(), 'R');
    EXPECT_EQ(regs.CodigoRegimeApuracao(), 7);
}

TEST_F(LeituraGim, SomenteDadosAnuais) {
    Declaracao declaracao;
    declaracao.linhas88 = {Linha8805(), Linha8806(2016, 'N')};
    leitor_.Abrir(Gravar(declaracao), true);
    const TRegs88& regs = leitor_.Registros88();
    EXPECT_TRUE(regs.SomenteDadosAnuais());
    EXPECT_FALSE(regs.GimPresente());
    EXPECT_EQ(regs.AnoDadosAnuais(), "2016");
    EXPECT_EQ(regs.TipoDadosAnuais(), 'N');
    EXPECT_EQ(regs.CodigoRegimeApuracao(), 0);
    EXPECT_EQ(regs.Periodo(), "");
}

TEST_F(LeituraGim, SemDeclaracao) {
    const std::string arquivo = Gravar(Declaracao());
    try {
        leitor_.Abrir(arquivo, true);
        FAIL();
    } catch (const Excecao& erro) {
        EXPECT_EQ(std::string(erro.what()),
                  "Arquivo '" + arquivo + "' não contém declaração de GIM nem de Dados Anuais.");
    }
    EXPECT_FALSE(leitor_.Aberto());

    leitor_.Abrir(arquivo, false);
    EXPECT_TRUE(leitor_.Aberto());
    EXPECT_FALSE(leitor_.Registros88().GimPresente());
    EXPECT_EQ(leitor_.Registros88().QuantidadeLinhas(), 0);
}

TEST_F(LeituraGim, LinhasInvalidasLevantamOsErrosDo88) {
    Declaracao declaracao;
    std::string ruim = Linha8801();
    ruim.replace(20, 13, "0000000001X00");
    declaracao.linhas88 = {ruim, Linha8802(), Linha8804('1')};
    try {
        leitor_.Abrir(Gravar(declaracao), true);
        FAIL();
    } catch (const ERegSintegraInvalido& erro) {
        EXPECT_STREQ(erro.what(), "88");
        ASSERT_EQ(erro.Erros().size(), 1u);
        EXPECT_EQ(erro.Erros()[0].Campo->Descricao(), "Crédito por Entradas");
    }
    EXPECT_FALSE(leitor_.Aberto());
    EXPECT_EQ(leitor_.Registros88().Erros().size(), 1u);
}

TEST_F(LeituraGim, ErrosDoCabecalhoEDoFinal) {
    Declaracao semRegistro90;
    semRegistro90.linhas88 = {Linha8801()};
    semRegistro90.comRegistro90 = false;
    const std::string arquivo = Gravar(semRegistro90);
    try {
        leitor_.Abrir(arquivo, true);
        FAIL();
    } catch (const Excecao& erro) {
        EXPECT_EQ(std::string(erro.what()), "Arquivo Sintegra sem registro Tipo 90: '" + arquivo + "'");
    }
    EXPECT_FALSE(leitor_.Aberto());

    const fs::path semRegistro10 = pasta_ / "sem10.txt";
    GravarArquivo(semRegistro10, Arquivo({kRegistro11, Linha8801()}));
    try {
        leitor_.Abrir(CaminhoCp1252(semRegistro10), true);
        FAIL();
    } catch (const Excecao& erro) {
        EXPECT_STREQ(erro.what(), "Registro 10 não encontrado!");
    }
    EXPECT_THROW(leitor_.Abrir(CaminhoCp1252(pasta_ / "inexistente.txt"), true), Excecao);
}

// Each opening starts from cleared records: a file without type-88 lines keeps nothing of the one before.
TEST_F(LeituraGim, ReabrirComecaDoZero) {
    Declaracao gim;
    gim.linhas88 = {Linha8801(), Linha8802(), Linha8804('7'), Linha8805()};
    leitor_.Abrir(Gravar(gim, "gim.txt"), true);
    EXPECT_TRUE(leitor_.Registros88().RegimeEpp());

    Declaracao vazia;
    vazia.registro10.periodo = "201612";
    leitor_.Abrir(Gravar(vazia, "vazia.txt"), false);
    EXPECT_FALSE(leitor_.Registros88().GimPresente());
    EXPECT_FALSE(leitor_.Registros88().RegimeEpp());
    EXPECT_EQ(leitor_.Registros88().QuantidadeLinhas(), 0);
    EXPECT_EQ(leitor_.Registro10().PeriodoReferencia(), "2016-12");
}

// The base's opening reads only records 10, 11 and 90; through the reader it also reads the declaration.
TEST_F(LeituraGim, AberturaDaBaseTambemLeADeclaracao) {
    Declaracao declaracao;
    declaracao.linhas88 = {Linha8801(), Linha8804('1')};
    TArqSintegraLeitura& base = leitor_;
    base.Abrir(Gravar(declaracao));
    EXPECT_TRUE(leitor_.Registros88().GimPresente());
}

}  // namespace
}  // namespace zq
