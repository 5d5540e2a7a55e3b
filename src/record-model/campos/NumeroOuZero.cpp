#include "record-model/campos/NumeroOuZero.h"

#include <algorithm>

#include "record-model/comum/Texto.h"

namespace zq {

std::int32_t NumeroOuZero(std::string_view texto) {
    const std::string_view digitos = Aparar(texto);
    if (digitos.empty() || digitos.size() > 9 || !std::all_of(digitos.begin(), digitos.end(), IsDigito)) return 0;
    std::int32_t numero = 0;
    for (char c : digitos) numero = numero * 10 + (c - '0');
    return numero;
}

}  // namespace zq
