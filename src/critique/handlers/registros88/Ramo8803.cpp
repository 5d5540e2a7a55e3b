#include "critique/handlers/registros88/Ramos88.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"

namespace zq {

// The transfers of accumulated credits, one line each, declared until 2002.
void Ramo8803::Processar(const LinhaRegistro88& linha) {
    EstadoDeclaracao& declaracao = Declaracao();
    if (declaracao.anoReferencia >= 2003) {
        Rejeitar(Formatar("REJEIÇÃO: O Registro 8803 não é mais informado na GIM %d", {declaracao.anoReferencia}));
        return;
    }
    const std::string_view texto = linha.texto;
    if (Colunas(texto, 5, 15) != std::string_view(declaracao.chaveGim).substr(0, 15)) {
        Rejeitar("REJEIÇÃO (Reg.8803): Inscrição, Periodo e Tipo devem ser iguais ao registro 8801:" +
                 std::string(Colunas(texto, 5, 16)));
    }
    const std::string_view inscricao = Colunas(texto, 20, 9);
    if (!SoDigitosDecimais(inscricao) || !DigitoMod11Valido(std::stoll(std::string(inscricao)))) {
        Rejeitar("REJEIÇÃO (Reg.8803): Inscrição Estadual inválida: " + std::string(inscricao));
    }
    const std::string_view natureza = Colunas(texto, 29, 1);
    if (natureza != "E" && natureza != "S") {
        Rejeitar("REJEIÇÃO (Reg.8803): Natureza da Transferência deve ser (E/S):" + std::string(natureza));
    }
    try {
        const Moeda valor = MonetarioDoCampo(texto, 30, 13, 2);
        if (natureza == "E") declaracao.transferencias8803Recebidas += valor;
        if (natureza == "S") declaracao.transferencias8803Enviadas += valor;
    } catch (const Excecao&) {
        Rejeitar("REJEIÇÃO (Reg.8803): Valor da Transferência não é um numérico válido: " +
                 std::string(Colunas(texto, 30, 13)));
    }
}

}  // namespace zq
