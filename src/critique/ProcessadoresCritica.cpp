#include "critique/ProcessadoresCritica.h"

#include "critique/handlers/ProcessadorRegistro10.h"
#include "critique/handlers/ProcessadorRegistro88.h"

namespace zq {

ProcessadoresCritica::ProcessadoresCritica(ContextoCritica& contexto) : contexto_(contexto) {
    Registrar(10, std::make_unique<ProcessadorRegistro10>(contexto_, objetos_));
    Registrar(88, std::make_unique<ProcessadorRegistro88>(contexto_, objetos_));
}

ProcessadoresCritica::~ProcessadoresCritica() = default;

void ProcessadoresCritica::Registrar(int tipo, std::unique_ptr<ProcessadorRegistro> processador) {
    porTipo_[static_cast<std::size_t>(tipo)] = processador.get();
    processadores_.push_back(std::move(processador));
}

void ProcessadoresCritica::CriticasFinais() {}

}  // namespace zq
