#include "gim-records/detalhes/Reg8825.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 13, Monetario, "Valor total do Crédito gerado com o recebimento do cheque habitação"},
    {4, 18, 13, Monetario, "Valor do Crédito utilizado no recebimento de vendas a clientes contribuintes do ICMS"},
    {5, 31, 13, Monetario, "Valor do Crédito utilizado como pagamento a fornecedor"},
    {6, 44, 13, Monetario, "Valor do Crédito utilizado no pagamento de imposto"},
    {7, 57, 13, Monetario, "Saldo que ficou do período anterior"},
    {8, 70, 13, Monetario, "Saldo remanescente que irá para o próximo período"},
    {9, 83, 1, Monetario, "Tipo do cheque"},
    {10, 84, 43},
};

}  // namespace

TReg8825::TReg8825()
    : TRegDetalhe("8825 - Informações para Controle de apropriação dos valores do Cheque Habitação/Educação",
                  kCampos) {}

void TReg8825::VerificarSaldo(std::vector<std::string>& rejeicoes) const {
    const Moeda calculado =
        SaldoAnterior() + CreditoAutorizado() + TransferenciaEntrada() - TransferenciaSaida() - Apropriado();
    if (calculado == SaldoRemanescente()) return;
    rejeicoes.push_back(Formatar(
        "REJEIÇÃO (Reg.8825): O saldo remanescente calculado está diferente do informado no arquivo. O saldo "
        "remanescente é obtido da seguinte forma : (Saldo período anterior (campo 7) + crédito autorizado (campo 3) + "
        "transferência de crédito por entrada (campo 4) - transferência de crédito por saída (campo 5) - valor da "
        "apropriação (campo 6)). Para os valores informados o saldo Remanescente calculado é (%m + %m + %m - %m - %m) "
        "= %m. O informado no arquivo é %m. ",
        {SaldoAnterior(), CreditoAutorizado(), TransferenciaEntrada(), TransferenciaSaida(), Apropriado(), calculado,
         SaldoRemanescente()}));
}

void TReg8825::VerificarTipo(std::vector<std::string>& rejeicoes) const {
    const int tipo = TipoCheque();
    if (tipo == kHabitacao || tipo == kEducacao) return;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8825) Campo 9: Tipo de cheque inválido : %d", {tipo}));
}

void TReg8825::VerificarHabitacao(Moeda valor8815, std::vector<std::string>& rejeicoes) const {
    VerificarCheque("habitação", 7, quantidadeHabitacao_, valor8815, rejeicoes);
}

void TReg8825::VerificarEducacao(Moeda valor8815, std::vector<std::string>& rejeicoes) const {
    VerificarCheque("educação", 8, quantidadeEducacao_, valor8815, rejeicoes);
}

void TReg8825::VerificarCheque(const char* cheque, int campo8815, int quantidade, Moeda valor8815,
                               std::vector<std::string>& rejeicoes) const {
    const Moeda soma = Apropriado() + TransferenciaSaida();
    if (soma != valor8815) {
        rejeicoes.push_back(Formatar(
            "REJEIÇÃO (Reg.8825) : O valor da apropriação (campo 6) somado ao valor das transferências de créditos por "
            "saída (campo 5) não está igual ao valor do cheque %s apresentado no registro 8815 campo %d. O valor da "
            "soma é %m. O encontrado no registro 8815 é %m.",
            {cheque, campo8815, soma, valor8815}));
    }
    if (quantidade > 1) {
        rejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8825): Foram encontrados %d cheques %s. Deve ser apenas 1.", {quantidade, cheque}));
    }
}

}  // namespace zq
