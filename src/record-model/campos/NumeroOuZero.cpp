#include "record-model/campos/NumeroOuZero.h"

#include "record-model/comum/Digitos.h"
#include "record-model/comum/Texto.h"

namespace zq {

std::int32_t NumeroOuZero(std::string_view texto) {
    const std::string_view digitos = Aparar(texto);
    if (digitos.size() > 9 || !SoDigitosEm(digitos)) return 0;
    return static_cast<std::int32_t>(*ValorDosDigitos(digitos));
}

}  // namespace zq
