#pragma once
// Record 8806: the annual data declaration ("Dados Anuais"): stocks, cash and expenses of a year.

#include <cstdint>
#include <string>
#include <string_view>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8806 : public TRegSintegra {
public:
    TReg8806();

    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    // "aaaa" as read; empty when cleared.
    const std::string& Ano() const { return ano_.Conteudo(); }
    // "N" normal or "R" rectifying, upper case.
    char TipoEntrega() const { return tipoEntrega_.Valor(); }
    Moeda EstoqueTributavel() const { return estoqueTributavel_.AsMonetario(); }
    Moeda EstoqueNaoTributavel() const { return estoqueNaoTributavel_.AsMonetario(); }
    Moeda EstoqueSubstTributaria() const { return estoqueSubstTributaria_.AsMonetario(); }
    Moeda SaldoCaixa() const { return saldoCaixa_.AsMonetario(); }
    Moeda SaldoBancos() const { return saldoBancos_.AsMonetario(); }
    Moeda DespesasPessoal() const { return despesasPessoal_.AsMonetario(); }
    Moeda DespesasOutrosImpostos() const { return despesasOutrosImpostos_.AsMonetario(); }
    Moeda DespesasGerais() const { return despesasGerais_.AsMonetario(); }

    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetAno(std::int32_t valor) { ano_.SetInteiro(valor); }
    void SetTipoEntrega(char valor) { tipoEntrega_.Set(valor); }
    void SetEstoqueTributavel(Moeda valor) { estoqueTributavel_.SetMonetario(valor); }
    void SetEstoqueNaoTributavel(Moeda valor) { estoqueNaoTributavel_.SetMonetario(valor); }
    void SetEstoqueSubstTributaria(Moeda valor) { estoqueSubstTributaria_.SetMonetario(valor); }
    void SetSaldoCaixa(Moeda valor) { saldoCaixa_.SetMonetario(valor); }
    void SetSaldoBancos(Moeda valor) { saldoBancos_.SetMonetario(valor); }
    void SetDespesasPessoal(Moeda valor) { despesasPessoal_.SetMonetario(valor); }
    void SetDespesasOutrosImpostos(Moeda valor) { despesasOutrosImpostos_.SetMonetario(valor); }
    void SetDespesasGerais(Moeda valor) { despesasGerais_.SetMonetario(valor); }

protected:
    void LimparCampos() override;

private:
    TCampoTexto inscricaoEstadual_{*this, 5, 9};
    TCampoSintegra ano_{*this, tcInteiro, 0, 4, 14, "Ano Dados Anuais"};
    TCampoCaractere tipoEntrega_{*this, 18, true};
    TCampoSintegra estoqueTributavel_{*this, tcMonetario, 2, 13, 19, "Estoque Tributável"};
    TCampoSintegra estoqueNaoTributavel_{*this, tcMonetario, 2, 13, 32, "Estoque Não Tributável"};
    TCampoSintegra estoqueSubstTributaria_{*this, tcMonetario, 2, 13, 45, "Estoque Subst. Tributária"};
    TCampoSintegra saldoCaixa_{*this, tcMonetario, 2, 13, 58, "Saldo em Caixa"};
    TCampoSintegra saldoBancos_{*this, tcMonetario, 2, 13, 71, "Saldo em Bancos"};
    TCampoSintegra despesasPessoal_{*this, tcMonetario, 2, 13, 84, "Despesas com Pessoal"};
    TCampoSintegra despesasOutrosImpostos_{*this, tcMonetario, 2, 13, 97, "Despesas Outros Impostos"};
    TCampoSintegra despesasGerais_{*this, tcMonetario, 2, 13, 110, "Despesas Gerais"};
};

}  // namespace zq
