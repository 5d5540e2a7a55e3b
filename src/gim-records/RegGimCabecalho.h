#pragma once
// The GIM records that open with the declaration's header (8801, 8802, 8804, 8818): the state registration in
// columns 5-13, the period "aaaamm" in 14-19 and the delivery type in 20, "N" normal or "R" rectifying.
//
// Every GIM record class defines its constructor in its own source file, so that the labels of its fields are
// compiled as CP1252 text with this library whatever target includes the header.

#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TRegGimCabecalho : public TRegSintegra {
public:
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    const std::string& Periodo() const { return periodo_.Valor(); }
    char TipoEntrega() const { return tipoEntrega_.Valor(); }

    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetPeriodo(std::string_view valor) { periodo_.Set(valor); }
    void SetTipoEntrega(char valor) { tipoEntrega_.Set(valor); }

protected:
    TRegGimCabecalho(std::string tipo, int tamanhoMinimo) : TRegSintegra(std::move(tipo), tamanhoMinimo) {}

private:
    TCampoTexto inscricaoEstadual_{*this, 5, 9};
    TCampoTexto periodo_{*this, 14, 6};
    TCampoCaractere tipoEntrega_{*this, 20};
};

}  // namespace zq
