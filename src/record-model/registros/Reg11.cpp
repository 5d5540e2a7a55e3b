#include "record-model/registros/Reg11.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/campos/NumeroOuZero.h"
#include "record-model/comum/Texto.h"

namespace zq {

TCampoNumeroEndereco::TCampoNumeroEndereco(TRegSintegra& registro, int posicao, int tamanho)
    : TCampoRegistro(&registro, posicao, tamanho), texto_(InteiroParaCampo(tamanho, 0)) {}

void TCampoNumeroEndereco::Set(std::int32_t valor) {
    valor_ = valor;
    texto_ = InteiroParaCampo(Tamanho(), valor);
    MarcarAlterado();
}

void TCampoNumeroEndereco::Ler(std::string_view linha) { Set(NumeroOuZero(ColunasDe(linha))); }

TReg11::TReg11() : TRegSintegra("11", 126) {}

void TReg11::NormalizarCep(std::string_view texto, std::string& destino) {
    constexpr std::size_t kDigitosCep = 8;
    SoDigitos(texto, destino);
    destino.resize(kDigitosCep, '0');
}

void TReg11::NormalizarTelefone(std::string_view texto, std::string& destino) {
    constexpr std::size_t kDigitosTelefone = 12;
    SoDigitos(texto, destino);
    if (destino.size() > kDigitosTelefone) destino.resize(kDigitosTelefone);
    destino.insert(0, kDigitosTelefone - destino.size(), '0');
}

}  // namespace zq
