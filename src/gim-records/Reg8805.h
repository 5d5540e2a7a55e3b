#pragma once
// Record 8805: the accountant responsible for the declaration. Every attribute is normalised when set.

#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8805 : public TRegSintegra {
public:
    TReg8805();

    // CPF or CNPJ: digits only, left-padded with "0" to 14.
    const std::string& CpfCnpj() const { return cpfCnpj_.Valor(); }
    // The registration at the accountants' council: letters and digits, upper case.
    const std::string& Crc() const { return crc_.Valor(); }
    // Trimmed, single-spaced, without accents.
    const std::string& Nome() const { return nome_.Valor(); }
    // Digits only.
    const std::string& Telefone() const { return telefone_.Valor(); }
    // As the name, in lower case.
    const std::string& Email() const { return email_.Valor(); }

    void SetCpfCnpj(std::string_view valor) { cpfCnpj_.Set(valor); }
    void SetCrc(std::string_view valor) { crc_.Set(valor); }
    void SetNome(std::string_view valor) { nome_.Set(valor); }
    void SetTelefone(std::string_view valor) { telefone_.Set(valor); }
    void SetEmail(std::string_view valor) { email_.Set(valor); }

private:
    static void DocumentoCom14Digitos(std::string_view texto, std::string& destino);
    static void EmailNormalizado(std::string_view texto, std::string& destino);

    TCampoTexto cpfCnpj_{*this, 5, 14, DocumentoCom14Digitos};
    TCampoTexto crc_{*this, 19, 10, normalizacao::LetrasEDigitos};
    TCampoTexto nome_{*this, 29, 40, normalizacao::Normalizado};
    TCampoTexto telefone_{*this, 69, 12, normalizacao::Digitos, Preenchimento::ZerosAEsquerda};
    TCampoTexto email_{*this, 81, 40, EmailNormalizado};
};

}  // namespace zq
