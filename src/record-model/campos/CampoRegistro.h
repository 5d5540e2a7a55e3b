#pragma once
// One field of a record class: its columns in the line, how it reads them, how it writes its value back and
// how it is cleared.
//
// A field created with its record joins the record's field list, in creation order, which is the order in
// which the record reads its fields (so member declaration order is reading order); the record writes them
// back at their columns. Every change of a field's value marks its record altered.

#include <string>
#include <string_view>

#include "record-model/campos/Conversoes.h"

namespace zq {

class TRegSintegra;

class TCampoRegistro {
public:
    TCampoRegistro(const TCampoRegistro&) = delete;
    TCampoRegistro& operator=(const TCampoRegistro&) = delete;
    virtual ~TCampoRegistro() = default;

    // First column (1-based) and width.
    int Posicao() const { return posicao_; }
    int Tamanho() const { return tamanho_; }
    // Moves the field for another layout of its record. Width 0 leaves the field out of the layout: the record
    // then clears it instead of reading it, and does not write it.
    void SetColunas(int posicao, int tamanho);

    virtual void Ler(std::string_view linha) = 0;
    // Appends the field's text as written in a line, normally `Tamanho` characters.
    virtual void Montar(std::string& linha) const = 0;
    virtual void Limpar() = 0;

protected:
    // `registro` may be null for a field that stands alone.
    TCampoRegistro(TRegSintegra* registro, int posicao, int tamanho);

    std::string_view ColunasDe(std::string_view linha) const { return Colunas(linha, posicao_, tamanho_); }
    void MarcarAlterado();
    TRegSintegra* Registro() const { return registro_; }

private:
    void ValidarColunas(int posicao, int tamanho) const;

    TRegSintegra* registro_;
    int posicao_;
    int tamanho_;
};

}  // namespace zq
