#include "record-model/comum/TextoParaInteiro.h"

#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"

namespace zq {

int TextoParaInteiro(std::string_view texto) {
    std::size_t i = texto.find_first_not_of(' ');
    if (i == std::string_view::npos) i = texto.size();
    const bool negativo = i < texto.size() && texto[i] == '-';
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) ++i;
    const std::string_view digitos = texto.substr(i);
    int valor = 0;
    bool valido = !digitos.empty() && digitos.size() <= 9;
    for (char c : digitos) {
        valido = valido && c >= '0' && c <= '9';
        valor = valor * 10 + (c - '0');
    }
    if (!valido) throw EErroConversao(Formatar("'%s' não é um valor inteiro válido", {texto}));
    return negativo ? -valor : valor;
}

}  // namespace zq
