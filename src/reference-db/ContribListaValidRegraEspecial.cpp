#include "reference-db/ContribListaValidRegraEspecial.h"

#include <algorithm>
#include <compare>
#include <cstdint>
#include <utility>

namespace zq {
namespace {

// |a| x |b| as a 128-bit magnitude (high, low) made of 32-bit halves: the 32-bit Windows build has no
// 128-bit integer.
std::pair<std::uint64_t, std::uint64_t> ProdutoMagnitudes(std::int64_t a, std::int64_t b) {
    const auto magnitude = [](std::int64_t v) { return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v); };
    const std::uint64_t x = magnitude(a);
    const std::uint64_t y = magnitude(b);
    const std::uint64_t xb = x & 0xFFFFFFFFu, xa = x >> 32, yb = y & 0xFFFFFFFFu, ya = y >> 32;
    const std::uint64_t bb = xb * yb, ab = xa * yb, ba = xb * ya, aa = xa * ya;
    const std::uint64_t meio = (bb >> 32) + (ab & 0xFFFFFFFFu) + (ba & 0xFFFFFFFFu);
    const std::uint64_t baixo = (meio << 32) | (bb & 0xFFFFFFFFu);
    const std::uint64_t alto = aa + (ab >> 32) + (ba >> 32) + (meio >> 32);
    return {alto, baixo};
}

// The order of a x b against c x d, exactly.
std::strong_ordering CompararProdutos(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    const int sinal1 = (a == 0 || b == 0) ? 0 : ((a < 0) != (b < 0) ? -1 : 1);
    const int sinal2 = (c == 0 || d == 0) ? 0 : ((c < 0) != (d < 0) ? -1 : 1);
    if (sinal1 != sinal2 || sinal1 == 0) return sinal1 <=> sinal2;
    const auto magnitudes = ProdutoMagnitudes(a, b) <=> ProdutoMagnitudes(c, d);
    return sinal1 > 0 ? magnitudes : 0 <=> magnitudes;
}

}  // namespace

bool TContribListaValidRegraEspecial::Localizar(const std::string& inscricao) {
    const auto encontrado = std::find_if(contribuintes_.begin(), contribuintes_.end(),
                                         [&](const TContribValidRegraEspecial& c) { return c.inscricao == inscricao; });
    atual_ = encontrado == contribuintes_.end() ? std::nullopt : std::optional(*encontrado);
    return atual_.has_value();
}

bool TContribListaValidRegraEspecial::ToleranciaExcedida(Moeda saldoImposto) const {
    const Moeda percentual = atual_ ? atual_->percentual : Moeda();
    // diferenca > percentual / 100 x saldo, all in units of 1/10000: diferenca x 100 x 10000 > percentual x saldo.
    return CompararProdutos(diferencaPermitida_.Unidades(), 100 * Moeda::kEscala, percentual.Unidades(),
                            saldoImposto.Unidades()) > 0;
}

void TContribListaValidRegraEspecial::LiberarAdiadas(Moeda saldoImposto, std::vector<std::string>& rejeicoes) {
    if (ToleranciaExcedida(saldoImposto)) {
        rejeicoes.insert(rejeicoes.end(), std::make_move_iterator(adiadas_.begin()),
                         std::make_move_iterator(adiadas_.end()));
    }
    adiadas_.clear();
}

}  // namespace zq
