#pragma once
// The branch of 8829, the value added per municipality: the records go to TQuadroV of the reference
// database, which checks, sums and looks them up.

#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

class Ramo8829 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override {
        objetos_.complementos.quadroV->Ler(linha.texto, Registro10().inscricao, Registro10().periodo,
                                           contexto_.mensagens.ListaRejeicoes);
    }
};

}  // namespace zq
