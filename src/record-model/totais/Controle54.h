#pragma once
// Invoices (records 50) still waiting for their item records (54).
//
// A record 50 that needs items is pending from the time it is registered until a record 54 with the same
// CNPJ, model, series, number, CFOP and rate is read; one record 54 settles every pending record 50 of its
// key. Pending invoices are reported in the order in which they were registered.
//
// Cost per line is constant (a hash index over the pending keys) and memory follows the number of invoices
// pending at the same time, not the size of the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

class TControle54 {
public:
    // Key of a record 50: CNPJ, model, series, number, CFOP, rate (the key of its records 54), date, state.
    static constexpr std::size_t kTamanhoChave50 = 43;
    // Key of a record 54: CNPJ, model, series, number, CFOP, rate.
    static constexpr std::size_t kTamanhoChave54 = 33;

    TControle54();

    // A record 50 needs records 54 when its CFOP (columns 52-55) is not one of the operations without
    // goods, its situation (column 126) is "N" or "E" and its model (41-42) is 1, 55 or 4. Raises the
    // exception of InteiroDoTexto when the record type, or the CFOP or model it needs to look at, is not a
    // number. Columns missing from a short line count as blanks.
    void RegistrarRegistro50(std::string_view linha, std::int64_t numeroLinha);
    void BaixarRegistro54(std::string_view linha);

    std::size_t Pendencias() const { return quantidade_; }
    // Each pending record 50 as its key, "|" and its line number, in the order of registration.
    std::vector<std::string> ListaPendencias() const;
    // One warning per pending record 50, in the order of registration.
    void RelatarPendencias(std::vector<std::string>& advertencias) const;

private:
    using Chave = std::array<char, kTamanhoChave50>;
    static constexpr std::uint32_t kNenhum = UINT32_MAX;

    struct Pendencia {
        Chave chave;
        std::uint32_t anterior;           // in registration order
        std::uint32_t proxima;
        std::uint32_t proximaMesmaChave;  // the others of the same record-54 key
        std::int64_t numeroLinha;
    };

    // A slot of the index: the first pending entry of one record-54 key and the hash of that key, kept here so
    // that probing does not visit the entries.
    struct Posicao {
        std::uint32_t indice = kNenhum;
        std::uint32_t hash = 0;
    };

    static std::uint32_t Hash(const char* chave54);
    std::size_t Procurar(const char* chave54, std::uint32_t hash) const;
    void Inserir(const Chave& chave, std::int64_t numeroLinha);
    void LiberarCadeia(std::uint32_t primeira);
    void RemoverDaTabela(std::size_t posicao);
    void Crescer();

    std::vector<Pendencia> pendencias_;
    std::vector<std::uint32_t> livres_;
    std::uint32_t primeira_ = kNenhum;
    std::uint32_t ultima_ = kNenhum;
    std::size_t quantidade_ = 0;
    // Open addressing with linear probing, at most half full.
    std::vector<Posicao> tabela_;
    std::size_t chavesNaTabela_ = 0;
};

}  // namespace zq
