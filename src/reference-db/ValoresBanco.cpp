#include "reference-db/ValoresBanco.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

bool SoDigitos(std::string_view texto) {
    return !texto.empty() && std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Numero(std::string_view digitos) {
    int valor = 0;
    std::from_chars(digitos.data(), digitos.data() + digitos.size(), valor);
    return valor;
}

bool HoraValida(std::string_view hora) {
    // "hh:mm" or "hh:mm:ss"
    if (hora.size() != 5 && hora.size() != 8) return false;
    if (!SoDigitos(hora.substr(0, 2)) || hora[2] != ':' || !SoDigitos(hora.substr(3, 2))) return false;
    if (Numero(hora.substr(0, 2)) > 23 || Numero(hora.substr(3, 2)) > 59) return false;
    return hora.size() == 5 || (hora[5] == ':' && SoDigitos(hora.substr(6, 2)) && Numero(hora.substr(6, 2)) <= 59);
}

}  // namespace

std::chrono::year_month_day DataDoBanco(std::string_view texto) {
    const auto invalida = [&] { return Excecao(Formatar("Data inválida: '%s'", {texto})); };
    if (texto.size() < 10 || texto[4] != '-' || texto[7] != '-' || !SoDigitos(texto.substr(0, 4)) ||
        !SoDigitos(texto.substr(5, 2)) || !SoDigitos(texto.substr(8, 2))) {
        throw invalida();
    }
    if (texto.size() > 10 && ((texto[10] != ' ' && texto[10] != 'T') || !HoraValida(texto.substr(11)))) {
        throw invalida();
    }
    const std::chrono::year_month_day data{std::chrono::year{Numero(texto.substr(0, 4))},
                                           std::chrono::month{static_cast<unsigned>(Numero(texto.substr(5, 2)))},
                                           std::chrono::day{static_cast<unsigned>(Numero(texto.substr(8, 2)))}};
    if (!data.ok()) throw invalida();
    return data;
}

std::string AnoMesDe(std::chrono::year_month_day data) {
    return Formatar("%.4d-%.2d", {static_cast<int>(data.year()), static_cast<unsigned>(data.month())});
}

Moeda DecimalDoBanco(std::string_view texto) {
    const auto ponto = texto.find('.');
    const std::string_view inteira = texto.substr(0, ponto);
    const std::string_view fracao = ponto == std::string_view::npos ? std::string_view() : texto.substr(ponto + 1);
    if (!SoDigitos(inteira) || inteira.size() > 14 || fracao.size() > 4 ||
        (ponto != std::string_view::npos && !SoDigitos(fracao))) {
        throw Excecao(Formatar("Valor decimal inválido: '%s'", {texto}));
    }
    std::int64_t unidades = 0;
    std::from_chars(inteira.data(), inteira.data() + inteira.size(), unidades);
    std::string casas(fracao);
    casas.resize(4, '0');
    return Moeda::DeUnidades(unidades * Moeda::kEscala + Numero(casas));
}

}  // namespace zq
