#include "record-model/campos/Cfop.h"

#include <algorithm>
#include <cstdint>

#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

// A whole text of decimal digits within `int32_t`; 0 for any other text, a sign included.
std::int32_t InteiroOuZero(std::string_view texto) {
    if (texto.empty()) return 0;
    const std::string_view semZerosAEsquerda = texto.substr(std::min(texto.find_first_not_of('0'), texto.size()));
    if (semZerosAEsquerda.empty()) return 0;
    const auto valor = ValorDosDigitos(semZerosAEsquerda);
    return valor && *valor <= static_cast<std::uint64_t>(INT32_MAX) ? static_cast<std::int32_t>(*valor) : 0;
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

TCfop::TCfop(std::int32_t codigo) { Calcular(codigo); }

// A record reads the same few codes over and over: the texts are made again only when the code changes.
void TCfop::SetCodigo(std::int32_t codigo) {
    if (codigo != codigo_) Calcular(codigo);
}

void TCfop::Calcular(std::int32_t codigo) {
    codigo_ = codigo;
    texto_ = std::to_string(codigo);
    primeiroDigito_ = IsDigito(texto_.front()) ? texto_.front() - '0' : 0;
    complemento_ = InteiroOuZero(std::string_view(texto_).substr(1, 3));  // a number's text holds no blanks
    natureza_ = NaturezaCfop(texto_);
}

void TCfop::SetTexto(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        SetCodigo(0);
        return;
    }
    SetCodigo(InteiroOuZero(texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1)));
}

}  // namespace zq
