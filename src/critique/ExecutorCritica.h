#pragma once
// The driver behind CriticaEspecifica: checks the parameters and the host,
// runs the pass over the file, writes the report and tells the user.

#include <cstdint>
#include <string>

#include "critique/MensagensCritica.h"

namespace zq {

enum class ResultadoCritica : std::uint8_t { SemRejeicao = 0, ParametroInvalido = 1, ComRejeicoes = 2 };

// Paths are CP1252, as the host passes them. The lists are emptied first and
// hold the call's messages afterwards.
ResultadoCritica ExecutarCritica(const std::string& arquivo, const std::string& saida, MensagensCritica& mensagens);

}  // namespace zq
