#pragma once
// The three message lists of a critique call. Every rule appends to them; only
// the report reads them.

#include <string>
#include <vector>

namespace zq {

struct MensagensCritica {
    std::vector<std::string> ListaRejeicoes;
    std::vector<std::string> ListaAdvertencias;
    std::vector<std::string> ListaAvisos;

    void Limpar() {
        ListaRejeicoes.clear();
        ListaAdvertencias.clear();
        ListaAvisos.clear();
    }
    bool Vazias() const { return ListaRejeicoes.empty() && ListaAdvertencias.empty() && ListaAvisos.empty(); }
};

}  // namespace zq
