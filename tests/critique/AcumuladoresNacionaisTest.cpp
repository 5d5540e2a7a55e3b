// The totals the handlers of the national records feed, read back from the
// declaration state and the pass objects.

#include <gtest/gtest.h>

#include "critique/handlers/ProcessadorRegistro50.h"
#include "critique/handlers/ProcessadorRegistro54.h"
#include "critique/handlers/ProcessadorRegistro60.h"
#include "critique/handlers/ProcessadorRegistro61.h"
#include "critique/handlers/ProcessadorRegistro70.h"
#include "critique/handlers/ProcessadorRegistro76.h"
#include "support/Registros50a76.h"

namespace zq::teste {
namespace {

Moeda Centavos(long long centavos) { return Moeda::DeCentavos(centavos); }

class AcumuladoresNacionaisTest : public testing::Test {
protected:
    void Ler(ProcessadorRegistro& processador, const std::string& linha) {
        processador.Processar(LinhaCritica{linha, ++numeroLinha_});
    }

    MensagensCritica listas_;
    ContextoCritica contexto_{listas_};
    EstadoDeclaracao& declaracao_ = contexto_.declaracao;
    ObjetosDeclaracao objetos_;
    TVlrRegistros& valores_ = objetos_.vlrRegistros;
    ProcessadorRegistro50 registro50_{contexto_, objetos_};
    ProcessadorRegistro54 registro54_{contexto_, objetos_};
    ProcessadorRegistro60 registro60_{contexto_, objetos_};
    ProcessadorRegistro61 registro61_{contexto_, objetos_};
    ProcessadorRegistro70 registro70_{contexto_, objetos_};
    ProcessadorRegistro76 registro76_{contexto_, objetos_};
    long long numeroLinha_ = 0;
};

Registro50 Nota50(int cfop, long long total, long long icms, char situacao = 'N') {
    Registro50 nota;
    nota.cfop = cfop;
    nota.total = nota.base = total;
    nota.icms = icms;
    nota.situacao = situacao;
    return nota;
}

Registro76 Nota76(int cfop, long long total, long long icms) {
    Registro76 nota;
    nota.cfop = cfop;
    nota.total = nota.base = total;
    nota.icms = icms;
    return nota;
}

TEST_F(AcumuladoresNacionaisTest, CreditosEDebitosDos50E76) {
    Ler(registro50_, Nota50(1102, 100000, 17000).Linha());
    Ler(registro76_, Nota76(1301, 10000, 2500).Linha());
    Ler(registro50_, Nota50(5102, 200000, 34000).Linha());  // after a record 76: its share is kept
    Ler(registro50_, Nota50(5102, 300000, 51000, 'S').Linha());
    Ler(registro76_, Nota76(5303, 10000, 2500).Linha());
    Ler(registro76_, Nota76(5601, 10000, 1000).Linha());
    EXPECT_EQ(declaracao_.creditosEntradas50e76, Centavos(17000 + 2500));
    EXPECT_EQ(declaracao_.debitosSaidas50e76, Centavos(34000 + 2500));
    EXPECT_EQ(declaracao_.quantidade50, 3);
    EXPECT_EQ(declaracao_.quantidade76, 3);
    EXPECT_TRUE(declaracao_.existe50);
}

TEST_F(AcumuladoresNacionaisTest, ValoresDeSaida) {
    Ler(registro50_, Nota50(1102, 100000, 17000).Linha());
    Ler(registro50_, Nota50(5102, 200000, 34000).Linha());
    Ler(registro50_, Nota50(6102, 50000, 6000).Linha());
    Ler(registro50_, Nota50(5102, 300000, 51000, 'S').Linha());
    Registro60M ecf;
    ecf.vendaBruta = 12345;
    Ler(registro60_, ecf.Linha());
    Registro61 resumo;
    resumo.total = 4000;
    Ler(registro61_, resumo.Linha());
    Registro70 saida;
    saida.total = saida.base = 7000;
    Ler(registro70_, saida.Linha());
    Registro70 entrada = saida;
    entrada.cfop = 1353;
    Ler(registro70_, entrada.Linha());
    Ler(registro76_, Nota76(5303, 9000, 2250).Linha());
    Ler(registro76_, Nota76(1303, 1000, 250).Linha());

    EXPECT_EQ(valores_.reg50.Valor(), Centavos(250000));
    EXPECT_EQ(valores_.reg60.Valor(), Centavos(12345));
    EXPECT_EQ(valores_.reg61.Valor(), Centavos(4000));
    EXPECT_EQ(valores_.reg70.Valor(), Centavos(7000));
    EXPECT_EQ(valores_.reg76.Valor(), Centavos(9000));
    EXPECT_EQ(valores_.TotalSaidas(), Centavos(250000 + 12345 + 4000 + 7000 + 9000));
}

TEST_F(AcumuladoresNacionaisTest, DebitosDos60AVemSoDasAliquotas) {
    Ler(registro60_, Registro60M().Linha());
    Registro60A analitico;
    analitico.situacao = "1700";
    analitico.valor = 10000;
    Ler(registro60_, analitico.Linha());
    analitico.situacao = "F";
    Ler(registro60_, analitico.Linha());
    analitico.situacao = "1200";
    analitico.valor = 3333;  // 3.9996, truncated
    Ler(registro60_, analitico.Linha());
    EXPECT_EQ(declaracao_.debitos60, Centavos(1700 + 399));
    EXPECT_EQ(declaracao_.ecf.somaAnaliticos, Centavos(10000 + 10000 + 3333));
    EXPECT_EQ(declaracao_.quantidade60M, 1);
}

TEST_F(AcumuladoresNacionaisTest, CreditosEDebitosDos70) {
    Registro70 saida;
    saida.icms = 1700;
    Ler(registro70_, saida.Linha());
    Registro70 entrada = saida;
    entrada.cfop = 1353;
    entrada.icms = 1200;
    Ler(registro70_, entrada.Linha());
    Registro70 cancelada = saida;
    cancelada.situacao = 'S';
    Ler(registro70_, cancelada.Linha());
    EXPECT_EQ(declaracao_.debitosSaidas70, Centavos(1700));
    EXPECT_EQ(declaracao_.creditosEntradas70, Centavos(1200));
    EXPECT_EQ(declaracao_.quantidade70, 3);
}

TEST_F(AcumuladoresNacionaisTest, Registro54BaixaANotaQueOAguarda) {
    const Registro50 comItens = Nota50(5102, 100000, 17000);
    Registro50 outra = comItens;
    outra.numero = 2;
    Ler(registro50_, comItens.Linha());
    Ler(registro50_, outra.Linha());
    Ler(registro50_, Nota50(5102, 100000, 17000, 'S').Linha());
    EXPECT_EQ(objetos_.controle54.Pendencias(), 2u);
    Ler(registro54_, Registro54(comItens));
    EXPECT_EQ(objetos_.controle54.Pendencias(), 1u);
    EXPECT_TRUE(declaracao_.existe54);
    EXPECT_EQ(declaracao_.quantidade54, 1);
}

}  // namespace
}  // namespace zq::teste
