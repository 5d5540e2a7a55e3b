#pragma once
// Record 8825: the balance of the credits of the housing and education cheques, one line per cheque type.

#include <string>
#include <vector>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8825 final : public TRegDetalhe {
public:
    static constexpr int kHabitacao = 1;
    static constexpr int kEducacao = 2;

    TReg8825();

    Moeda CreditoAutorizado() const { return Monetario(3); }
    Moeda TransferenciaEntrada() const { return Monetario(4); }
    Moeda TransferenciaSaida() const { return Monetario(5); }
    Moeda Apropriado() const { return Monetario(6); }
    Moeda SaldoAnterior() const { return Monetario(7); }
    Moeda SaldoRemanescente() const { return Monetario(8); }
    int TipoCheque() const { return Inteiro(9); }

    int QuantidadeHabitacao() const { return quantidadeHabitacao_; }
    int QuantidadeEducacao() const { return quantidadeEducacao_; }

    // The checks of an accepted line, in this order; the cheque comparison is the one of its type, with the
    // 8815 credit of that cheque.
    void VerificarSaldo(std::vector<std::string>& rejeicoes) const;
    void VerificarTipo(std::vector<std::string>& rejeicoes) const;
    void VerificarHabitacao(Moeda valor8815, std::vector<std::string>& rejeicoes) const;
    void VerificarEducacao(Moeda valor8815, std::vector<std::string>& rejeicoes) const;

private:
    void Contar() override { ++(TipoCheque() == kHabitacao ? quantidadeHabitacao_ : quantidadeEducacao_); }
    void VerificarCheque(const char* cheque, int campo8815, int quantidade, Moeda valor8815,
                         std::vector<std::string>& rejeicoes) const;

    int quantidadeHabitacao_ = 0;
    int quantidadeEducacao_ = 0;
};

}  // namespace zq
