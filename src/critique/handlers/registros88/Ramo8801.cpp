#include "critique/handlers/registros88/Ramos88.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr Moeda kToleranciaTransferencia = Moeda::DeReais(9);

bool InscricaoValida(const std::string& inscricao) {
    return SoDigitosDecimais(inscricao) && DigitoMod11Valido(std::stoll(inscricao));
}

// The type the delivery of record 10 asks for: "N" for a normal one ("1"), "R" for a rectification ("2").
char TipoDaEntrega(char entrega) {
    switch (entrega) {
        case '1': return 'N';
        case '2': return 'R';
        default: return '\0';
    }
}

}  // namespace

void Ramo8801::Processar(const LinhaRegistro88& linha) {
    Declaracao().dadosAnuais = false;
    RelatarErros(linha);
    Registrar(1);
    Declaracao().chaveGim = std::string(Colunas(linha.texto, 5, 16));

    const TReg8801& registro = Registros().Registro8801();
    ConferirCabecalho(registro);
    ConferirCreditos(registro);
}

void Ramo8801::ConferirCabecalho(const TReg8801& registro) {
    const std::string& inscricao = registro.InscricaoEstadual();
    if (!InscricaoValida(inscricao)) Rejeitar("REJEIÇÃO (Reg.8801): Inscrição Estadual inválida: " + inscricao);
    if (inscricao != Registro10().inscricao) {
        Rejeitar("REJEIÇÃO (Reg.8801): Inscrição Estadual diferente do registro 10: " + inscricao);
    }
    if (registro.Periodo() != Registro10().periodo) {
        Rejeitar("REJEIÇÃO (Reg.8801): Período diferente do registro 10: " + registro.Periodo());
    }
    const char tipo = registro.TipoEntrega();
    if (tipo == 'N' || tipo == 'R') {
        const char esperado = TipoDaEntrega(Registro10().tipoEntrega);
        if (esperado != '\0' && tipo != esperado) {
            Rejeitar(std::string("REJEIÇÃO (Reg.8801): Tipo diferente do registro 10: ") + tipo);
        }
    } else {
        Rejeitar("REJEIÇÃO (Reg.8801): Tipo inválido: " + std::string(tipo == '\0' ? 0 : 1, tipo));
    }
}

void Ramo8801::ConferirCreditos(const TReg8801& registro) {
    const EstadoDeclaracao& declaracao = Declaracao();
    const Moeda creditoEntradas = registro.CreditoEntradas();
    const Moeda creditosApurados = declaracao.creditosEntradas50e76 + declaracao.creditosEntradas70;
    if (creditoEntradas > creditosApurados) {
        Advertir("ADVERTÊNCIA (Reg.8801): Valor crédito por entradas diferente soma das notas. Lido: " +
                 FormatarValor(creditoEntradas) + " Apurado:" + FormatarValor(creditosApurados));
    }
    if (!declaracao.existe50 && !declaracao.existe70 && creditoEntradas != Moeda()) {
        Rejeitar("REJEIÇÃO (Reg.8801): Créditos por entrada informados sem registro 50/70 correspondentes");
    }
    const Moeda transferenciaLida = registro.CreditoTransferencia();
    const Moeda transferenciaApurada = objetos_.procReg50.TransferenciasRecebidas();
    if (Abs(transferenciaLida - transferenciaApurada) > kToleranciaTransferencia) {
        Rejeitar("REJEIÇAO (Reg.8801): Valor Crédito Recebidos por Transferência diferente soma das notas. Lido: " +
                 FormatarValor(transferenciaLida) + " Apurado:" + FormatarValor(transferenciaApurada));
    }
}

}  // namespace zq
