#include "record-model/comum/TextoParaInteiro.h"

#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"

namespace zq {

int TextoParaInteiro(std::string_view texto) {
    constexpr std::size_t kMaximoDigitos = 9;
    bool valido = !texto.empty() && texto.size() <= kMaximoDigitos;
    int valor = 0;
    for (std::size_t i = 0; valido && i < texto.size(); ++i) {
        valido = texto[i] >= '0' && texto[i] <= '9';
        valor = valor * 10 + (texto[i] - '0');
    }
    if (!valido) throw EErroConversao(Formatar("'%s' não é um valor inteiro válido", {texto}));
    return valor;
}

}  // namespace zq
