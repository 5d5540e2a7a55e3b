#include "critique/handlers/ProcessadorRegistro54.h"

namespace zq {

void ProcessadorRegistro54::Processar(const LinhaCritica& linha) {
    contexto_.declaracao.existe54 = true;
    ++contexto_.declaracao.quantidade54;
    objetos_.controle54.BaixarRegistro54(linha.texto);
}

}  // namespace zq
