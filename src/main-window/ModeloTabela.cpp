#include "main-window/ModeloTabela.h"

namespace zq::janela {
namespace {

bool Marcador(char c) {
    switch (c) {
        case '9': case '0': case '#': case 'L': case 'l': case 'A': case 'a': case 'C': case 'c':
            return true;
        default:
            return false;
    }
}

bool Modificador(char c) { return c == '>' || c == '<' || c == '!'; }

}  // namespace

std::string ComMascara(const std::string& mascara, const std::string& valor) {
    const std::string desenho = mascara.substr(0, mascara.find(';'));
    if (desenho.empty()) return valor;
    std::string texto;
    std::size_t usados = 0;
    for (std::size_t i = 0; i < desenho.size(); ++i) {
        const char c = desenho[i];
        if (Modificador(c)) continue;
        if (c == '\\' && i + 1 < desenho.size()) {
            texto += desenho[++i];
        } else if (Marcador(c)) {
            if (usados >= valor.size()) return valor;
            texto += valor[usados++];
        } else {
            texto += c;
        }
    }
    return usados == valor.size() ? texto : valor;
}

void TModeloTabelaBase::Recarregar() {
    beginResetModel();
    endResetModel();
    emit Recarregada();
}

}  // namespace zq::janela
