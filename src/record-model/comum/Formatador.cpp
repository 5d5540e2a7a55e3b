#include "record-model/comum/Formatador.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace zq {
namespace {

std::uint64_t Magnitude(std::int64_t valor) {
    return valor < 0 ? 0 - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
}

std::string ErroDeFormato(std::string_view padrao) {
    return "Formato '" + std::string(padrao) + "' inválido ou incompatível com o argumento";
}

// Digits of |valor| with the given number of decimals, grouped by thousands
// when asked; the sign is left to the caller.
std::string Numero(Moeda valor, int decimais, bool agrupar, int digitosInteirosMinimos = 1) {
    std::int64_t divisor = Moeda::kEscala;
    for (int i = 0; i < decimais && divisor > 1; ++i) divisor /= 10;
    const auto d = static_cast<std::uint64_t>(divisor);
    const std::uint64_t arredondado = (Magnitude(valor.Unidades()) + d / 2) / d;  // halves away from zero
    std::uint64_t escalaDecimais = 1;
    for (int i = 0; i < decimais; ++i) escalaDecimais *= 10;
    const std::uint64_t inteiro = arredondado / escalaDecimais;
    const std::uint64_t fracao = arredondado % escalaDecimais;

    std::string digitos = std::to_string(inteiro);
    if (static_cast<int>(digitos.size()) < digitosInteirosMinimos) {
        digitos.insert(0, static_cast<std::size_t>(digitosInteirosMinimos) - digitos.size(), '0');
    }
    std::string texto;
    for (std::size_t i = 0; i < digitos.size(); ++i) {
        if (agrupar && i > 0 && (digitos.size() - i) % 3 == 0) texto += '.';
        texto += digitos[i];
    }
    if (decimais > 0) {
        std::string casas = std::to_string(fracao);
        texto += ',';
        texto.append(static_cast<std::size_t>(decimais) - casas.size(), '0');
        texto += casas;
    }
    return texto;
}

bool ArredondaParaZero(Moeda valor, int decimais) {
    return Numero(valor, decimais, false).find_first_not_of("0,") == std::string::npos;
}

std::string ComSinal(Moeda valor, int decimais, std::string texto) {
    return valor < Moeda() && !ArredondaParaZero(valor, decimais) ? "-" + texto : texto;
}

// Index, width and precision of a pattern item; kAusente where the item has none.
constexpr std::size_t kAusente = std::numeric_limits<std::size_t>::max();

struct Especificacao {
    std::size_t indice = kAusente;
    bool aEsquerda = false;
    std::size_t largura = kAusente;
    std::size_t precisao = kAusente;
    char tipo = 0;
};

std::string Ajustar(std::string texto, const Especificacao& especificacao) {
    if (especificacao.largura != kAusente && especificacao.largura > texto.size()) {
        const std::string espacos(especificacao.largura - texto.size(), ' ');
        texto = especificacao.aEsquerda ? texto + espacos : espacos + texto;
    }
    return texto;
}

std::string Inteiro(std::int64_t valor, std::size_t precisao) {
    std::string digitos = std::to_string(Magnitude(valor));
    if (precisao != kAusente && precisao > digitos.size()) digitos.insert(0, precisao - digitos.size(), '0');
    return valor < 0 ? "-" + digitos : digitos;
}

std::string Hexadecimal(std::int64_t valor, std::size_t precisao) {
    static constexpr char kDigitos[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint64_t>(valor);
    std::string texto;
    do {
        texto.insert(texto.begin(), kDigitos[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (precisao != kAusente && precisao > texto.size()) texto.insert(0, precisao - texto.size(), '0');
    return texto;
}

std::string Converter(const Especificacao& especificacao, const ArgumentoFormato& argumento, std::string_view padrao) {
    const auto& valor = argumento.Valor();
    switch (especificacao.tipo) {
        case 'd':
        case 'u':
            if (const auto* inteiro = std::get_if<std::int64_t>(&valor)) return Inteiro(*inteiro, especificacao.precisao);
            break;
        case 'x':
            if (const auto* inteiro = std::get_if<std::int64_t>(&valor)) return Hexadecimal(*inteiro, especificacao.precisao);
            break;
        case 's':
            if (const auto* texto = std::get_if<std::string>(&valor)) {
                return texto->substr(0, especificacao.precisao);
            }
            break;
        case 'm':
        case 'n':
        case 'f': {
            Moeda quantia;
            if (const auto* moeda = std::get_if<Moeda>(&valor)) {
                quantia = *moeda;
            } else if (const auto* inteiro = std::get_if<std::int64_t>(&valor)) {
                quantia = Moeda::DeReais(*inteiro);
            } else {
                break;
            }
            const int decimais =
                especificacao.precisao != kAusente ? static_cast<int>(std::min<std::size_t>(especificacao.precisao, 4)) : 2;
            const bool agrupar = especificacao.tipo != 'f';
            const std::string numero = Numero(quantia, decimais, agrupar);
            return ComSinal(quantia, decimais, especificacao.tipo == 'm' ? "R$ " + numero : numero);
        }
        default:
            break;
    }
    throw EErroFormato(ErroDeFormato(padrao));
}

}  // namespace

std::string Formatar(std::string_view padrao, std::initializer_list<ArgumentoFormato> argumentos) {
    const std::vector<ArgumentoFormato> lista(argumentos);
    std::string resultado;
    resultado.reserve(padrao.size() + 32);
    std::size_t proximo = 0;
    for (std::size_t i = 0; i < padrao.size(); ++i) {
        if (padrao[i] != '%') {
            resultado += padrao[i];
            continue;
        }
        if (i + 1 < padrao.size() && padrao[i + 1] == '%') {
            resultado += '%';
            ++i;
            continue;
        }
        Especificacao especificacao;
        std::size_t j = i + 1;
        // A number of the pattern; the patterns are ours, a number too large for a size is wrong.
        auto lerNumero = [&]() {
            std::size_t numero = kAusente;
            while (j < padrao.size() && padrao[j] >= '0' && padrao[j] <= '9') {
                const auto digito = static_cast<std::size_t>(padrao[j] - '0');
                if (numero == kAusente) numero = 0;
                if (numero > (kAusente - 1 - digito) / 10) throw EErroFormato(ErroDeFormato(padrao));
                numero = numero * 10 + digito;
                ++j;
            }
            return numero;
        };
        std::size_t numero = lerNumero();
        if (numero != kAusente && j < padrao.size() && padrao[j] == ':') {
            especificacao.indice = numero;
            ++j;
            numero = kAusente;
        }
        if (numero == kAusente) {
            if (j < padrao.size() && padrao[j] == '-') {
                especificacao.aEsquerda = true;
                ++j;
            }
            numero = lerNumero();
        }
        especificacao.largura = numero;
        if (j < padrao.size() && padrao[j] == '.') {
            ++j;
            const std::size_t precisao = lerNumero();
            especificacao.precisao = precisao == kAusente ? 0 : precisao;
        }
        if (j >= padrao.size()) throw EErroFormato(ErroDeFormato(padrao));
        especificacao.tipo = static_cast<char>(padrao[j] | 0x20);  // case-insensitive
        if (especificacao.indice != kAusente) proximo = especificacao.indice;
        if (proximo >= lista.size()) throw EErroFormato(ErroDeFormato(padrao));
        resultado += Ajustar(Converter(especificacao, lista[proximo++], padrao), especificacao);
        i = j;
    }
    return resultado;
}

std::string FormatarValor(Moeda valor, std::string_view mascara) {
    const auto ponto = mascara.find('.');
    const std::string_view parteInteira = mascara.substr(0, ponto);
    const int decimais = ponto == std::string_view::npos ? 0 : static_cast<int>(mascara.size() - ponto - 1);
    const bool agrupar = parteInteira.find(',') != std::string_view::npos;
    int zerosInteiros = 0;
    for (char c : parteInteira) zerosInteiros += c == '0';
    return ComSinal(valor, decimais, Numero(valor, decimais, agrupar, zerosInteiros));
}

}  // namespace zq
