#pragma once
// The base of every record class: a record object is created once and parses every line of its type.
//
// A record class declares its prefix, its minimum line length and its fields, as members created with the
// record (see CampoRegistro.h, CampoSintegra.h, CamposRegistro.h), in reading order:
//
//     class TRegExemplo : public TRegSintegra {
//     public:
//         TRegExemplo() : TRegSintegra("71", 126) {}
//         const std::string& Cnpj() const { return cnpj_.Valor(); }
//         void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
//     private:
//         TCampoTexto cnpj_{*this, 3, 14, normalizacao::Digitos};
//         TCampoSintegra valor_{*this, tcMonetario, 2, 14, 17, "Valor total da nota fiscal"};
//     };
//
// The base reads the fields in that order, writes them back at their columns and collects the failures of the
// descriptors. A class with a rule of its own redefines LimparCampos, MontarCampos or LerCampos.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/comum/Excecao.h"

namespace zq {

class TCampoRegistro;
class TCampoSintegra;

// An error of the last parse: the record prefix with the descriptor that failed, or a finished message of the
// record class with no descriptor.
struct ErroRegistro {
    std::string Texto;
    const TCampoSintegra* Campo = nullptr;
};

using ListaErros = std::vector<ErroRegistro>;

// The field errors of a line. Its message is the record prefix. It keeps its own copy of the list; the
// descriptors of the entries belong to the record.
class ERegSintegraInvalido : public Excecao {
public:
    ERegSintegraInvalido(const std::string& tipo, const ListaErros& erros);
    const ListaErros& Erros() const { return *erros_; }

private:
    std::shared_ptr<const ListaErros> erros_;
};

class TRegSintegra {
public:
    // Raises Excecao when the first two characters of `tipo` are not a SINTEGRA record type.
    TRegSintegra(std::string tipo, int tamanhoMinimo);
    TRegSintegra(const TRegSintegra&) = delete;
    TRegSintegra& operator=(const TRegSintegra&) = delete;
    virtual ~TRegSintegra() = default;

    // The prefix a line must begin with: "10", "60A", "8801"...
    const std::string& Tipo() const { return tipo_; }
    int NumeroTipo() const { return numeroTipo_; }
    int TamanhoMinimo() const { return tamanhoMinimo_; }
    bool ExigeTamanho() const { return tamanhoMinimo_ > 0; }
    // The line as last set or recomposed.
    const std::string& Linha() const { return linha_; }
    // The record holds content: a line was set or a field was given a value.
    bool Presente() const { return presente_; }
    // A field was set since the line was last set or recomposed.
    bool Alterado() const { return alterado_; }
    const ListaErros& Erros() const { return erros_; }
    bool Valido() const { return erros_.empty(); }

    void Limpar();
    // Parses a line; an empty line empties the record. Raises Excecao for a wrong prefix or a short line (the
    // fields unchanged), ERegSintegraInvalido after reading every field when descriptors failed, and the
    // conversion exceptions of a plain field, which stop the parse.
    void SetLinha(std::string_view linha);
    // The line, recomposed from the fields when altered, padded with spaces to the minimum length; empty when
    // the record is not present.
    std::string GetLinha();
    void SetAlterado(bool alterado);

    // Reads a descriptor from the line; its failure joins Erros.
    void LerCampo(std::string_view linha, TCampoSintegra& campo);

protected:
    // By default over the fields in their order: clear each one; write each one at its columns (the text that
    // follows the prefix); read each one from the line (a field of width 0 is cleared).
    virtual void LimparCampos();
    virtual std::string MontarCampos();
    virtual void LerCampos(std::string_view linha);

    // A finished message of the record class, reported as it stands.
    void AdicionarErro(std::string mensagem);

private:
    friend class TCampoRegistro;
    void Registrar(TCampoRegistro& campo);

    std::string tipo_;
    int tamanhoMinimo_;
    int numeroTipo_;
    std::string linha_;
    bool alterado_ = false;
    bool presente_ = false;
    ListaErros erros_;
    std::vector<TCampoRegistro*> campos_;
};

}  // namespace zq
