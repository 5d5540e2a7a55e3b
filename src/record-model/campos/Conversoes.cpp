#include "record-model/campos/Conversoes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "record-model/comum/Digitos.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

[[noreturn]] void FormatoInvalido() { throw EFormatoInvalido("Formato inválido"); }

[[noreturn]] void ValorNegativo() { throw EValorNegativo("Valor Negativo"); }

bool SoDigitosDe(std::string_view texto) {
    return std::all_of(texto.begin(), texto.end(), [](char c) { return IsDigito(c); });
}

// A signed number as written: an optional sign, digits and, where decimals are accepted, a decimal comma
// (the system's number format) followed by more digits.
struct NumeroEscrito {
    bool negativo = false;
    std::string_view inteira;
    std::string_view fracao;

    bool Zero() const {
        const auto zero = [](std::string_view digitos) {
            return digitos.find_first_not_of('0') == std::string_view::npos;
        };
        return zero(inteira) && zero(fracao);
    }
};

std::optional<NumeroEscrito> Decompor(std::string_view texto, bool aceitaDecimais) {
    NumeroEscrito numero;
    if (!texto.empty() && (texto.front() == '-' || texto.front() == '+')) {
        numero.negativo = texto.front() == '-';
        texto.remove_prefix(1);
    }
    const auto virgula = aceitaDecimais ? texto.find(',') : std::string_view::npos;
    numero.inteira = texto.substr(0, virgula);
    if (virgula != std::string_view::npos) numero.fracao = texto.substr(virgula + 1);
    if (numero.inteira.empty() && numero.fracao.empty()) return std::nullopt;
    if (!SoDigitosDe(numero.inteira) || !SoDigitosDe(numero.fracao)) return std::nullopt;
    return numero;
}

std::optional<std::uint64_t> Magnitude(std::string_view digitos) {
    std::uint64_t valor = 0;
    for (char c : digitos) {
        if (__builtin_mul_overflow(valor, 10u, &valor) || __builtin_add_overflow(valor, unsigned(c - '0'), &valor)) {
            return std::nullopt;
        }
    }
    return valor;
}

// Step 5 of every number reading: a good text is made of the expected number of digits.
void ConferirDigitos(std::string_view texto, std::size_t digitosEsperados) {
    if (static_cast<std::size_t>(ContarDigitos(texto)) != digitosEsperados) FormatoInvalido();
}

// Every reading first tries the text a good line has: exactly the expected digits and nothing else. Any
// other text takes the general reading, which accepts a sign and a decimal comma and tells the errors apart.
template <class Inteiro>
Inteiro LerInteiro(std::string_view texto, std::size_t digitosEsperados) {
    const auto maximo = static_cast<std::uint64_t>(std::numeric_limits<Inteiro>::max());
    if (texto.size() == digitosEsperados) {
        if (const auto digitos = ValorDosDigitos(texto); digitos && *digitos <= maximo) {
            return static_cast<Inteiro>(*digitos);
        }
    }
    const auto numero = Decompor(texto, false);
    if (!numero) FormatoInvalido();
    const auto magnitude = Magnitude(numero->inteira);
    if (!magnitude || *magnitude > maximo + (numero->negativo ? 1 : 0)) FormatoInvalido();
    if (numero->negativo && *magnitude != 0) ValorNegativo();
    ConferirDigitos(texto, digitosEsperados);
    return static_cast<Inteiro>(*magnitude);
}

// A currency value is a count of 1/10^4 units.
constexpr int kCasasMoeda = 4;

// valor / 10^expoente, to the nearest integer, ties to even.
std::uint64_t DividirArredondando(std::uint64_t valor, int expoente) {
    if (expoente <= 0) return valor;
    if (expoente > std::numeric_limits<std::uint64_t>::digits10) return 0;
    const std::uint64_t divisor = PotenciaDeDez(expoente);
    std::uint64_t quociente = valor / divisor;
    const std::uint64_t resto = valor % divisor;
    if (resto > divisor - resto || (resto == divisor - resto && quociente % 2 == 1)) ++quociente;
    return quociente;
}

// The magnitude of the number as a currency value, in units of 1/10000; none when it does not fit one.
std::optional<std::uint64_t> UnidadesMonetarias(const NumeroEscrito& numero) {
    const std::string_view casas = numero.fracao.substr(0, kCasasMoeda);
    const std::string_view alem = numero.fracao.substr(casas.size());
    auto unidades = Magnitude(numero.inteira);
    if (!unidades) return std::nullopt;
    for (int i = 0; i < kCasasMoeda; ++i) {
        const unsigned digito = i < static_cast<int>(casas.size()) ? unsigned(casas[i] - '0') : 0u;
        if (__builtin_mul_overflow(*unidades, 10u, &*unidades) ||
            __builtin_add_overflow(*unidades, digito, &*unidades)) {
            return std::nullopt;
        }
    }
    if (!alem.empty()) {
        const bool acimaDaMetade = alem[0] > '5' || (alem[0] == '5' && alem.find_first_not_of('0', 1) != alem.npos);
        const bool metade = alem[0] == '5' && !acimaDaMetade;
        if (acimaDaMetade || (metade && *unidades % 2 == 1)) ++*unidades;
    }
    const auto maximo = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (*unidades > maximo + (numero.negativo ? 1 : 0)) return std::nullopt;
    return unidades;
}

// The largest digits value whose currency units (× 10^4) fit a Moeda.
constexpr std::uint64_t kMaiorValorDigitosMoeda =
    static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / PotenciaDeDez(kCasasMoeda);

Moeda LerMonetario(std::string_view texto, int decimais, std::size_t digitosEsperados) {
    if (texto.size() == digitosEsperados && decimais >= 0 && decimais <= kCasasMoeda) {
        if (const auto digitos = ValorDosDigitos(texto); digitos && *digitos <= kMaiorValorDigitosMoeda) {
            return Moeda::DeUnidades(static_cast<std::int64_t>(*digitos * PotenciaDeDez(kCasasMoeda - decimais)));
        }
    }
    const auto numero = Decompor(texto, true);
    if (!numero) FormatoInvalido();
    const auto unidades = UnidadesMonetarias(*numero);
    if (!unidades) FormatoInvalido();
    const std::uint64_t valor = DividirArredondando(*unidades, decimais);
    if (numero->negativo && valor != 0) ValorNegativo();
    ConferirDigitos(texto, digitosEsperados);
    return Moeda::DeUnidades(static_cast<std::int64_t>(valor));
}

// Integers up to 2^53 and powers of ten up to 10^22 are exact doubles, so their quotient is the one the
// general reading computes.
constexpr std::uint64_t kMaiorInteiroExato = std::uint64_t{1} << 53;
constexpr int kMaiorPotenciaExata = 22;

double PotenciaDeDezExata(int expoente) {
    double potencia = 1;
    for (int i = 0; i < expoente; ++i) potencia *= 10;
    return potencia;
}

double LerDecimal(std::string_view texto, int decimais, std::size_t digitosEsperados) {
    if (texto.size() == digitosEsperados && decimais >= 0 && decimais <= kMaiorPotenciaExata) {
        if (const auto digitos = ValorDosDigitos(texto); digitos && *digitos <= kMaiorInteiroExato) {
            return static_cast<double>(*digitos) / PotenciaDeDezExata(decimais);
        }
    }
    const auto numero = Decompor(texto, true);
    if (!numero) FormatoInvalido();
    if (numero->negativo && !numero->Zero()) ValorNegativo();
    ConferirDigitos(texto, digitosEsperados);
    double valor = 0;
    const auto lido = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (lido.ec != std::errc()) FormatoInvalido();
    return valor / std::pow(10.0, decimais);
}

std::chrono::year_month_day LerData(std::string_view aaaammdd, std::string_view escrito) {
    try {
        return DataDoAAAAMMDD(aaaammdd);
    } catch (const EErroConversao&) {
        throw EFormatoInvalido(Formatar("Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: %s", {escrito}));
    }
}

std::size_t Tamanho(int tamanho) { return tamanho > 0 ? static_cast<std::size_t>(tamanho) : 0; }

}  // namespace

std::chrono::year_month_day DataDoCampo(std::string_view linha, int posicao) {
    const std::string_view colunas = Colunas(linha, posicao, 8);
    return LerData(colunas, colunas);
}

std::chrono::year_month_day DataDoCampoDMA(std::string_view linha, int posicao) {
    const std::string_view colunas = Colunas(linha, posicao, 8);
    if (colunas.size() != 8) return LerData(colunas, colunas);
    const std::array<char, 8> aaaammdd{colunas[4], colunas[5], colunas[6], colunas[7],
                                       colunas[2], colunas[3], colunas[0], colunas[1]};
    return LerData(std::string_view(aaaammdd.data(), aaaammdd.size()), colunas);
}

std::chrono::year_month_day DataDoTexto(std::string_view texto) { return LerData(texto, texto); }

Moeda MonetarioDoCampo(std::string_view linha, int posicao, int tamanho, int decimais) {
    return LerMonetario(Colunas(linha, posicao, tamanho), decimais, Tamanho(tamanho));
}

Moeda MonetarioDoTexto(std::string_view texto, int decimais) { return LerMonetario(texto, decimais, texto.size()); }

double DecimalDoCampo(std::string_view linha, int posicao, int tamanho, int decimais) {
    return LerDecimal(Colunas(linha, posicao, tamanho), decimais, Tamanho(tamanho));
}

double DecimalDoTexto(std::string_view texto, int decimais) { return LerDecimal(texto, decimais, texto.size()); }

std::int32_t InteiroDoCampo(std::string_view linha, int posicao, int tamanho) {
    return LerInteiro<std::int32_t>(Colunas(linha, posicao, tamanho), Tamanho(tamanho));
}

std::int32_t InteiroDoTexto(std::string_view texto) { return LerInteiro<std::int32_t>(texto, texto.size()); }

std::int64_t Inteiro64DoCampo(std::string_view linha, int posicao, int tamanho) {
    return LerInteiro<std::int64_t>(Colunas(linha, posicao, tamanho), Tamanho(tamanho));
}

std::int64_t Inteiro64DoTexto(std::string_view texto) { return LerInteiro<std::int64_t>(texto, texto.size()); }

std::string DataParaTexto(const std::chrono::year_month_day& data) {
    return Formatar("%.4d%.2d%.2d", {static_cast<int>(data.year()), static_cast<unsigned>(data.month()),
                                     static_cast<unsigned>(data.day())});
}

std::string DecimalParaCampo(int tamanho, int decimais, double valor) {
    // Truncates the digits beyond the field's decimals, but a value such as
    // 0.29 (stored as 0.28999...) keeps its written digits.
    const double escalado = valor * std::pow(10.0, decimais);
    const double proximo = std::round(escalado);
    const double inteiro = (std::abs(escalado - proximo) < 1e-6 ? proximo : std::trunc(escalado)) + 0.0;  // no "-0"
    std::array<char, 400> texto{};
    std::snprintf(texto.data(), texto.size(), "%.0f", inteiro);
    return PreencherZeros(texto.data(), tamanho);
}

std::string MonetarioParaCampo(int tamanho, int decimais, Moeda valor) {
    const std::int64_t unidades = valor.Unidades();
    const std::int64_t inteiro = decimais <= kCasasMoeda
                                     ? unidades / static_cast<std::int64_t>(PotenciaDeDez(kCasasMoeda - decimais))
                                     : unidades * static_cast<std::int64_t>(PotenciaDeDez(decimais - kCasasMoeda));
    return PreencherZeros(std::to_string(inteiro), tamanho);
}

std::string InteiroParaCampo(int tamanho, std::int64_t valor) {
    const std::uint64_t magnitude =
        valor < 0 ? 0 - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
    std::string digitos = std::to_string(magnitude);
    if (digitos.size() < Tamanho(tamanho)) digitos.insert(0, Tamanho(tamanho) - digitos.size(), '0');
    return valor < 0 ? "-" + digitos : digitos;
}

}  // namespace zq
