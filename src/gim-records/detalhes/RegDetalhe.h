#pragma once
// The pattern of the GIM's detail records (sub-types 19 to 30): a title for the format messages, a table of
// fields with the check each one must pass, and `Ler`, which accepts a line only when every check passes.
// A rejected line changes nothing: the fields keep the last accepted line and no counter moves. One object
// reads every line of its sub-type during a critique run, so its counters cover the whole file.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/comum/Moeda.h"

namespace zq {

enum class VerificacaoCampo { Nenhuma, Monetario, Inteiro, Inteiro64, Decimal };

struct CampoDetalhe {
    int numero;  // as in the authority's messages: 1 is the type 88, 2 the sub-type
    int posicao;
    int tamanho;
    VerificacaoCampo verificacao = VerificacaoCampo::Nenhuma;
    const char* rotulo = "";
    int decimais = 0;  // of a decimal field
};

class TRegDetalhe {
public:
    virtual ~TRegDetalhe() = default;
    TRegDetalhe(const TRegDetalhe&) = delete;
    TRegDetalhe& operator=(const TRegDetalhe&) = delete;

    // Every check of the table, in its order, each failure one rejection "REJEIÇÃO (Reg <título>) Campo '<rótulo>'
    // <motivo>: '<colunas>'"; true when the line was accepted.
    bool Ler(std::string_view linha, std::vector<std::string>& rejeicoes);

    const std::string& Titulo() const { return titulo_; }
    // Accepted lines.
    int Quantidade() const { return quantidade_; }

protected:
    // `campos` lists fields 3 onwards in order; it must outlive the object. Until a line is accepted the checked
    // fields are zero and the others blank.
    TRegDetalhe(std::string titulo, std::span<const CampoDetalhe> campos);

    // The checks alone; nothing is kept.
    bool Verificar(std::string_view linha, std::vector<std::string>& rejeicoes) const;
    // Keeps the line as the accepted one and counts it.
    void Aceitar(std::string_view linha);
    // The counters of an accepted line beyond Quantidade.
    virtual void Contar() {}

    // The fields of the last accepted line (a checked field always converts, unchecked ones are texts).
    std::string_view Texto(int campo) const;
    std::int32_t Inteiro(int campo) const;
    std::int64_t Inteiro64(int campo) const;
    Moeda Monetario(int campo) const;
    // The digits divided by 10^decimais of the field's table entry.
    double Decimal(int campo) const;

    // The columns of a field in a line that was not necessarily accepted.
    std::string_view ColunasDoCampo(std::string_view linha, int campo) const;

private:
    const CampoDetalhe& Campo(int numero) const;

    std::string titulo_;
    std::span<const CampoDetalhe> campos_;
    std::string linha_;
    int quantidade_ = 0;
};

// Tank numbers as decimal text, each once, in order of first appearance.
class ListaTanques {
public:
    void Acrescentar(int tanque);
    bool Contem(std::string_view tanque) const;
    int Quantidade() const { return static_cast<int>(tanques_.size()); }

private:
    std::vector<std::string> tanques_;
};

}  // namespace zq
