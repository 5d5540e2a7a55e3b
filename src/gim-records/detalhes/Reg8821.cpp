#include "gim-records/detalhes/Reg8821.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 6},
    {4, 11, 13, Monetario, "Valor da devolução"},
    {5, 24, 13, Monetario, "Repasse de ICMS para outras UFs"},
    {6, 37, 13, Monetario, "Valor do ressarcimento"},
    {7, 50, 77},
};

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

TReg8821::TReg8821() : TRegDetalhe("8821 - Informações dos Ajustes a Crédito da Substituição Tributária", kCampos) {}

std::string TReg8821::MensagemAdvertencia(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b) {
    return Formatar(
        "ADVERTÊNCIA (Reg 8802): Total da Substituição tributária (ST) por saídas internas informado no registro 8802 "
        "(soma dos campos 12 e 13) está diferente do total da ST interna apurada nos registros 53 subtraído do total "
        "da subst. por saídas para a ZQ (campo 4) informada no registro 8816 (FUNCEP/ZQ) e do total das devoluções "
        "(campo 4), dos repasses (campo 5) e dos ressarcimentos (campo 6) informados no registro 8821 somado ao total "
        "de outros débitos (campo 4) informado no registro 8823. Lido: 8802 : %m (A), 8816: %m(E), 8821: %m(C) e "
        "8823: %m(D). Apurado: %m(B). Diferença : A - (B - C + D - E) = %m.",
        {a, e, c, d, b, Diferenca(d, c, e, a, b)});
}

std::string TReg8821::MensagemRejeicao(Moeda d, Moeda c, Moeda e, Moeda a, Moeda b) {
    return Formatar(
        "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas internas informado no registro 8802 (campo 12) é "
        "inferior ao total da ST interna apurada nos registros 53 subtraído do total da subst. por saídas para a ZQ "
        "(campo 4) informada no registro 8816 (FUNCEP/ZQ) e do total das devoluções (campo 4), dos repasses (campo 5) "
        "e dos ressarcimentos (campo 6) informados no registro 8821 somado ao total de outros débitos (campo 4) "
        "informado no registro 8823. Lido: 8802 : %m(A), 8816: %m(E), 8821: %m(C) e 8823: %m(D). Apurado(53): %m(B). "
        "Diferença : A - (B - C + D - E) = %m.",
        {a, e, c, d, b, Diferenca(d, c, e, a, b)});
}

std::vector<std::string> TReg8821::FiltrarAdvertencias(const std::vector<std::string>& advertencias) {
    return SemAsQueContem(advertencias, "ADVERTÊNCIA (Reg 8802): A Substituição por saídas internas Anexo V ");
}

std::vector<std::string> TReg8821::FiltrarRejeicoes(const std::vector<std::string>& rejeicoes) {
    return SemAsQueContem(rejeicoes, "REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas informado está ");
}

}  // namespace zq
