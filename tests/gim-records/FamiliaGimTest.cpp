// What every class of the GIM record family declares: prefix, minimum length, and its descriptors with their
// labels and columns, in reading order.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
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

struct Descritor {
    std::string rotulo;
    int posicao;
    int tamanho;
};

struct Classe {
    std::function<std::unique_ptr<TRegSintegra>()> criar;
    std::string tipo;
    int tamanhoMinimo;
    std::vector<Descritor> descritores;
    // Columns a line needs besides the descriptors to read without other messages.
    std::vector<std::pair<int, std::string>> fixos = {};
};

template <class R>
std::function<std::unique_ptr<TRegSintegra>()> Criar() {
    return [] { return std::make_unique<R>(); };
}

std::vector<Descritor> Monetarios13(int posicao, const std::vector<std::string>& rotulos) {
    std::vector<Descritor> descritores;
    for (const auto& rotulo : rotulos) {
        descritores.push_back({rotulo, posicao, 13});
        posicao += 13;
    }
    return descritores;
}

const std::vector<Classe>& Classes() {
    static const std::vector<Classe> classes{
        {Criar<TReg8801>(), "8801", 124,
         Monetarios13(21, {"Crédito por Entradas", "Crédito Ativo Imobilizado", "Crédito por Transferência",
                           "ICMS Antecipado já Recolhido", "ICMS Antecipado a Recolher", "Outros Créditos",
                           "Estorno de Débitos", "Saldo Anterior"})},
        {Criar<TReg8802>(), "8802", 124,
         Monetarios13(21, {"Débito por Saídas", "Débito por Transferência", "Outros Débitos", "Estorno de Créditos",
                           "ST Entradas já Recolhida", "ST Entradas a Recolher", "ST Saídas já Recolhida",
                           "ST Retenção Fonte"})},
        {Criar<TReg8804>(), "8804", 98, Monetarios13(21, {"Dif. Alíquota a Recolher", "Imposto Retido Outras UF"})},
        {Criar<TReg8805>(), "8805", 116, {}},
        {Criar<TReg8806>(), "8806", 122,
         [] {
             std::vector<Descritor> d{{"Ano Dados Anuais", 14, 4}};
             for (auto& m : Monetarios13(19, {"Estoque Tributável", "Estoque Não Tributável",
                                              "Estoque Subst. Tributária", "Saldo em Caixa", "Saldo em Bancos",
                                              "Despesas com Pessoal", "Despesas Outros Impostos", "Despesas Gerais"}))
                 d.push_back(m);
             return d;
         }()},
        {Criar<TReg8814>(), "8814", 123,
         {{"Base Recol. Apurada", 5, 9},         {"Média Mensal de Entradas", 14, 9},
          {"Base Recol. Efetiva", 23, 9},         {"Percentual Recolhimento", 32, 2},
          {"Imposto Devido", 34, 9},              {"Número de Empregados", 43, 3},
          {"Percent. Créd. Empregados", 46, 2},   {"Total de Aquisições", 48, 9},
          {"Aquisições Internas", 57, 9},         {"Percent. Créd. Aquisições", 66, 2},
          {"Percent. Créd. Presumido", 68, 2},    {"Valor Créd. Presumido", 70, 9},
          {"Imposto a Recolher", 79, 9},          {"ST Entradas já Recolhida", 88, 9},
          {"ST Entradas a Recolher", 97, 9},      {"ST Saídas já Recolhida", 106, 9},
          {"ST Retenção Fonte", 115, 9}}},
        {Criar<TReg8815>(), "8815", 56,
         Monetarios13(5, {"Crédito Presumido - Outros Regimes Especiais", "Crédito Presumido - Termo de Acordo (TARE)",
                          "Crédito Presumido - Previsão no RICMS", "Crédito Presumido - FAIN",
                          "Crédito Prog. Governo - Cheque Moradia", "Crédito Prog. Governo - Cheque Educação",
                          "Crédito Programa Gol de Placa", "Crédito Fundo de Incentivo à Cultura"})},
        {Criar<TReg8816>(), "8816", 69,
         Monetarios13(5, {"FUNCEP-ZQ - ICMS Normal", "FUNCEP-ZQ - ICMS ST Saidas Internas",
                          "FUNCEP-ZQ - ICMS ST Entradas", "FUNCEP-ZQ - ICMS ST Fonte",
                          "FUNCEP-ZQ - ICMS Dif. Alíquota"})},
        {Criar<TReg8817>(), "8817", 123,
         {{"Base Recol. Apurada", 5, 9},       {"Média Mensal de Entradas", 14, 9},
          {"Base Recol. Efetiva", 23, 9},       {"Percentual Recolhimento", 32, 2},
          {"Imposto Devido", 34, 9},            {"Crédito TEF/ECF", 43, 9},
          {"Cheque Moradia", 52, 9},            {"Cheque Educação", 61, 9},
          {"Total Crédito Outorgado", 70, 9},   {"Imposto a Recolher", 79, 9},
          {"ST Entradas já Recolhida", 88, 9},  {"ST Entradas a Recolher", 97, 9},
          {"ST Saídas já Recolhida", 106, 9},   {"ST Retenção Fonte", 115, 9}}},
        {Criar<TReg8818>(), "8818", 124,
         {{"Dif. Alíq. Ativo Fixo ou Consumo", 21, 9},
          {"Dif. Alíq. Comercialização ou Industrialização", 30, 9},
          {"Imposto Antecipado", 39, 9},
          {"Substituição por Saídas", 48, 9},
          {"Substituição por Entradas", 57, 9},
          {"ICMS Retido Fonte", 66, 9},
          {"ICMS Importação", 75, 9},
          {"Raturamento", 85, 9},
          {"Total de Entradas", 94, 9},
          {"Percentual Recolhimento", 103, 3},
          {"FUNCEP Simples Nacional", 106, 9},
          {"ICMS Simples Nacional", 115, 9}}},
        {Criar<TReg8850>(), "8850", 126,
         {{"Data de emissão da nota fiscal", 33, 8},
          {"Modelo da nota fiscal", 43, 2},
          {"Número da nota fiscal", 48, 6}},
         {{5, "11222333000181"}}},
    };
    return classes;
}

std::string Escrever(std::string linha, int posicao, const std::string& texto) {
    linha.replace(static_cast<std::size_t>(posicao - 1), texto.size(), texto);
    return linha;
}

// A 126-column line of the class with letters in every descriptor: each one fails, in reading order.
std::string LinhaComDescritoresRuins(const Classe& classe) {
    std::string linha = classe.tipo + std::string(122, ' ');
    for (const auto& [posicao, texto] : classe.fixos) linha = Escrever(linha, posicao, texto);
    for (const auto& d : classe.descritores) linha = Escrever(linha, d.posicao, std::string(d.tamanho, 'X'));
    return linha;
}

TEST(FamiliaGim, PrefixoTamanhoMinimoERotulosDosDescritores) {
    for (const Classe& classe : Classes()) {
        SCOPED_TRACE(classe.tipo);
        const auto registro = classe.criar();
        EXPECT_EQ(registro->Tipo(), classe.tipo);
        EXPECT_EQ(registro->NumeroTipo(), 88);
        EXPECT_EQ(registro->TamanhoMinimo(), classe.tamanhoMinimo);
        EXPECT_FALSE(registro->Presente());
        EXPECT_EQ(registro->GetLinha(), "");

        const std::string linha = LinhaComDescritoresRuins(classe);
        if (classe.descritores.empty()) {
            EXPECT_NO_THROW(registro->SetLinha(linha));
            continue;
        }
        try {
            registro->SetLinha(linha);
            ADD_FAILURE() << "no field error";
        } catch (const ERegSintegraInvalido& erro) {
            EXPECT_EQ(erro.what(), classe.tipo);
            ASSERT_EQ(erro.Erros().size(), classe.descritores.size());
            for (std::size_t i = 0; i < classe.descritores.size(); ++i) {
                const auto& esperado = classe.descritores[i];
                const ErroRegistro& entrada = erro.Erros()[i];
                EXPECT_EQ(entrada.Texto, classe.tipo);
                ASSERT_NE(entrada.Campo, nullptr);
                EXPECT_EQ(entrada.Campo->Descricao(), esperado.rotulo);
                EXPECT_EQ(entrada.Campo->Posicao(), esperado.posicao) << esperado.rotulo;
                EXPECT_EQ(entrada.Campo->Tamanho(), esperado.tamanho) << esperado.rotulo;
                EXPECT_EQ(entrada.Campo->Conteudo(), std::string(esperado.tamanho, 'X'));
                EXPECT_FALSE(entrada.Campo->Erro().empty());
            }
        }
        EXPECT_TRUE(registro->Presente());
        EXPECT_EQ(registro->Linha(), linha);
    }
}

TEST(FamiliaGim, LinhaCurtaETipoErradoFicamComAMensagemDaBase) {
    for (const Classe& classe : Classes()) {
        SCOPED_TRACE(classe.tipo);
        const auto registro = classe.criar();
        const std::string curta = classe.tipo + std::string(static_cast<std::size_t>(classe.tamanhoMinimo - 5), '0');
        try {
            registro->SetLinha(curta);
            ADD_FAILURE();
        } catch (const ERegSintegraInvalido&) {
            ADD_FAILURE();
        } catch (const Excecao& erro) {
            EXPECT_EQ(std::string(erro.what()),
                      "(Registro " + classe.tipo + ") Linha de tamanho " + std::to_string(classe.tamanhoMinimo - 1) +
                          ", menor que o tamanho mínimo aceitável (" + std::to_string(classe.tamanhoMinimo) +
                          ")!\rConteúdo da linha: '" + curta + "'");
        }
        const std::string outroTipo = "8803" + std::string(122, '0');
        try {
            registro->SetLinha(outroTipo);
            ADD_FAILURE();
        } catch (const Excecao& erro) {
            EXPECT_EQ(std::string(erro.what()), "(Registro " + classe.tipo +
                                                    ") Tipo de registro diferente do esperado!\rConteúdo da linha: '" +
                                                    outroTipo + "'");
        }
        EXPECT_FALSE(registro->Presente());
    }
}

// Clearing after a parse, even a failed one, empties the record and its errors.
TEST(FamiliaGim, LimparDepoisDeUmaLeitura) {
    for (const Classe& classe : Classes()) {
        SCOPED_TRACE(classe.tipo);
        const auto registro = classe.criar();
        try {
            registro->SetLinha(LinhaComDescritoresRuins(classe));
        } catch (const ERegSintegraInvalido&) {
        }
        registro->Limpar();
        EXPECT_FALSE(registro->Presente());
        EXPECT_FALSE(registro->Alterado());
        EXPECT_TRUE(registro->Valido());
        EXPECT_EQ(registro->Linha(), "");
        EXPECT_EQ(registro->GetLinha(), "");
    }
}

}  // namespace
}  // namespace zq
