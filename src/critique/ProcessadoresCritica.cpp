#include "critique/ProcessadoresCritica.h"

#include "critique/fechamento/CriticasFinais.h"
#include "critique/handlers/ProcessadorRegistro10.h"
#include "critique/handlers/ProcessadorRegistro50.h"
#include "critique/handlers/ProcessadorRegistro53.h"
#include "critique/handlers/ProcessadorRegistro54.h"
#include "critique/handlers/ProcessadorRegistro55.h"
#include "critique/handlers/ProcessadorRegistro60.h"
#include "critique/handlers/ProcessadorRegistro61.h"
#include "critique/handlers/ProcessadorRegistro70.h"
#include "critique/handlers/ProcessadorRegistro71.h"
#include "critique/handlers/ProcessadorRegistro76.h"
#include "critique/handlers/ProcessadorRegistro88.h"
#include "critique/handlers/ProcessadorRegistro90.h"

namespace zq {

ProcessadoresCritica::ProcessadoresCritica(ContextoCritica& contexto) : contexto_(contexto) {
    Registrar(10, std::make_unique<ProcessadorRegistro10>(contexto_, objetos_));
    Registrar(50, std::make_unique<ProcessadorRegistro50>(contexto_, objetos_));
    Registrar(53, std::make_unique<ProcessadorRegistro53>(contexto_, objetos_));
    Registrar(54, std::make_unique<ProcessadorRegistro54>(contexto_, objetos_));
    Registrar(55, std::make_unique<ProcessadorRegistro55>(contexto_));
    Registrar(60, std::make_unique<ProcessadorRegistro60>(contexto_, objetos_));
    Registrar(61, std::make_unique<ProcessadorRegistro61>(contexto_, objetos_));
    Registrar(70, std::make_unique<ProcessadorRegistro70>(contexto_, objetos_));
    Registrar(71, std::make_unique<ProcessadorRegistro71>(contexto_));
    Registrar(76, std::make_unique<ProcessadorRegistro76>(contexto_, objetos_));
    Registrar(88, std::make_unique<ProcessadorRegistro88>(contexto_, objetos_));
    Registrar(90, std::make_unique<ProcessadorRegistro90>(contexto_, objetos_));
}

ProcessadoresCritica::~ProcessadoresCritica() = default;

void ProcessadoresCritica::Registrar(int tipo, std::unique_ptr<ProcessadorRegistro> processador) {
    porTipo_[static_cast<std::size_t>(tipo)] = processador.get();
    processadores_.push_back(std::move(processador));
}

void ProcessadoresCritica::CriticasFinais() { zq::CriticasFinais(contexto_, objetos_).Executar(); }

}  // namespace zq
