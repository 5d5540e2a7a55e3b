#include "record-model/campos/Cfop.h"

#include <algorithm>
#include <charconv>

#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

// A whole text of decimal digits within `int32_t`; 0 for any other text, a sign included.
std::int32_t InteiroOuZero(std::string_view texto) {
    if (texto.empty() || !std::all_of(texto.begin(), texto.end(), IsDigito)) return 0;
    std::int32_t valor = 0;
    const auto lido = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return lido.ec == std::errc() ? valor : 0;
}

}  // namespace

std::string NaturezaCfop(std::string_view texto) {
    const std::string aparado = AparaEspacos(texto);
    if (aparado.empty()) return "<CFOP não informado (vazio)>";
    switch (aparado.front()) {
        case '1':
        case '2':
        case '3': return "Entrada";
        case '5':
        case '6':
        case '7': return "Saída";
        default: return Formatar("<CFOP inválido (%s)>", {aparado});
    }
}

TCfop::TCfop() : TCfop(0) {}

TCfop::TCfop(std::int32_t codigo) { SetCodigo(codigo); }

void TCfop::SetCodigo(std::int32_t codigo) {
    codigo_ = codigo;
    texto_ = std::to_string(codigo);
    primeiroDigito_ = IsDigito(texto_.front()) ? texto_.front() - '0' : 0;
    complemento_ = InteiroOuZero(std::string_view(texto_).substr(1, 3));  // a number's text holds no blanks
    natureza_ = NaturezaCfop(texto_);
}

void TCfop::SetTexto(std::string_view texto) { SetCodigo(InteiroOuZero(AparaEspacos(texto))); }

}  // namespace zq
