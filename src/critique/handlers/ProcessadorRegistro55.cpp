#include "critique/handlers/ProcessadorRegistro55.h"

namespace zq {

// A record 55 that cannot be parsed ends the pass.
void ProcessadorRegistro55::Processar(const LinhaCritica& linha) {
    const bool leiauteAntigo = contexto_.declaracao.codigoConvenio == 1;
    if (registro_.LeiauteAntigo() != leiauteAntigo) registro_.SetLeiauteAntigo(leiauteAntigo);
    registro_.SetLinha(linha.texto);
}

}  // namespace zq
