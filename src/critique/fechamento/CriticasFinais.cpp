#include "critique/fechamento/CriticasFinais.h"

#include "critique/fechamento/LeituraSegura.h"
#include "critique/handlers/registros88/Ramo88.h"
#include "critique/totais/FechamentoEcf.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

// The GIM records a declaration holds once, by sub-type.
constexpr int kDetalhesUnicos[] = {1, 2, 4, 6, 14, 15, 16, 17};

// The 8803 records were replaced by the 8801 and 8802 fields from 2003 on.
constexpr int kUltimoAnoDo8803 = 2002;

}  // namespace

void CriticasFinais::Executar() {
    FecharEcf(contexto_.declaracao.ecf, kToleranciaUltimoEcf, contexto_.mensagens.ListaRejeicoes);
    VerificarDetalhesRepetidos();
    if (contexto_.declaracao.anoReferencia <= kUltimoAnoDo8803) ConferirTransferencias8803();
    ConcluirRegraEspecial();
}

void CriticasFinais::VerificarDetalhesRepetidos() {
    for (const int subtipo : kDetalhesUnicos) {
        const int quantidade = contexto_.declaracao.Registro88(subtipo).quantidade;
        if (quantidade > 1) {
            contexto_.mensagens.ListaRejeicoes.push_back(
                Formatar("REJEIÇÃO: Foram encontrados %d detalhes %.2d do registro 88. Deve ser apenas 1.",
                         {quantidade, subtipo}));
        }
    }
}

// The sums of the 8803 lines against the transfers declared in 8802 (sent) and 8801 (received).
void CriticasFinais::ConferirTransferencias8803() {
    const EstadoDeclaracao& declaracao = contexto_.declaracao;
    const TRegs88& registros = objetos_.registros88;
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    const auto enviadas = ValorSeValido([&] { return registros.Registro8802().DebitoTransferencia(); });
    if (enviadas && *enviadas != declaracao.transferencias8803Enviadas) {
        rejeicoes.push_back("REJEIÇÃO:Soma das transferências de créditos enviados (8803) diferente valor "
                            "Transferência Créditos Acumulados.Lido:" + ValorDecimalSimples(*enviadas) +
                            " Apurado:" + ValorDecimalSimples(declaracao.transferencias8803Enviadas));
    }
    const auto recebidas = ValorSeValido([&] { return registros.Registro8801().CreditoTransferencia(); });
    if (recebidas && *recebidas != declaracao.transferencias8803Recebidas) {
        rejeicoes.push_back("REJEIÇÃO:Soma das transferências de créditos recebidos (8803) diferente valor Créditos "
                            "Acumulados recebidos por Transferência.Lido:" + ValorDecimalSimples(*recebidas) +
                            " Apurado:" + ValorDecimalSimples(declaracao.transferencias8803Recebidas));
    }
}

// The deferred record-50 ICMS and 8802 debit messages count only when the differences exceed the contributor's
// share of the tax balance. Totals that cannot be computed (an invalid amount, already rejected) give no
// balance, so nothing deferred is lost.
void CriticasFinais::ConcluirRegraEspecial() {
    RegraEspecial& regra = *objetos_.complementos.regraEspecial;
    if (!regra.Existe()) return;
    Moeda saldo;
    try {
        objetos_.registros88.CalcularTotais();
        const TotaisApuracao& totais = objetos_.registros88.Totais();
        saldo = totais.DebitosPeriodo - totais.TotalCreditos;
    } catch (const Excecao&) {
    }
    regra.LiberarAdiadas(saldo, contexto_.mensagens.ListaRejeicoes);
}

}  // namespace zq
