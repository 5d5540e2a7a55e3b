#include "record-model/comum/TextoParaInteiro.h"

#include "record-model/comum/Digitos.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"

namespace zq {

int TextoParaInteiro(std::string_view texto) {
    constexpr std::size_t kMaximoDigitos = 9;
    const auto valor = texto.size() <= kMaximoDigitos ? ValorDosDigitos(texto) : std::nullopt;
    if (!valor) throw EErroConversao(Formatar("'%s' não é um valor inteiro válido", {texto}));
    return static_cast<int>(*valor);
}

}  // namespace zq
