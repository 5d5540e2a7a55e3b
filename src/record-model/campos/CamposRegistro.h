#pragma once
// The plain fields of the record classes: a typed value read from its columns when a line is parsed, written
// back at its columns when the line is recomposed. A conversion failure while reading stops the parse with the
// conversion's exception (EFormatoInvalido, EValorNegativo).

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CampoRegistro.h"
#include "record-model/campos/Cfop.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// How a text attribute is normalised whenever it is set.
using Normalizacao = void (*)(std::string_view texto, std::string& destino);

namespace normalizacao {
void ComoLido(std::string_view texto, std::string& destino);
// Only "0" to "9".
void Digitos(std::string_view texto, std::string& destino);
// Letters and digits only, upper case.
void LetrasEDigitos(std::string_view texto, std::string& destino);
// Letters and digits only, upper case; "ISENTO" when nothing is left.
void Inscricao(std::string_view texto, std::string& destino);
// Blanks removed at both ends.
void Aparado(std::string_view texto, std::string& destino);
void Maiusculo(std::string_view texto, std::string& destino);
void AparadoMaiusculo(std::string_view texto, std::string& destino);
// Trimmed, runs of spaces reduced to one, accents removed (names, addresses).
void Normalizado(std::string_view texto, std::string& destino);
}  // namespace normalizacao

// How a text shorter than its width is written.
enum class Preenchimento { EspacosADireita, ZerosAEsquerda };

class TCampoTexto : public TCampoRegistro {
public:
    TCampoTexto(TRegSintegra& registro, int posicao, int tamanho, Normalizacao normalizacao = normalizacao::ComoLido,
                Preenchimento preenchimento = Preenchimento::EspacosADireita);

    const std::string& Valor() const { return valor_; }
    void Set(std::string_view valor);

    void Ler(std::string_view linha) override { Set(ColunasDe(linha)); }
    // Cut to the width, then filled.
    void Montar(std::string& linha) const override;
    // Empty, whatever the normalisation.
    void Limpar() override;

private:
    Normalizacao normalizacao_;
    Preenchimento preenchimento_;
    std::string valor_;
};

// One character; the null character when cleared or when the line has no such column (written as a space).
class TCampoCaractere : public TCampoRegistro {
public:
    TCampoCaractere(TRegSintegra& registro, int posicao, bool maiusculo = false);

    char Valor() const { return valor_; }
    void Set(char valor);

    void Ler(std::string_view linha) override;
    void Montar(std::string& linha) const override;
    void Limpar() override { Set('\0'); }

private:
    bool maiusculo_;
    char valor_ = '\0';
};

// A field holding a value of type T, cleared to T{}.
template <class T>
class TCampoValor : public TCampoRegistro {
public:
    const T& Valor() const { return valor_; }
    void Set(const T& valor) {
        valor_ = valor;
        MarcarAlterado();
    }
    void Limpar() override { Set(T{}); }

protected:
    TCampoValor(TRegSintegra& registro, int posicao, int tamanho) : TCampoRegistro(&registro, posicao, tamanho) {}

private:
    T valor_{};
};

// "yyyymmdd"; no date (std::nullopt) when cleared, written as "00000000".
class TCampoData : public TCampoValor<std::optional<std::chrono::year_month_day>> {
public:
    TCampoData(TRegSintegra& registro, int posicao) : TCampoValor(registro, posicao, 8) {}

    void Ler(std::string_view linha) override { Set(DataDoCampo(linha, Posicao())); }
    void Montar(std::string& linha) const override;
};

// An amount of digits only with implied decimals.
class TCampoMonetario : public TCampoValor<Moeda> {
public:
    TCampoMonetario(TRegSintegra& registro, int posicao, int tamanho, int decimais = 2)
        : TCampoValor(registro, posicao, tamanho), decimais_(decimais) {}

    void Ler(std::string_view linha) override { Set(MonetarioDoCampo(linha, Posicao(), Tamanho(), decimais_)); }
    void Montar(std::string& linha) const override { linha += MonetarioParaCampo(Tamanho(), decimais_, Valor()); }

private:
    int decimais_;
};

// A rate or quantity of digits only with implied decimals (1700 with 2 decimals is 17.00).
class TCampoDecimal : public TCampoValor<double> {
public:
    TCampoDecimal(TRegSintegra& registro, int posicao, int tamanho, int decimais = 2)
        : TCampoValor(registro, posicao, tamanho), decimais_(decimais) {}

    void Ler(std::string_view linha) override { Set(DecimalDoCampo(linha, Posicao(), Tamanho(), decimais_)); }
    void Montar(std::string& linha) const override { linha += DecimalParaCampo(Tamanho(), decimais_, Valor()); }

private:
    int decimais_;
};

class TCampoInteiro : public TCampoValor<std::int32_t> {
public:
    TCampoInteiro(TRegSintegra& registro, int posicao, int tamanho) : TCampoValor(registro, posicao, tamanho) {}

    void Ler(std::string_view linha) override { Set(InteiroDoCampo(linha, Posicao(), Tamanho())); }
    void Montar(std::string& linha) const override { linha += InteiroParaCampo(Tamanho(), Valor()); }
};

class TCampoInteiro64 : public TCampoValor<std::int64_t> {
public:
    TCampoInteiro64(TRegSintegra& registro, int posicao, int tamanho) : TCampoValor(registro, posicao, tamanho) {}

    void Ler(std::string_view linha) override { Set(Inteiro64DoCampo(linha, Posicao(), Tamanho())); }
    void Montar(std::string& linha) const override { linha += InteiroParaCampo(Tamanho(), Valor()); }
};

// The CFOP of a document, read with TCfop::SetTexto (a code that is not a number is 0).
class TCampoCfop : public TCampoRegistro {
public:
    TCampoCfop(TRegSintegra& registro, int posicao, int tamanho) : TCampoRegistro(&registro, posicao, tamanho) {}

    const TCfop& Valor() const { return cfop_; }
    void SetCodigo(std::int32_t codigo);
    void SetTexto(std::string_view texto);

    void Ler(std::string_view linha) override { SetTexto(ColunasDe(linha)); }
    void Montar(std::string& linha) const override;
    void Limpar() override { SetCodigo(0); }

private:
    TCfop cfop_;
};

}  // namespace zq
