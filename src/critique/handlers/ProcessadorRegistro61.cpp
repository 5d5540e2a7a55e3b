#include "critique/handlers/ProcessadorRegistro61.h"

#include "critique/totais/CalculosCritica.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

constexpr int kCfopVendaSemEcf = 5949;

}  // namespace

void ProcessadorRegistro61::Processar(const LinhaCritica& linha) {
    try {
        if (linha.texto.size() > 2 && linha.texto[2] == 'R') {
            registroR_.SetLinha(linha.texto);
            return;
        }
        registro_.SetLinha(linha.texto);
        TReg61Acumulado& acumulado = objetos_.reg61Acumulado;
        acumulado.Acumular(registro_);
        objetos_.vlrRegistros.reg61.Adicionar(registro_.ValorTotal());
        if (acumulado.ExisteModelo65(registro_)) {
            contexto_.mensagens.ListaRejeicoes.push_back(Formatar(
                "REJEIÇÃO (Reg. 61): Registro 61 para a data %s e série %s do modelo 65 (NFCe) foi registrado mais de "
                "vez. Deve ser informado um único registro com o somatório diário por série. A ocorrência foi na "
                "linha %d do arquivo.",
                {DataDMA(registro_.DataEmissao(), {}), Aparar(registro_.Serie()), linha.numero}));
        } else {
            acumulado.RegistrarModelo65(registro_);
        }
        ++contexto_.declaracao.quantidade61;
        objetos_.complementos.epp->AcumularSaida(kCfopVendaSemEcf, registro_.BaseCalculo());
    } catch (const std::exception&) {
        contexto_.mensagens.ListaRejeicoes.push_back("REJEIÇÃO (Reg.61): Erro no processamento:");
    }
}

}  // namespace zq
