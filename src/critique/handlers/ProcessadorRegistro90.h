#pragma once

#include "critique/ProcessadorRegistro.h"
#include "critique/declaracao/ObjetosDeclaracao.h"

namespace zq {

// Record 90 closes the declaration: the first one runs the checks that need the whole file (invoice gaps,
// pending records 54, order and counts of the type-88 records, ST reconciliation, the records the regime
// requires).
class ProcessadorRegistro90 final : public ProcessadorRegistro {
public:
    ProcessadorRegistro90(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
        : contexto_(contexto), objetos_(objetos) {}
    void Processar(const LinhaCritica& linha) override;

private:
    void VerificarEntregaRegimeNormal();
    void VerificarSequencia88();
    void RelatarNotasSem54();
    void VerificarQuantidades();
    void VerificarSimplesNacional();
    void ConciliarSubstituicao();
    void VerificarTanques();
    void VerificarRecibo8830();
    void RelatarErros88();
    void VerificarRegistrosExigidos();

    void Rejeitar(std::string mensagem) { contexto_.mensagens.ListaRejeicoes.push_back(std::move(mensagem)); }
    EstadoDeclaracao& Declaracao() { return contexto_.declaracao; }
    int Quantidade88(int subtipo) const { return contexto_.declaracao.Registro88(subtipo).quantidade; }
    bool Presente88(int subtipo) const { return contexto_.declaracao.Registro88(subtipo).presente; }

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
};

}  // namespace zq
