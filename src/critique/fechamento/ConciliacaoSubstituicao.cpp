#include "critique/fechamento/ConciliacaoSubstituicao.h"

#include <string_view>

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr Moeda kToleranciaAdvertencia = Moeda::DeCentavos(300);

std::vector<std::string> SemAsQueContem(const std::vector<std::string>& mensagens, std::string_view texto) {
    std::vector<std::string> restantes;
    restantes.reserve(mensagens.size());
    for (const auto& mensagem : mensagens) {
        if (mensagem.find(texto) == std::string::npos) restantes.push_back(mensagem);
    }
    return restantes;
}

Moeda Diferenca(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b) { return a - (b + d - c - e); }

}  // namespace

void ConciliacaoSubstituicao::Conciliar(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const {
    if (ajustes_.Quantidade8821() == 0) {
        SemAjustes(valores, mensagens);
    } else {
        ComAjustes(valores, mensagens);
    }
}

void ConciliacaoSubstituicao::SemAjustes(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const {
    if (valores.diferenca == Moeda() || valores.funcep <= Moeda()) return;
    mensagens.ListaRejeicoes = FiltrarRejeicoes(mensagens.ListaRejeicoes);
    if (valores.anexoV - valores.campo12 - valores.funcep > Moeda()) {
        mensagens.ListaRejeicoes.push_back(funcep_.MensagemStSaidas(valores.funcep, valores.campo12, valores.anexoV));
    }
}

void ConciliacaoSubstituicao::ComAjustes(const ValoresSubstituicao& valores, MensagensCritica& mensagens) const {
    const Moeda ressarcido8822 = ajustes_.TotalRessarcido8822();
    const Moeda ressarcimento8821 = ajustes_.Ressarcimento8821();
    if (ressarcido8822 != ressarcimento8821) {
        mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8822): A soma dos totais ressarcidos dos registros 8822 (campo 6) deve ser igual "
                     "ao valor informado no registro 8821 (campo 6). A soma dos registros 8822 é %m e o valor "
                     "informado no registro 8821 é %m.",
                     {ressarcido8822, ressarcimento8821}));
    }
    const Moeda debitos8823 = ajustes_.OutrosDebitos8823();
    const Moeda ajustes8821 = ajustes_.TotalAjustes8821();
    // Without a difference in 8802 there is no simple warning to replace and no balance to reconcile.
    if (valores.diferenca != Moeda()) {
        const Moeda saldo = valores.diferenca + debitos8823 - ajustes8821 - valores.funcep;
        mensagens.ListaAdvertencias = FiltrarAdvertencias(mensagens.ListaAdvertencias);
        if (Abs(saldo) > kToleranciaAdvertencia) {
            mensagens.ListaAdvertencias.push_back(MensagemAdvertencia(debitos8823, ajustes8821, valores.funcep,
                                                                      valores.campo12 + valores.campo13,
                                                                      valores.saidasInternas));
        }
    }
    mensagens.ListaRejeicoes = FiltrarRejeicoes(mensagens.ListaRejeicoes);
    if (valores.anexoV - (valores.campo12 + ajustes8821 - debitos8823 + valores.funcep) > Moeda()) {
        mensagens.ListaRejeicoes.push_back(
            MensagemRejeicao(debitos8823, ajustes8821, valores.funcep, valores.campo12, valores.anexoV));
    }
}

std::vector<std::string> ConciliacaoSubstituicao::FiltrarAdvertencias(const std::vector<std::string>& advertencias) {
    return SemAsQueContem(advertencias, "ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas Anexo V ");
}

std::vector<std::string> ConciliacaoSubstituicao::FiltrarRejeicoes(const std::vector<std::string>& rejeicoes) {
    return SemAsQueContem(rejeicoes, "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está ");
}

std::string ConciliacaoSubstituicao::MensagemAdvertencia(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b) {
    return Formatar(
        "ADVERTÊNCIA (Reg 8802): Total da Substituição tributária (ST) por saídas internas informado no registro 8802 "
        "(soma dos campos 12 e 13) está diferente do total da ST interna apurada nos registros 53 subtraído do total "
        "da subst. por saídas para a ZQ (campo 4) informada no registro 8816 (FUNCEP/ZQ) e do total das devoluções "
        "(campo 4), dos repasses (campo 5) e dos ressarcimentos (campo 6) informados no registro 8821 somado ao total "
        "de outros débitos (campo 4) informado no registro 8823. Lido: 8802 : %m (A), 8816: %m(E), 8821: %m(C) e "
        "8823: %m(D). Apurado: %m(B). Diferença : A - (B - C + D - E) = %m.",
        {a, e, c, d, b, Diferenca(d, c, e, a, b)});
}

std::string ConciliacaoSubstituicao::MensagemRejeicao(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b) {
    return Formatar(
        "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas internas informado no registro 8802 (campo 12) é "
        "inferior ao total da ST interna apurada nos registros 53 subtraído do total da subst. por saídas para a ZQ "
        "(campo 4) informada no registro 8816 (FUNCEP/ZQ) e do total das devoluções (campo 4), dos repasses (campo 5) "
        "e dos ressarcimentos (campo 6) informados no registro 8821 somado ao total de outros débitos (campo 4) "
        "informado no registro 8823. Lido: 8802 : %m(A), 8816: %m(E), 8821: %m(C) e 8823: %m(D). Apurado(53): %m(B). "
        "Diferença : A - (B - C + D - E) = %m.",
        {a, e, c, d, b, Diferenca(d, c, e, a, b)});
}

}  // namespace zq
