#include "critique/fechamento/ConciliacaoSubstituicao.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr Moeda kToleranciaAdvertencia = Moeda::DeCentavos(300);

}  // namespace

void ConciliacaoSubstituicao::Conciliar(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const {
    if (detalhes_.creditosSt.Quantidade() == 0) {
        SemAjustes(valores, mensagens);
    } else {
        ComAjustes(valores, mensagens);
    }
}

void ConciliacaoSubstituicao::SemAjustes(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const {
    if (valores.diferenca == Moeda() || valores.funcep <= Moeda()) return;
    mensagens.ListaRejeicoes = TReg8821::FiltrarRejeicoes(mensagens.ListaRejeicoes);
    if (valores.anexoV - valores.campo12 - valores.funcep > Moeda()) {
        mensagens.ListaRejeicoes.push_back(funcep_.MensagemStSaidas(valores.funcep, valores.campo12, valores.anexoV));
    }
}

void ConciliacaoSubstituicao::ComAjustes(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const {
    const TReg8821& creditos = detalhes_.creditosSt;
    const Moeda ressarcido8822 = detalhes_.ressarcimentos.TotalRessarcido();
    if (ressarcido8822 != creditos.Ressarcimento()) {
        mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8822): A soma dos totais ressarcidos dos registros 8822 (campo 6) deve ser igual "
                     "ao valor informado no registro 8821 (campo 6). A soma dos registros 8822 é %m e o valor "
                     "informado no registro 8821 é %m.",
                     {ressarcido8822, creditos.Ressarcimento()}));
    }
    const Moeda debitos8823 = detalhes_.debitosSt.OutrosDebitos();
    const Moeda ajustes8821 = creditos.TotalAjustes();
    // Without a difference in 8802 there is no simple warning to replace and no balance to reconcile.
    if (valores.diferenca != Moeda()) {
        const Moeda saldo = valores.diferenca + debitos8823 - ajustes8821 - valores.funcep;
        mensagens.ListaAdvertencias = TReg8821::FiltrarAdvertencias(mensagens.ListaAdvertencias);
        if (Abs(saldo) > kToleranciaAdvertencia) {
            mensagens.ListaAdvertencias.push_back(TReg8821::MensagemAdvertencia(
                debitos8823, ajustes8821, valores.funcep, valores.campo12 + valores.campo13, valores.saidasInternas));
        }
    }
    mensagens.ListaRejeicoes = TReg8821::FiltrarRejeicoes(mensagens.ListaRejeicoes);
    if (valores.anexoV - (valores.campo12 + ajustes8821 - debitos8823 + valores.funcep) > Moeda()) {
        mensagens.ListaRejeicoes.push_back(
            TReg8821::MensagemRejeicao(debitos8823, ajustes8821, valores.funcep, valores.campo12, valores.anexoV));
    }
}

}  // namespace zq
