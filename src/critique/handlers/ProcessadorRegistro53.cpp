#include "critique/handlers/ProcessadorRegistro53.h"

#include "critique/totais/CalculosCritica.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/NumeroOuZero.h"

namespace zq {

void ProcessadorRegistro53::Processar(const LinhaCritica& linha) {
    const bool leiauteAntigo = contexto_.declaracao.codigoConvenio == 1;
    try {
        if (registro_.LeiauteAntigo() != leiauteAntigo) registro_.SetLeiauteAntigo(leiauteAntigo);
        registro_.SetLinha(linha.texto);
        if (!registro_.IsCancelada()) objetos_.acumReg53.Acumular(registro_);
    } catch (const std::exception&) {
        contexto_.mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO: Reg 53: Erro ao validar nota fiscal NF: %d Data: %s",
                     {NumeroOuZero(Colunas(linha.texto, leiauteAntigo ? 48 : 46, 6)),
                      DataLidaDMA(Colunas(linha.texto, 31, 8))}));
    }
}

}  // namespace zq
