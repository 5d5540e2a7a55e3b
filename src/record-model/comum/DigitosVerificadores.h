#pragma once
// Check digits of the CNPJ, the CPF, the accountant's council registration (CRC) and the home state's
// registration.

#include <cstdint>
#include <string>
#include <string_view>

namespace zq {

// The digits of the text form a CNPJ (14 digits, or 15 with a leading zero) with right check digits.
bool ValidarCnpj(std::string_view cnpj);
// The digits of the text form a CPF (11 digits) with right check digits.
bool ValidarCpf(std::string_view cpf);
// A ten-character CRC: state code, six digits, situation letter and check digit.
bool ValidarCrc(std::string_view crc);
// As ValidarCrc, raising Excecao with MensagemDigito() when the CRC is not valid.
void VerificarCrc(std::string_view crc);
// Why the last ValidarCnpj, ValidarCpf or ValidarCrc failed; empty after one that succeeded.
const std::string& MensagemDigito();

// Check digits of a 14-character CNPJ or 11-character CPF taken as written: a character that is not a digit
// counts as 0. They leave MensagemDigito as it is.
bool CnpjValido(std::string_view cnpj);
bool CpfValido(std::string_view cpf);

// The last decimal digit of the number is its modulo-11 check digit (the home state's registration).
bool DigitoMod11Valido(std::int64_t numero);

}  // namespace zq
