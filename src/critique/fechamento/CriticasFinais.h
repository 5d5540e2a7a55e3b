#pragma once

#include "critique/ContextoCritica.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

// The checks after the last line of a file with type-88 records: the last fiscal printer, repeated GIM
// records, the old 8803 transfers and the messages deferred for a contributor with a special rule.
class CriticasFinais {
public:
    CriticasFinais(ContextoCritica& contexto, ObjetosDeclaracao& objetos) : contexto_(contexto), objetos_(objetos) {}
    void Executar();

private:
    void VerificarDetalhesRepetidos();
    void ConferirTransferencias8803();
    void ConcluirRegraEspecial();

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
};

}  // namespace zq
