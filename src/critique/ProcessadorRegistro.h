#pragma once

#include "critique/ContextoCritica.h"

namespace zq {

// The rules of one record type, applied to every line of that type.
class ProcessadorRegistro {
public:
    virtual ~ProcessadorRegistro() = default;
    virtual void Processar(const LinhaCritica& linha) = 0;
};

}  // namespace zq
