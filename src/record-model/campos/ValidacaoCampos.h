#pragma once
// Field checkers of the critique: each tests the columns of one field of a raw line and, when they do not
// hold a good value, appends one rejection "REJEIÇÃO (Reg <registro>) Campo '<campo>' <motivo>: '<colunas>'"
// to `rejeicoes` and returns false. They never raise.

#include <string>
#include <string_view>
#include <vector>

namespace zq {

// Digits only, two implied decimals.
bool ValidarCampoMonetario(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                           std::string_view campo, std::vector<std::string>& rejeicoes);
bool ValidarCampoDecimal(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                         std::string_view campo, int decimais, std::vector<std::string>& rejeicoes);
bool ValidarCampoInteiro(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                         std::string_view campo, std::vector<std::string>& rejeicoes);
bool ValidarCampoInteiro64(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                           std::string_view campo, std::vector<std::string>& rejeicoes);

}  // namespace zq
