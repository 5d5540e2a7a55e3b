#pragma once
// Record 11: the declarant's address.

#include <cstdint>
#include <string>
#include <string_view>

#include "record-model/campos/CampoRegistro.h"
#include "record-model/campos/CamposRegistro.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

// A number that a line may leave blank or write as letters ("S/N"): 0 when the columns are not a number. Also
// kept as its text, zero-padded to the field's width.
class TCampoNumeroEndereco : public TCampoRegistro {
public:
    TCampoNumeroEndereco(TRegSintegra& registro, int posicao, int tamanho);

    std::int32_t Valor() const { return valor_; }
    const std::string& Texto() const { return texto_; }
    void Set(std::int32_t valor);

    void Ler(std::string_view linha) override;
    void Montar(std::string& linha) const override { linha += texto_; }
    void Limpar() override { Set(0); }

private:
    std::int32_t valor_ = 0;
    std::string texto_;
};

class TReg11 : public TRegSintegra {
public:
    TReg11();

    // Trimmed, single spaces, accents removed.
    const std::string& Logradouro() const { return logradouro_.Valor(); }
    std::int32_t Numero() const { return numero_.Valor(); }
    // Numero with five digits at least ("00042").
    const std::string& NumeroTexto() const { return numero_.Texto(); }
    const std::string& ComplementoEndereco() const { return complementoEndereco_.Valor(); }
    const std::string& Bairro() const { return bairro_.Valor(); }
    // Eight digits: the digits given, cut to 8, completed with "0" on the right.
    const std::string& Cep() const { return cep_.Valor(); }
    const std::string& Contato() const { return contato_.Valor(); }
    // Twelve digits: the digits given, cut to 12, completed with "0" on the left.
    const std::string& Telefone() const { return telefone_.Valor(); }

    void SetLogradouro(std::string_view valor) { logradouro_.Set(valor); }
    void SetNumero(std::int32_t valor) { numero_.Set(valor); }
    void SetComplementoEndereco(std::string_view valor) { complementoEndereco_.Set(valor); }
    void SetBairro(std::string_view valor) { bairro_.Set(valor); }
    void SetCep(std::string_view valor) { cep_.Set(valor); }
    void SetContato(std::string_view valor) { contato_.Set(valor); }
    void SetTelefone(std::string_view valor) { telefone_.Set(valor); }

private:
    static void NormalizarCep(std::string_view texto, std::string& destino);
    static void NormalizarTelefone(std::string_view texto, std::string& destino);

    TCampoTexto logradouro_{*this, 3, 34, normalizacao::Normalizado};
    TCampoNumeroEndereco numero_{*this, 37, 5};
    TCampoTexto complementoEndereco_{*this, 42, 22, normalizacao::Normalizado};
    TCampoTexto bairro_{*this, 64, 15, normalizacao::Normalizado};
    TCampoTexto cep_{*this, 79, 8, &TReg11::NormalizarCep};
    TCampoTexto contato_{*this, 87, 28, normalizacao::Normalizado};
    TCampoTexto telefone_{*this, 115, 12, &TReg11::NormalizarTelefone, Preenchimento::ZerosAEsquerda};
};

}  // namespace zq
