#include "critique/handlers/ProcessadorRegistro50.h"

#include "critique/totais/CalculosCritica.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"

namespace zq {

void ProcessadorRegistro50::Processar(const LinhaCritica& linha) {
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    ++declaracao.quantidade50;
    declaracao.existe50 = true;
    const bool leiauteAntigo = declaracao.codigoConvenio == 1;
    try {
        if (registro_.LeiauteAntigo() != leiauteAntigo) registro_.SetLeiauteAntigo(leiauteAntigo);
        registro_.SetLinha(linha.texto);
        TProcReg50& processador = objetos_.procReg50;
        if (!registro_.IsCancelada()) {
            const Moeda creditos = processador.CreditosEntradas();
            const Moeda debitos = processador.DebitosSaidas();
            processador.Processar(registro_, contexto_.mensagens);
            // The records 76 add to the same totals: only this invoice's share is added here.
            declaracao.creditosEntradas50e76 += processador.CreditosEntradas() - creditos;
            declaracao.debitosSaidas50e76 += processador.DebitosSaidas() - debitos;
            objetos_.controle54.RegistrarRegistro50(linha.texto, linha.numero);
            if (registro_.Cfop().IsSaida()) objetos_.vlrRegistros.reg50.Adicionar(registro_.ValorTotal());
        }
        processador.RegistrarNumeracao(registro_, objetos_.registro10.Cnpj());
    } catch (const std::exception&) {
        contexto_.mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO: Reg 50: Erro ao validar nota fiscal NF: %s Data : %s",
                     {Colunas(linha.texto, leiauteAntigo ? 48 : 46, 6), DataLidaDMA(Colunas(linha.texto, 31, 8))}));
    }
}

}  // namespace zq
