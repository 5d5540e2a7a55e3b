#include "record-model/comum/Texto.h"

#include <algorithm>
#include <array>
#include <functional>

#include "record-model/comum/Formatador.h"
#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

constexpr std::string_view kAcentuadas = "àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ";
constexpr std::string_view kSemAcento = "aaeouaoaeioucuAAEOUAOAEIOUCU";
static_assert(kAcentuadas.size() == kSemAcento.size(), "the accent table maps byte to byte (CP1252)");

const std::array<char, 256>& TabelaAcentos() {
    static const std::array<char, 256> tabela = [] {
        std::array<char, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = static_cast<char>(i);
        for (std::size_t i = 0; i < kAcentuadas.size(); ++i) {
            t[static_cast<unsigned char>(kAcentuadas[i])] = kSemAcento[i];
        }
        return t;
    }();
    return tabela;
}

char SemAcento(char c) { return TabelaAcentos()[static_cast<unsigned char>(c)]; }

bool IsBranco(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::size_t Tamanho(int n) { return n > 0 ? static_cast<std::size_t>(n) : 0; }

bool Sobrepoe(std::string_view texto, const std::string& destino) {
    const std::less<const char*> antes;
    return !texto.empty() && !destino.empty() && antes(texto.data(), destino.data() + destino.size()) &&
           antes(destino.data(), texto.data() + texto.size());
}

// Writes `escrever(texto, destino)` into an emptied destination, through a copy when the source lives in it.
template <class Escrever>
void Reescrever(std::string_view texto, std::string& destino, Escrever escrever) {
    if (Sobrepoe(texto, destino)) {
        const std::string copia(texto);
        destino.clear();
        escrever(std::string_view(copia), destino);
        return;
    }
    destino.clear();
    escrever(texto, destino);
}

// Both write in place into storage sized once, not character by character.
template <class Manter>
void Filtrar(std::string_view texto, std::string& destino, Manter manter) {
    Reescrever(texto, destino, [&](std::string_view origem, std::string& saida) {
        saida.resize(origem.size());
        std::size_t mantidos = 0;
        for (char c : origem) {
            if (manter(c)) saida[mantidos++] = c;
        }
        saida.resize(mantidos);
    });
}

template <class Trocar>
void Mapear(std::string_view texto, std::string& destino, Trocar trocar) {
    Reescrever(texto, destino, [&](std::string_view origem, std::string& saida) {
        saida.resize(origem.size());
        std::transform(origem.begin(), origem.end(), saida.begin(), trocar);
    });
}

template <class Escrever>
std::string Novo(std::string_view texto, Escrever escrever) {
    std::string resultado;
    escrever(texto, resultado);
    return resultado;
}

}  // namespace

std::string PreencherEsquerda(std::string_view texto, int tamanho, char c) {
    const std::size_t n = Tamanho(tamanho);
    const std::string_view corte = texto.substr(0, n);
    return std::string(n - corte.size(), c) + std::string(corte);
}

std::string PreencherZeros(std::string_view texto, int tamanho) { return PreencherEsquerda(texto, tamanho, '0'); }

std::string PreencherDireita(std::string_view texto, int tamanho, char c) {
    const std::size_t n = Tamanho(tamanho);
    std::string resultado(texto.substr(0, n));
    resultado.append(n - resultado.size(), c);
    return resultado;
}

std::string Espacos(int n) { return std::string(Tamanho(n), ' '); }

std::string Esquerda(std::string_view texto, int n) { return std::string(texto.substr(0, Tamanho(n))); }

std::string Direita(std::string_view texto, int n) {
    const std::size_t tamanho = Tamanho(n);
    return std::string(texto.size() <= tamanho ? texto : texto.substr(texto.size() - tamanho));
}

std::string SoDigitos(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { SoDigitos(t, d); });
}

void SoDigitos(std::string_view texto, std::string& destino) {
    Filtrar(texto, destino, [](char c) { return IsDigito(c); });
}

std::string SoAlfanumericos(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { SoAlfanumericos(t, d); });
}

void SoAlfanumericos(std::string_view texto, std::string& destino) {
    Filtrar(texto, destino, [](char c) { return IsDigito(c) || IsLetra(c); });
}

int ContarDigitos(std::string_view texto) {
    return static_cast<int>(std::count_if(texto.begin(), texto.end(), [](char c) { return IsDigito(c); }));
}

std::string RemoverAcentos(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { RemoverAcentos(t, d); });
}

void RemoverAcentos(std::string_view texto, std::string& destino) {
    Mapear(texto, destino, [](char c) { return SemAcento(c); });
}

std::string NormalizarTexto(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { NormalizarTexto(t, d); });
}

void NormalizarTexto(std::string_view texto, std::string& destino) {
    Reescrever(Aparar(texto), destino, [](std::string_view origem, std::string& saida) {
        for (char c : origem) {
            if (c == ' ' && !saida.empty() && saida.back() == ' ') continue;
            saida += SemAcento(c);
        }
    });
}

std::string AparaEspacos(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { AparaEspacos(t, d); });
}

void AparaEspacos(std::string_view texto, std::string& destino) {
    const auto inicio = texto.find_first_not_of(' ');
    const std::string_view aparado = inicio == std::string_view::npos
                                         ? std::string_view()
                                         : texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
    Reescrever(aparado, destino, [](std::string_view origem, std::string& saida) { saida.append(origem); });
}

std::string_view Aparar(std::string_view texto) {
    while (!texto.empty() && IsBranco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && IsBranco(texto.back())) texto.remove_suffix(1);
    return texto;
}

std::string Maiusculas(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { Maiusculas(t, d); });
}

void Maiusculas(std::string_view texto, std::string& destino) {
    Mapear(texto, destino, [](char c) { return MaiusculaAscii(c); });
}

std::string Minusculas(std::string_view texto) {
    return Novo(texto, [](auto t, auto& d) { Minusculas(t, d); });
}

void Minusculas(std::string_view texto, std::string& destino) {
    Mapear(texto, destino, [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
}

std::string SubstituirTexto(std::string_view texto, std::string_view procura, std::string_view troca) {
    if (procura.empty()) return std::string(texto);
    std::string resultado;
    std::size_t inicio = 0;
    for (auto achado = texto.find(procura); achado != std::string_view::npos; achado = texto.find(procura, inicio)) {
        resultado.append(texto.substr(inicio, achado - inicio)).append(troca);
        inicio = achado + procura.size();
    }
    resultado.append(texto.substr(inicio));
    return resultado;
}

std::string MascararInscricao(const std::string& ie, const std::string& uf) {
    const std::string_view aparada = Aparar(ie);
    if (aparada.size() != 9) return std::string(aparada);
    const std::string_view mascara = uf == "PE" ? "9999999-99" : "99.999.999-9";
    std::string resultado;
    std::size_t proximo = 0;
    for (char c : mascara) resultado += c == '9' ? aparada[proximo++] : c;
    return resultado;
}

MaiorMenor MaiorEMenor(const std::vector<std::string>& lista) {
    MaiorMenor resultado;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const int tamanho = static_cast<int>(lista[i].size());
        if (resultado.indiceMaior < 0 || tamanho > resultado.tamanhoMaior) {
            resultado.indiceMaior = static_cast<int>(i);
            resultado.tamanhoMaior = tamanho;
        }
        if (resultado.indiceMenor < 0 || tamanho < resultado.tamanhoMenor) {
            resultado.indiceMenor = static_cast<int>(i);
            resultado.tamanhoMenor = tamanho;
        }
    }
    return resultado;
}

std::chrono::year_month_day DataDoAAAAMMDD(std::string_view texto) {
    if (const auto numero = texto.size() == 8 ? ValorDosDigitos(texto) : std::nullopt) {
        const std::chrono::year_month_day data{std::chrono::year{static_cast<int>(*numero / 10000)},
                                               std::chrono::month{static_cast<unsigned>(*numero / 100 % 100)},
                                               std::chrono::day{static_cast<unsigned>(*numero % 100)}};
        if (data.ok() && data.year() >= std::chrono::year{1}) return data;
    }
    throw EErroConversao(Formatar("'%s' não é uma data válida", {texto}));
}

Moeda VintePorCento(Moeda valor) {
    const std::int64_t unidades = valor.Unidades();
    const std::int64_t quinto = unidades / 5;
    const std::int64_t resto = unidades % 5;  // the sign of `unidades`
    const std::int64_t ajuste = resto >= 3 ? 1 : (resto <= -3 ? -1 : 0);
    return Moeda::DeUnidades(quinto + ajuste);
}

}  // namespace zq
