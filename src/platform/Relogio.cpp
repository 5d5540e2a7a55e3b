#include "platform/Relogio.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zq {
namespace {

std::optional<std::chrono::year_month_day>& DiaFixado() {
    static std::optional<std::chrono::year_month_day> dia;
    return dia;
}

std::optional<std::chrono::year_month_day> DiaDoAmbiente() {
    const char* texto = std::getenv("ZQ_HOJE");
    int ano = 0;
    unsigned mes = 0;
    unsigned dia = 0;
    if (texto == nullptr || std::sscanf(texto, "%d-%u-%u", &ano, &mes, &dia) != 3) return std::nullopt;
    const std::chrono::year_month_day data{std::chrono::year{ano}, std::chrono::month{mes}, std::chrono::day{dia}};
    if (!data.ok()) return std::nullopt;
    return data;
}

std::chrono::year_month_day DiaDoSistema() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &agora);
#else
    localtime_r(&agora, &local);
#endif
    return {std::chrono::year{local.tm_year + 1900}, std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace

std::chrono::year_month_day Hoje() {
    if (DiaFixado()) return *DiaFixado();
    if (const auto doAmbiente = DiaDoAmbiente()) return *doAmbiente;
    return DiaDoSistema();
}

void FixarHoje(std::optional<std::chrono::year_month_day> dia) { DiaFixado() = dia; }

}  // namespace zq
