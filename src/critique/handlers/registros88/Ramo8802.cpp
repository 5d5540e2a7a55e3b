#include "critique/handlers/registros88/Ramos88.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr Moeda kTolerancia = Moeda::DeReais(9);
constexpr Moeda kToleranciaSubstituicao = Moeda::DeReais(3);
constexpr std::string_view kMascaraSubstituicao = "#,###,###,##0.00";

}  // namespace

void Ramo8802::Processar(const LinhaRegistro88& linha) {
    Registrar(2);
    Exigir(1, "REJEIÇÃO (Reg.8802): Não existe registro 8801");
    RelatarErros(linha);

    const TReg8802& registro = Registros().Registro8802();
    CompararCom8801(registro);
    objetos_.complementos.funcep->SetDebitoSaidas(registro.DebitoSaidas());
    ConferirDebitos(registro);
    ConferirTransferencias(registro);
    ConferirSubstituicao(registro);
    objetos_.acumReg53.Conferir8802(registro.Periodo(), registro.StEntradasJaRecolhida(),
                                    registro.StEntradasARecolher(), contexto_.mensagens.ListaRejeicoes,
                                    contexto_.mensagens.ListaAdvertencias, contexto_.mensagens.ListaAvisos);
}

// Only against an 8801 that was read: without one its absence is the only finding.
void Ramo8802::CompararCom8801(const TReg8802& registro) {
    const TReg8801& registro8801 = Registros().Registro8801();
    if (!registro8801.Presente()) return;
    if (registro.InscricaoEstadual() != registro8801.InscricaoEstadual()) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.%s): A inscrição estadual está diferente do registro 8801: '%s'",
                          {"8802", registro.InscricaoEstadual()}));
    }
    if (registro.Periodo() != registro8801.Periodo()) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.%s): O período está diferente do registro 8801: '%s'",
                          {"8802", registro.Periodo()}));
    }
    if (registro.TipoEntrega() != registro8801.TipoEntrega()) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.%s): O tipo está diferente do registro 8801: '%s'",
                          {"8802", std::string(1, registro.TipoEntrega())}));
    }
}

// From 02/2005 the debits are checked with the FUNCEP of 8816.
void Ramo8802::ConferirDebitos(const TReg8802& registro) {
    if (Declaracao().apos012005) return;
    const Moeda informado = registro.DebitoSaidas();
    const Moeda apurado = DebitosApurados();
    if (apurado < informado - kTolerancia || apurado > informado + kTolerancia) {
        RejeitarOuAdiar(Formatar(
            "REJEIÇÃO (Reg.8802) Campo 6: O total dos débitos por saídas informado  neste campo está diferente do "
            "total apurado. Informado (Reg.8802 Campo 6): %s. Apurado: %s (Operações de saídas informadas nos reg. 50 "
            "+ reg. 70 + reg. 60 + reg. 61 + reg. 76).",
            {FormatarValor(informado), FormatarValor(apurado)}));
    }
}

// The accumulated credits transferred, against the transfer invoices of the records 50.
void Ramo8802::ConferirTransferencias(const TReg8802& registro) {
    const Moeda informado = registro.DebitoTransferencia();
    const Moeda apurado = objetos_.procReg50.TransferenciasEnviadas();
    if (Abs(informado - apurado) > kTolerancia) {
        Rejeitar("REJEIÇÃO (Reg.8802): Valor da transferência de créditos acumulados diferente da soma das notas. "
                 "Informado(Reg.8802): " +
                 FormatarValor(informado) + ". Apurado(Reg.50): " + FormatarValor(apurado));
    }
}

// The ST withheld on internal outputs, against the records 53.
void Ramo8802::ConferirSubstituicao(const TReg8802& registro) {
    const TAcumReg53& registros53 = objetos_.acumReg53;
    const Moeda fonteApurada = registros53.RetidoSaidasSemAntecipacao();
    const Moeda fonteInformada = registro.StRetencaoFonte();
    const char* const textoFonte =
        " Campo 13: Subst. por saidas internas Regime Fonte com valores divergentes. Lido (Registro 8802): %s "
        "Apurado (Registro(s) 53): %s";
    if (fonteApurada > Moeda() && fonteInformada == Moeda()) {
        Rejeitar(Formatar(std::string("REJEIÇÃO(Reg 8802)") + textoFonte,
                          {FormatarValor(fonteInformada, kMascaraSubstituicao), FormatarValor(fonteApurada)}));
    } else if (Abs(fonteApurada - fonteInformada) > kTolerancia) {
        Advertir(Formatar(std::string("ADVERTÊNCIA(Reg 8802)") + textoFonte,
                          {FormatarValor(fonteInformada, kMascaraSubstituicao), FormatarValor(fonteApurada)}));
    }

    const Moeda anexoV = registro.StSaidasJaRecolhida();
    const Moeda informado = anexoV + fonteInformada;
    const Moeda apurado = registros53.RetidoSaidas();
    const Moeda diferenca = apurado - informado;
    Declaracao().diferencaSt8802 = diferenca;
    if (Abs(diferenca) > kToleranciaSubstituicao) {
        Advertir("ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas Anexo V (campo 12) somada a ST saídas "
                 "internas Regime Fonte (campo 13) está diferente do total da ST por saidas internas apurada. Lido "
                 "(Registro 8802): (" +
                 ValorDecimalSimples(anexoV) + " + " + ValorDecimalSimples(fonteInformada) + ") = " +
                 ValorDecimalSimples(informado) + " Apurado (Registro(s) 53): " + ValorDecimalSimples(apurado));
    }

    const Moeda anexoVApurado = registros53.RetidoSaidasAntecipacao5();
    if (anexoV < anexoVApurado) {
        Rejeitar(Formatar("REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está inferior ao apurado. "
                          "Informado (Registro 8802): %s Apurado (Registro(s) 53): %s ",
                          {FormatarValor(anexoV, kMascaraSubstituicao),
                           FormatarValor(anexoVApurado, kMascaraSubstituicao)}));
    }
}

}  // namespace zq
