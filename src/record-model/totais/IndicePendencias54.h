#pragma once
// The pending records 50 and a hash index over their record-54 keys.
//
// Entries are appended in the order of registration, numbered by it, and only marked when settled. The
// settled ones at the head are dropped as they come (records 54 usually follow the order of their
// records 50); those left between pending ones are dropped, and the rest renumbered, once they outnumber
// the pending ones. Memory thus follows the number of invoices pending at the same time. Each slot of the
// index holds the last entry registered with its key, which chains to the earlier pending entries of the
// same key.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace zq {

class TIndicePendencias54 {
public:
    // Key of a record 50: CNPJ, model, series, number, CFOP, rate (the key of its records 54), date, state.
    static constexpr std::size_t kTamanhoChave50 = 43;
    // Key of a record 54: CNPJ, model, series, number, CFOP, rate.
    static constexpr std::size_t kTamanhoChave54 = 33;
    using Chave = std::array<char, kTamanhoChave50>;

    struct Pendencia {
        Chave chave;
        bool pendente;
        std::uint32_t proximaMesmaChave;
        std::int64_t numeroLinha;
    };

    TIndicePendencias54();

    static std::uint32_t Hash(const char* chave54);

    void Registrar(const Chave& chave, std::uint32_t hash, std::int64_t numeroLinha);
    // Settles every pending entry whose record-54 key is `chave54`.
    void Baixar(const char* chave54, std::uint32_t hash);

    // Hints for an operation to come, so that its memory is on the way while other lines are read: the slot
    // of its hash and, once that slot is at hand, the entry it leads to.
    void AnteciparPosicao(std::uint32_t hash) const;
    void AnteciparEntrada(std::uint32_t hash) const;

    std::size_t Quantidade() const { return quantidade_; }

    // Calls `visitar(const Pendencia&)` for each pending entry, in the order of registration.
    template <typename Visitante>
    void ParaCadaPendencia(Visitante&& visitar) const {
        for (std::uint32_t i = primeira_; i < total_; ++i) {
            const Pendencia& pendencia = Entrada(i);
            if (pendencia.pendente) visitar(pendencia);
        }
    }

private:
    static constexpr std::uint32_t kNenhum = UINT32_MAX;
    static constexpr unsigned kBitsBloco = 13;
    static constexpr std::uint32_t kEntradasPorBloco = std::uint32_t{1} << kBitsBloco;

    // The first entry of one record-54 key and the hash of that key, kept here so that probing does not
    // visit the entries.
    struct Posicao {
        std::uint32_t indice = kNenhum;
        std::uint32_t hash = 0;
    };

    Pendencia& Entrada(std::uint32_t indice) {
        return blocos_[(indice - base_) >> kBitsBloco][indice & (kEntradasPorBloco - 1)];
    }
    const Pendencia& Entrada(std::uint32_t indice) const {
        return blocos_[(indice - base_) >> kBitsBloco][indice & (kEntradasPorBloco - 1)];
    }

    // The first slot from the hash's own that is empty or holds the same hash and satisfies `aceita`; the
    // table is at most half full, so there is always an empty one.
    template <typename Aceita>
    std::size_t Sondar(std::uint32_t hash, Aceita&& aceita) const {
        const std::size_t mascara = tabela_.size() - 1;
        for (std::size_t posicao = hash & mascara;; posicao = (posicao + 1) & mascara) {
            const Posicao& candidata = tabela_[posicao];
            if (candidata.indice == kNenhum || (candidata.hash == hash && aceita(candidata))) return posicao;
        }
    }
    std::size_t Procurar(const char* chave54, std::uint32_t hash) const;
    void Indexar(std::uint32_t indice, std::uint32_t hash);
    void RemoverDaTabela(std::size_t posicao);
    void Redimensionar(std::size_t posicoes);
    void DescartarBaixadasDoInicio();
    void Compactar();

    // Entries in fixed blocks: growing never moves them. The first block starts at number `base_`, the
    // first entry kept is number `primeira_`, the next one registered will be number `total_`.
    std::deque<std::unique_ptr<Pendencia[]>> blocos_;
    std::uint32_t base_ = 0;
    std::uint32_t primeira_ = 0;
    std::uint32_t total_ = 0;
    std::size_t quantidade_ = 0;
    // Open addressing with linear probing, at most half full.
    std::vector<Posicao> tabela_;
    std::size_t chavesNaTabela_ = 0;
};

}  // namespace zq
