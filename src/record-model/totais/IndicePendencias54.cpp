#include "record-model/totais/IndicePendencias54.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zq {
namespace {

constexpr std::size_t kMenorTabela = 1024;
// Settled entries are dropped once there are more of them than pending ones, and at least this many.
constexpr std::uint32_t kMenorCompactacao = 1024;
// Entry numbers restart from zero before they reach the number that marks no entry.
constexpr std::uint32_t kMaiorNumero = UINT32_MAX - 1;

std::uint64_t Misturar(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

}  // namespace

TIndicePendencias54::TIndicePendencias54() : tabela_(kMenorTabela) {}

// Each 8-byte block times its own odd constant, summed (independent multiplications), then mixed once.
std::uint32_t TIndicePendencias54::Hash(const char* chave54) {
    constexpr std::uint64_t kFatores[] = {0x9e3779b97f4a7c15ULL, 0xc2b2ae3d27d4eb4fULL, 0x165667b19e3779f9ULL,
                                          0x27d4eb2f165667c5ULL, 0xff51afd7ed558ccdULL};
    static_assert(kTamanhoChave54 == 4 * 8 + 1);
    std::uint64_t h = kFatores[4] * static_cast<unsigned char>(chave54[kTamanhoChave54 - 1]);
    for (std::size_t i = 0; i < 4; ++i) {
        std::uint64_t bloco;
        std::memcpy(&bloco, chave54 + 8 * i, 8);
        h += bloco * kFatores[i];
    }
    return static_cast<std::uint32_t>(Misturar(h));
}

void TIndicePendencias54::AnteciparPosicao(std::uint32_t hash) const {
    __builtin_prefetch(&tabela_[hash & (tabela_.size() - 1)]);
}

// The entry is only guessed (the first slot of the same hash, its key not compared), so the slot may be
// stale by the time the record is applied: only an entry still stored is prefetched.
void TIndicePendencias54::AnteciparEntrada(std::uint32_t hash) const {
    const Posicao& candidata = tabela_[Sondar(hash, [](const Posicao&) { return true; })];
    if (candidata.indice >= primeira_ && candidata.indice < total_) __builtin_prefetch(&Entrada(candidata.indice));
}

// The slot of the key, or the empty slot where it would go.
std::size_t TIndicePendencias54::Procurar(const char* chave54, std::uint32_t hash) const {
    return Sondar(hash, [&](const Posicao& candidata) {
        return std::memcmp(Entrada(candidata.indice).chave.data(), chave54, kTamanhoChave54) == 0;
    });
}

void TIndicePendencias54::Registrar(const Chave& chave, std::uint32_t hash, std::int64_t numeroLinha) {
    if (total_ == kMaiorNumero) Compactar();  // numbers start again from zero
    if (((total_ - base_) >> kBitsBloco) == blocos_.size()) {
        blocos_.push_back(std::make_unique_for_overwrite<Pendencia[]>(kEntradasPorBloco));
    }
    const std::uint32_t indice = total_++;
    Pendencia& pendencia = Entrada(indice);
    pendencia.chave = chave;
    pendencia.pendente = true;
    pendencia.numeroLinha = numeroLinha;
    Indexar(indice, hash);
    ++quantidade_;
}

// Makes the entry the first of its key in the index, chained to the ones already there.
void TIndicePendencias54::Indexar(std::uint32_t indice, std::uint32_t hash) {
    if ((chavesNaTabela_ + 1) * 2 > tabela_.size()) Redimensionar(tabela_.size() * 2);
    const std::size_t posicao = Procurar(Entrada(indice).chave.data(), hash);
    Entrada(indice).proximaMesmaChave = tabela_[posicao].indice;
    if (tabela_[posicao].indice == kNenhum) ++chavesNaTabela_;
    tabela_[posicao] = {indice, hash};
}

void TIndicePendencias54::Baixar(const char* chave54, std::uint32_t hash) {
    const std::size_t posicao = Procurar(chave54, hash);
    if (tabela_[posicao].indice == kNenhum) return;
    for (std::uint32_t i = tabela_[posicao].indice; i != kNenhum; i = Entrada(i).proximaMesmaChave) {
        Entrada(i).pendente = false;
        --quantidade_;
    }
    RemoverDaTabela(posicao);
    DescartarBaixadasDoInicio();
    const std::uint32_t baixadas = total_ - primeira_ - static_cast<std::uint32_t>(quantidade_);
    if (baixadas >= kMenorCompactacao && baixadas > quantidade_) Compactar();
}

// Drops the settled entries at the head, and the blocks they leave empty.
void TIndicePendencias54::DescartarBaixadasDoInicio() {
    while (primeira_ < total_ && !Entrada(primeira_).pendente) ++primeira_;
    while (primeira_ - base_ >= kEntradasPorBloco) {
        blocos_.pop_front();
        base_ += kEntradasPorBloco;
    }
}

// Empties a slot and moves back the entries after it that were displaced past it (backward-shift deletion).
void TIndicePendencias54::RemoverDaTabela(std::size_t posicao) {
    const std::size_t mascara = tabela_.size() - 1;
    std::size_t vaga = posicao;
    for (std::size_t seguinte = (vaga + 1) & mascara; tabela_[seguinte].indice != kNenhum;
         seguinte = (seguinte + 1) & mascara) {
        const std::size_t ideal = tabela_[seguinte].hash & mascara;
        // The entry stays when its ideal slot lies cyclically in (vaga, seguinte].
        const bool fica = vaga <= seguinte ? (vaga < ideal && ideal <= seguinte) : (vaga < ideal || ideal <= seguinte);
        if (fica) continue;
        tabela_[vaga] = tabela_[seguinte];
        vaga = seguinte;
    }
    tabela_[vaga] = Posicao();
    --chavesNaTabela_;
}

void TIndicePendencias54::Redimensionar(std::size_t posicoes) {
    std::vector<Posicao> antiga(posicoes);
    antiga.swap(tabela_);
    const std::size_t mascara = tabela_.size() - 1;
    for (const Posicao& ocupada : antiga) {
        if (ocupada.indice == kNenhum) continue;
        std::size_t posicao = ocupada.hash & mascara;
        while (tabela_[posicao].indice != kNenhum) posicao = (posicao + 1) & mascara;
        tabela_[posicao] = ocupada;
    }
}

// Renumbers the pending entries from zero, keeping their order, and frees the blocks left empty; the index
// and the chains follow the entries to their new numbers, and the index shrinks when it is much larger than
// the keys still in it need.
void TIndicePendencias54::Compactar() {
    const std::uint32_t guardadas = total_ - primeira_;
    std::vector<std::uint32_t> novoNumero(guardadas, kNenhum);
    std::uint32_t destino = 0;
    for (std::uint32_t i = 0; i < guardadas; ++i) {
        if (Entrada(primeira_ + i).pendente) novoNumero[i] = destino++;
    }
    const auto renumerar = [&](std::uint32_t numero) {
        return numero == kNenhum ? kNenhum : novoNumero[numero - primeira_];
    };
    // Entry number n goes to position n of the storage, never behind where it was: each entry is read before
    // anything is written over it.
    for (std::uint32_t i = 0; i < guardadas; ++i) {
        const std::uint32_t numero = novoNumero[i];
        if (numero == kNenhum) continue;
        const Pendencia& origem = Entrada(primeira_ + i);
        Pendencia& movida = blocos_[numero >> kBitsBloco][numero & (kEntradasPorBloco - 1)];
        movida = origem;
        movida.proximaMesmaChave = renumerar(movida.proximaMesmaChave);
    }
    for (Posicao& posicao : tabela_) posicao.indice = renumerar(posicao.indice);
    base_ = primeira_ = 0;
    total_ = destino;
    blocos_.resize((total_ + kEntradasPorBloco - 1) >> kBitsBloco);

    const std::size_t bastante = std::max(kMenorTabela, std::bit_ceil(chavesNaTabela_ * 4));
    if (tabela_.size() > 2 * bastante) Redimensionar(bastante);
}

}  // namespace zq
