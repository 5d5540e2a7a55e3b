#include "record-model/registros/RegNotaFiscal.h"

#include "record-model/campos/Conversoes.h"

namespace zq {

TRegNotaFiscal::TRegNotaFiscal(std::string tipo) : TRegSintegra(std::move(tipo), 126) {}

void TRegNotaFiscal::SetLeiauteAntigo(bool antigo) {
    leiauteAntigo_ = antigo;
    subserie_.SetColunas(46, antigo ? 2 : 0);
    numero_.SetColunas(antigo ? 48 : 46, 6);
    cfop_.SetColunas(antigo ? 54 : 52, antigo ? 3 : 4);
    emitente_.SetColunas(56, antigo ? 0 : 1);
}

std::string TRegNotaFiscal::NumeroTexto() const { return InteiroParaCampo(6, numero_.Valor()); }

}  // namespace zq
