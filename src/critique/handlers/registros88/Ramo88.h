#pragma once
// The rules of one type-88 sub-type, run after the line has passed the frame checks and reached the record set.

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "critique/ContextoCritica.h"
#include "critique/declaracao/ObjetosDeclaracao.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

struct LinhaRegistro88 {
    const std::string& texto;
    long long numero;
    // What the line added to the record set's errors: the field errors of its record, or why it was not read.
    std::span<const ErroRegistro> erros;
};

class Ramo88 {
public:
    virtual ~Ramo88() = default;
    virtual void Processar(const LinhaRegistro88& linha) = 0;
};

// The branches by sub-type number; a sub-type without one does nothing beyond the frame.
using TabelaRamos88 = std::array<std::unique_ptr<Ramo88>, 100>;

// What the branches share: the messages, the declaration's flags and counts, the record set.
class RamoRegistro88 : public Ramo88 {
public:
    RamoRegistro88(ContextoCritica& contexto, ObjetosDeclaracao& objetos) : contexto_(contexto), objetos_(objetos) {}

protected:
    EstadoDeclaracao& Declaracao() { return contexto_.declaracao; }
    const DadosRegistro10& Registro10() const { return contexto_.registro10; }
    const TRegs88& Registros() const { return objetos_.registros88; }

    void Rejeitar(std::string mensagem) { contexto_.mensagens.ListaRejeicoes.push_back(std::move(mensagem)); }
    void Advertir(std::string mensagem) { contexto_.mensagens.ListaAdvertencias.push_back(std::move(mensagem)); }
    // To the deferred messages of the special-rule list when the declarant has one, else a rejection.
    void RejeitarOuAdiar(std::string mensagem);
    bool SemRejeicoes() const { return contexto_.mensagens.ListaRejeicoes.empty(); }

    // Marks the sub-type present and counts its line.
    void Registrar(int subtipo);
    // A sub-type this one needs: when it was not read, the rejection, and the sub-type is marked present so that
    // the later lines do not repeat it.
    void Exigir(int subtipo, const char* rejeicao);
    // "REJEICAO (REG.<registro>): Campo: <campo> - Erro: <erro>." for each field error of the line; the other
    // errors as their own text.
    void RelatarErros(const LinhaRegistro88& linha);

    // The ICMS debits of the national records: 50 and 76, 70, 60 and 61.
    Moeda DebitosApurados() const;

    ContextoCritica& contexto_;
    ObjetosDeclaracao& objetos_;
};

// Characters of the line, trimmed; empty when the line ends before them.
std::string_view ColunasAparadas(std::string_view linha, int posicao, int tamanho);
// Not empty and made of decimal digits only.
bool SoDigitosDecimais(std::string_view texto);
// An amount as a plain decimal number: comma, no grouping, no trailing zeros ("1234,5", "10", "-0,01").
std::string ValorDecimalSimples(Moeda valor);

}  // namespace zq
