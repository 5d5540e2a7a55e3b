#include "critique/handlers/registros88/Ramos88.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr Moeda kToleranciaDebitos = Moeda::DeReais(9);

}  // namespace

// The FUNCEP contributions, added to the ICMS of the period.
void Ramo8816::Processar(const LinhaRegistro88& linha) {
    Registrar(16);
    RelatarErros(linha);
    const std::string_view brancos = ColunasAparadas(linha.texto, 70, 57);
    if (!brancos.empty()) {
        Rejeitar("REJEIÇÃO (Reg.8816): Dado inserido incorretamente. Posição deve estar em branco: " +
                 std::string(brancos));
    }
    const TReg8816& registro = Registros().Registro8816();
    TValid_FUNCEP& funcep = *objetos_.complementos.funcep;
    funcep.SetFuncepNormal(registro.FuncepIcmsNormal());
    if (funcep.FuncepNormalExcedido()) {
        Rejeitar("REJEIÇÃO (Reg.8816): Valor do FUNCEP-Icms Normal excedido: " + FormatarValor(funcep.FuncepNormal()));
    }
    ConferirDebitos();
    funcep.SetFuncepStSaidas(registro.FuncepStSaidasInternas());
}

// The debits of 8802 field 6 plus the FUNCEP must match the national records.
void Ramo8816::ConferirDebitos() {
    const Moeda funcep = objetos_.complementos.funcep->FuncepNormal();
    const Moeda informado = Registros().Registro8802().DebitoSaidas();
    const Moeda apurado = DebitosApurados();
    const Moeda esperado = informado + funcep;
    if (apurado >= esperado - kToleranciaDebitos && apurado <= esperado + kToleranciaDebitos) return;
    if (funcep > Moeda()) {
        RejeitarOuAdiar(Formatar(
            "REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas informado neste campo está diferente do "
            "total apurado. Informado : %s (Registro 8802 (Campo 6) - Valor das saídas sem o FUNCEP). Apurado: %s "
            "(Operações de saídas informadas nos reg. 50 + reg. 70 + reg. 60 + reg. 61 + reg. 76). Funcep Informado: "
            "%s.",
            {FormatarValor(informado), FormatarValor(apurado), FormatarValor(funcep)}));
    } else {
        RejeitarOuAdiar(Formatar(
            "REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas informado neste campo está diferente do "
            "total apurado. Informado (Reg.8802 - Campo 6): %s. Apurado: %s (Operações de saídas informadas nos reg. "
            "50 + reg. 70 + reg. 60 + reg. 61 + reg. 76).",
            {FormatarValor(informado), FormatarValor(apurado)}));
    }
}

}  // namespace zq
