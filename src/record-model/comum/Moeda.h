#pragma once
// The currency value of every amount, total and tolerance: a signed 64-bit
// count of 1/10000 units, so sums are exact.

#include <compare>
#include <cstdint>

namespace zq {

class Moeda {
public:
    static constexpr std::int64_t kEscala = 10000;

    constexpr Moeda() = default;
    static constexpr Moeda DeUnidades(std::int64_t decimosMilesimos) { return Moeda(decimosMilesimos); }
    static constexpr Moeda DeCentavos(std::int64_t centavos) { return Moeda(centavos * 100); }
    static constexpr Moeda DeReais(std::int64_t reais) { return Moeda(reais * kEscala); }

    constexpr std::int64_t Unidades() const { return unidades_; }
    // Rounded to whole cents, halves away from zero.
    constexpr std::int64_t CentavosArredondados() const {
        return unidades_ >= 0 ? (unidades_ + 50) / 100 : -((-unidades_ + 50) / 100);
    }

    constexpr Moeda operator-() const { return Moeda(-unidades_); }
    constexpr Moeda& operator+=(Moeda outra) { unidades_ += outra.unidades_; return *this; }
    constexpr Moeda& operator-=(Moeda outra) { unidades_ -= outra.unidades_; return *this; }
    friend constexpr Moeda operator+(Moeda a, Moeda b) { return a += b; }
    friend constexpr Moeda operator-(Moeda a, Moeda b) { return a -= b; }
    friend constexpr auto operator<=>(Moeda, Moeda) = default;

private:
    constexpr explicit Moeda(std::int64_t unidades) : unidades_(unidades) {}
    std::int64_t unidades_ = 0;
};

constexpr Moeda Abs(Moeda valor) { return valor < Moeda() ? -valor : valor; }

}  // namespace zq
