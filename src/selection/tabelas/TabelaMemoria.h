#pragma once
// An in-memory table of the program: rows of one plain struct, a cursor, and the description of each field
// (name, type, size, label, edit mask) that the window shows. Values come out typed; the display text of a
// field is the one every front shows.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zq {

enum class TTipoCampo { Texto, Inteiro, DataHora, Logico };

using TValorCampo = std::variant<std::string, std::int64_t, std::chrono::local_seconds>;

struct TDefinicaoCampo {
    std::string Nome;
    TTipoCampo Tipo = TTipoCampo::Texto;
    int Tamanho = 0;         // texts only
    std::string Rotulo;      // display label; the name when empty
    std::string Mascara;     // edit mask, as the window's mask editor takes it
    bool Calculado = false;  // derived from the other fields
    bool Hexadecimal = false;  // displayed as 8 upper-case hexadecimal digits
};

// "dd/mm/yyyy hh:mm:ss".
std::string TextoDataHora(std::chrono::local_seconds instante);
// Texts as they are, booleans as 1 or 0, integers in decimal (8 upper-case hexadecimal digits when the field says so), date-times
// as TextoDataHora.
std::string TextoExibicao(const TDefinicaoCampo& campo, const TValorCampo& valor);

template <class TLinha>
class TTabelaMemoria {
public:
    struct Campo {
        TDefinicaoCampo Definicao;
        TValorCampo (*Ler)(const TLinha&);
    };

    explicit TTabelaMemoria(std::vector<Campo> campos) : campos_(std::move(campos)) {}

    const std::vector<Campo>& Campos() const { return campos_; }
    const Campo* CampoPorNome(std::string_view nome) const {
        for (const auto& campo : campos_) {
            if (campo.Definicao.Nome == nome) return &campo;
        }
        return nullptr;
    }

    void Esvaziar() {
        linhas_.clear();
        atual_ = 0;
    }
    void Acrescentar(TLinha linha) {
        linhas_.push_back(std::move(linha));
        atual_ = linhas_.size() - 1;
    }
    std::size_t Quantidade() const { return linhas_.size(); }
    bool Vazia() const { return linhas_.empty(); }
    const std::vector<TLinha>& Linhas() const { return linhas_; }
    TLinha& Alterar(std::size_t indice) { return linhas_.at(indice); }
    // Removes a row; the cursor stays on the row that takes its place, or the new last row.
    void Remover(std::size_t indice) {
        linhas_.erase(linhas_.begin() + static_cast<std::ptrdiff_t>(indice));
        if (atual_ >= linhas_.size()) atual_ = linhas_.empty() ? 0 : linhas_.size() - 1;
    }

    // The cursor: Fim() is true past the last row and on an empty table.
    void Primeiro() { atual_ = 0; }
    void Proximo() {
        if (atual_ < linhas_.size()) ++atual_;
    }
    bool Fim() const { return atual_ >= linhas_.size(); }
    void IrPara(std::size_t indice) { atual_ = indice; }
    std::size_t Posicao() const { return atual_; }
    const TLinha& Atual() const { return linhas_.at(atual_); }

    std::string Texto(const TLinha& linha, const Campo& campo) const {
        return TextoExibicao(campo.Definicao, campo.Ler(linha));
    }

private:
    std::vector<Campo> campos_;
    std::vector<TLinha> linhas_;
    std::size_t atual_ = 0;
};

}  // namespace zq
