#include "selection/varredura/DataHoraArquivo.h"

#include <ctime>
#include <filesystem>

#include "platform/Plataforma.h"

namespace zq {

namespace {

std::chrono::local_seconds HoraLocal(std::time_t segundos) {
    using namespace std::chrono;
    std::tm campos{};
    localtime_r(&segundos, &campos);
    const year_month_day dia{year{campos.tm_year + 1900}, month{static_cast<unsigned>(campos.tm_mon + 1)},
                             day{static_cast<unsigned>(campos.tm_mday)}};
    return local_days{dia} + hours{campos.tm_hour} + minutes{campos.tm_min} + seconds{campos.tm_sec};
}

}  // namespace

std::optional<std::chrono::local_seconds> DataHoraArquivo(const std::string& arquivo) {
    using namespace std::chrono;
    std::error_code erro;
    const auto instante = std::filesystem::last_write_time(CaminhoNativo(arquivo), erro);
    if (erro) return std::nullopt;
    return HoraLocal(system_clock::to_time_t(floor<seconds>(file_clock::to_sys(instante))));
}

std::chrono::local_seconds AgoraLocal() { return HoraLocal(std::time(nullptr)); }

}  // namespace zq
