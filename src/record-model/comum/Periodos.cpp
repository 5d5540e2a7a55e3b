#include "record-model/comum/Periodos.h"
#include "record-model/comum/TextoParaInteiro.h"

#include <algorithm>

#include "platform/Relogio.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

std::chrono::year_month_day DataOuHoje(DataOpcional data) { return data ? *data : Hoje(); }

bool SoDigitosNaoVazio(std::string_view texto) {
    return !texto.empty() && std::all_of(texto.begin(), texto.end(), IsDigito);
}

int ValorDigitos(std::string_view digitos) {
    int valor = 0;
    for (char c : digitos) valor = valor * 10 + (c - '0');
    return valor;
}

std::string SemEspacos(std::string_view texto) { return SubstituirTexto(texto, " ", ""); }

std::string AnoMes(int ano, int mes, std::string_view separador) {
    return Formatar("%.4d%s%.2d", {ano, separador, mes});
}

}  // namespace

bool PeriodoVazio(std::string_view periodo) {
    const std::string_view aparado = Aparar(periodo);
    return aparado.empty() || aparado == "-" || aparado == "/";
}

std::string PeriodoParaMesAno(std::string_view periodo, std::string_view separador) {
    if (periodo.empty()) return {};
    return Direita(periodo, 2) + std::string(separador) + Esquerda(periodo, 4);
}

std::chrono::year_month_day PeriodoParaData(std::string_view periodo) {
    const std::string mes = Direita(periodo, 2);
    const std::string ano = Esquerda(periodo, 4);
    if (SoDigitosNaoVazio(mes) && ano.size() == 4 && SoDigitosNaoVazio(ano)) {
        const std::chrono::year_month_day data{std::chrono::year{ValorDigitos(ano)},
                                               std::chrono::month{static_cast<unsigned>(ValorDigitos(mes))},
                                               std::chrono::day{1}};
        if (data.ok() && data.year() >= std::chrono::year{1}) return data;
    }
    throw Excecao(Formatar("Período inválido (%s): ano e/ou mês incorreto(s)", {periodo}));
}

std::string FormatarPeriodo(std::string_view separador, DataOpcional data) {
    const std::chrono::year_month_day dia = DataOuHoje(data);
    return AnoMes(static_cast<int>(dia.year()), static_cast<int>(static_cast<unsigned>(dia.month())), separador);
}

void ValidarPeriodo(std::string_view periodo, std::string_view maximo, std::string_view minimo) {
    if (PeriodoVazio(periodo)) throw Excecao("Período informado vazio.");
    const std::string semEspacos = SemEspacos(periodo);
    if (ContarDigitos(semEspacos) < 6) {
        throw Excecao("O ano deve ser informado no formato 'aaaa' e o mês no formato 'mm'");
    }
    const std::string normalizado = FormatarPeriodo("-", PeriodoParaData(semEspacos));
    if (!minimo.empty()) {
        const std::string limite = SubstituirTexto(minimo, "/", "-");
        if (normalizado < limite) {
            throw Excecao(Formatar("Período muito antigo (%s), anterior a %s", {normalizado, limite}));
        }
    }
    if (!maximo.empty()) {
        const std::string limite = SubstituirTexto(maximo, "/", "-");
        if (normalizado > limite) throw Excecao(Formatar("Período futuro (%s), posterior a %s", {normalizado, limite}));
    }
}

std::string SomarMeses(std::string_view periodo, int meses, std::string_view separador) {
    const int mes = TextoParaInteiro(Direita(periodo, 2));
    const int ano = TextoParaInteiro(Esquerda(periodo, 4));
    const int total = meses + mes;
    const int resto = total % 12;  // the sign of `total`
    const int anoFinal = ano + total / 12 - (resto <= 0 ? 1 : 0);
    return AnoMes(anoFinal, resto > 0 ? resto : resto + 12, separador);
}

std::string PeriodoAnterior(std::string_view periodo, std::string_view separador) {
    return SomarMeses(periodo, -1, separador);
}

std::string PeriodoAnteriorDe(std::string_view separador, DataOpcional data) {
    return PeriodoAnterior(FormatarPeriodo("-", data), separador);
}

std::string TrocarSeparador(std::string_view periodo, std::string_view separador) {
    return Esquerda(periodo, 4) + std::string(separador) + Direita(periodo, 2);
}

int AnoDe(DataOpcional data) { return static_cast<int>(DataOuHoje(data).year()); }

int AnoAnterior(DataOpcional data) { return AnoDe(data) - 1; }

void ValidarAno(std::string_view ano, std::string_view maximo, std::string_view minimo) {
    if (PeriodoVazio(ano)) throw Excecao("Ano informado vazio.");
    const std::string semEspacos = SemEspacos(ano);
    if (ContarDigitos(semEspacos) < 4) throw Excecao("O ano deve ser informado no formato 'aaaa'");
    if (!minimo.empty() && semEspacos < minimo) {
        throw Excecao(Formatar("Ano muito antigo (%s), anterior a %s", {semEspacos, minimo}));
    }
    if (!maximo.empty() && semEspacos > maximo) {
        throw Excecao(Formatar("Ano futuro (%s), posterior a %s", {semEspacos, maximo}));
    }
}

std::string CodigoPeriodo(std::string_view periodo) {
    if (periodo.size() == 4) return std::string(periodo) + std::string(periodo);
    return "01" + PeriodoParaMesAno(periodo, "");
}

std::string PeriodoDoCodigo(std::string_view codigo) {
    const std::string_view ano = codigo.substr(std::min<std::size_t>(4, codigo.size()), 4);
    if (ano == codigo.substr(0, 4)) return std::string(ano);
    return std::string(ano) + "-" + std::string(codigo.substr(std::min<std::size_t>(2, codigo.size()), 2));
}

std::string MesAnoParaPeriodo(std::string_view mesAno, std::string_view separador) {
    if (mesAno.empty()) return {};
    return Direita(mesAno, 4) + std::string(separador) + Esquerda(mesAno, 2);
}

std::chrono::year_month_day MesSeguinte(std::chrono::year_month_day data) {
    const std::chrono::year_month seguinte =
        std::chrono::year_month{data.year(), data.month()} + std::chrono::months{1};
    const std::chrono::day ultimo =
        std::chrono::year_month_day_last{seguinte.year(), std::chrono::month_day_last{seguinte.month()}}.day();
    return {seguinte.year(), seguinte.month(), std::min(data.day(), ultimo)};
}

}  // namespace zq
