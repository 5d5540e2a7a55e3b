#pragma once
// The filter of the main window over the scanned declarations: what goes into tblSelecao, and for the
// declarations left out, the reasons in words (tblResProces).

#include <string>

#include "selection/tabelas/TabelasValidador.h"

namespace zq {

enum class TTipoDeclaracao { Gim = 0, DadosAnuais = 1 };

struct TFiltroDeclaracoes {
    TTipoDeclaracao Tipo = TTipoDeclaracao::Gim;
    std::string Periodo;  // the period box: "yyyy-mm", "yyyy" or empty
    int Regime = 1;       // 1 Normal, 3 Simples Nacional
    bool Normal = true;
    bool Retificadora = true;
};

// The latest period a declaration may have: the current month "yyyy-mm" for a GIM, the current year "yyyy"
// for Dados Anuais.
struct TLimitesPeriodo {
    std::string Gim;
    std::string DadosAnuais;
};

TLimitesPeriodo LimitesDeHoje();

// Fills `selecao` with the rows of `sintegra` that the filter keeps, in order, and moves to its first row.
void SelecionarDeclaracoes(const TTabelaSintegra& sintegra, const TFiltroDeclaracoes& filtro,
                           const TLimitesPeriodo& limites, TTabelaSintegra& selecao);

// Fills `naoSelecionadas` with the rows of `sintegra` missing from `selecao` and their reasons, and moves to
// its first row. A row counts as selected when one of `selecao` has its inscrição and purpose (and its
// period, when the filter names one).
void ListarNaoSelecionadas(const TTabelaSintegra& sintegra, const TTabelaSintegra& selecao,
                           const TFiltroDeclaracoes& filtro, const TLimitesPeriodo& limites,
                           TTabelaResProces& naoSelecionadas);

}  // namespace zq
