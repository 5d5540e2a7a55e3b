#pragma once

#include <optional>

#include "record-model/comum/Excecao.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// An amount of a record whose text may be invalid; its field error has been reported already, so the check
// that needs it is skipped.
template <typename Leitura>
std::optional<Moeda> ValorSeValido(Leitura ler) {
    try {
        return ler();
    } catch (const Excecao&) {
        return std::nullopt;
    }
}

}  // namespace zq
