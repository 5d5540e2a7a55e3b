#include "gim-records/Reg8805.h"

#include "record-model/comum/Texto.h"

namespace zq {

TReg8805::TReg8805() : TRegSintegra("8805", 116) {}

void TReg8805::DocumentoCom14Digitos(std::string_view texto, std::string& destino) {
    SoDigitos(texto, destino);
    if (destino.size() < 14) destino.insert(0, 14 - destino.size(), '0');
}

void TReg8805::EmailNormalizado(std::string_view texto, std::string& destino) {
    NormalizarTexto(texto, destino);
    Minusculas(destino, destino);
}

}  // namespace zq
