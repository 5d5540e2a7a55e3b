#include "record-model/totais/TabelasCfop.h"

#include <algorithm>
#include <array>

namespace zq {
namespace {

template <std::size_t N>
constexpr std::array<std::string_view, N> Ordenada(std::array<std::string_view, N> lista) {
    std::sort(lista.begin(), lista.end());
    return lista;
}

template <std::size_t N>
bool Contem(const std::array<std::string_view, N>& lista, std::string_view texto) {
    return std::binary_search(lista.begin(), lista.end(), texto);
}

// A CFOP text of one to four digits as a number that keeps its length, so that "143" and "0143" stay apart;
// -1 for any other text. Looking a number up is cheaper than comparing texts on every line.
constexpr int ChaveCfop(std::string_view cfop) {
    if (cfop.empty() || cfop.size() > 4) return -1;
    int valor = 0;
    for (char c : cfop) {
        if (c < '0' || c > '9') return -1;
        valor = valor * 10 + (c - '0');
    }
    return static_cast<int>(cfop.size()) * 10000 + valor;
}

template <std::size_t N>
constexpr std::array<int, N> Chaves(const std::array<std::string_view, N>& lista) {
    std::array<int, N> chaves{};
    for (std::size_t i = 0; i < N; ++i) {
        chaves[i] = ChaveCfop(lista[i]);
        if (chaves[i] < 0) throw "a CFOP list holds a text that is not a CFOP";  // stops the compilation
    }
    std::sort(chaves.begin(), chaves.end());
    return chaves;
}

template <std::size_t N>
bool Contem(const std::array<int, N>& chaves, std::string_view cfop) {
    const int chave = ChaveCfop(cfop);
    return chave >= 0 && std::binary_search(chaves.begin(), chaves.end(), chave);
}

constexpr auto kListaA = Chaves(std::to_array<std::string_view>({
    "1201", "2201", "3201", "1208", "2208", "1209", "2209", "1400", "2400", "3400", "1401", "2401", "1403", "2403",
    "1406", "2406", "1407", "2407", "1408", "2408", "1409", "2409", "1410", "2410", "1411", "2411", "1414", "2414",
    "1415", "2415", "1600", "2600", "1601", "2601", "1602", "2602", "1603", "2603", "1604", "2604", "1605", "2605",
    "1650", "2650", "3650", "1651", "2651", "3651", "1652", "2652", "3652", "1653", "2653", "3653", "1658", "2658",
    "1659", "2659", "1660", "2660", "1661", "2661", "1662", "2662", "1663", "2663", "1664", "2664", "1949", "2949",
    "3949", "5101", "6101", "7101", "5103", "6103", "5105", "6105", "7105", "5116", "6116", "5118", "6118", "5122",
    "6122", "5400", "6400", "5401", "6401", "5402", "6402", "5403", "6403", "5405", "5408", "6408", "5409", "6409",
    "5410", "6410", "5411", "6411", "5412", "6412", "5413", "6413", "5414", "6414", "5415", "6415", "5650", "6650",
    "7650", "5651", "6651", "7651", "5652", "6652", "5653", "6653", "5654", "6654", "7654", "5655", "6655", "5656",
    "6656", "5657", "6657", "5658", "6658", "5659", "6659", "5660", "6660", "5661", "6661", "5662", "6662", "5663",
    "6663", "5664", "6664", "5665", "6665", "5666", "6666",
}));

constexpr auto kListaB = Chaves(std::to_array<std::string_view>({
    "1904", "2904", "5414", "5415", "5451", "5501", "5502", "5554", "5901", "5904", "5905", "5908", "5910", "5911",
    "5912", "5913", "5914", "5915", "5917", "5920", "5923", "5924", "6414", "6415", "6501", "6502", "6554", "6901",
    "6904", "6905", "6908", "6910", "6911", "6912", "6913", "6914", "6915", "6916", "6917", "6920", "6923", "6924",
    "6925", "195",  "295",  "597",  "697",  "581",  "586",  "686",  "587",  "687",  "593",  "693",  "596",  "696",
    "599",  "699",  "1601", "1602", "1603", "2603", "5600", "5601", "5602", "5603", "6603", "199",  "179",  "279",
    "579",  "679",
}));

constexpr auto kListaC = Chaves(std::to_array<std::string_view>({
    "143",  "144",  "243",  "244",  "152",  "153",  "154",  "155",  "252",  "253",  "254",  "255",  "172",  "272",
    "173",  "273",  "174",  "274",  "191",  "192",  "291",  "292",  "391",  "197",  "198",  "297",  "298",  "397",
    "1128", "1253", "1254", "1255", "1256", "1257", "1302", "1303", "1304", "1305", "1306", "1403", "1406", "1407",
    "1408", "1409", "1126", "1451", "1452", "1500", "1501", "1503", "1504", "1550", "1551", "1552", "1553", "1554",
    "1555", "1556", "1557", "1901", "1902", "1903", "1905", "1906", "1907", "1908", "1909", "1911", "1914", "1915",
    "1916", "1920", "1921", "1922", "1923", "1924", "1934", "1601", "1602", "1603", "2603", "2128", "2253", "2254",
    "2255", "2256", "2257", "2302", "2303", "2304", "2305", "2306", "2403", "2406", "2407", "2501", "2503", "2504",
    "2550", "2551", "2552", "2553", "2554", "2555", "2556", "2557", "2901", "2902", "2903", "2905", "2906", "2907",
    "2908", "2909", "2911", "2914", "2915", "2916", "2920", "2921", "2922", "2923", "2924", "2126", "2934", "3128",
    "3000", "3127", "3201", "3202", "3211", "3500", "3503", "3550", "3551", "3553", "3556",
}));

// Entries taxed at the higher rate whatever their origin (lists R1 and R2).
constexpr auto kCfopsAliquotaMaior = Chaves(std::to_array<std::string_view>({
    "2201", "2202", "2203", "2204", "2208", "2209", "2410", "2411", "2414", "2415", "2553", "2554", "2660",
    "2661", "2662", "2664", "2902", "2904", "2906", "2907", "2909", "2913", "2914", "2916", "2918", "2919",
    "2921", "2925", "2949", "2251", "2252", "2253", "2254", "2255", "2256", "2257",
}));

// States of the lower interstate rate.
constexpr auto kUfsAliquotaMenor = Ordenada(std::to_array<std::string_view>({"SP", "RJ", "MG", "PR", "SC", "RS"}));

}  // namespace

bool CfopSemAdvertenciaDeValores(std::string_view cfop) { return Contem(kListaA, cfop); }

bool CfopSemConferenciaDeValores(std::string_view cfop) { return Contem(kListaB, cfop); }

bool CfopForaDaListaC(std::string_view cfop) { return !Contem(kListaC, cfop); }

bool SituacaoValida(int tipoRegistro, std::string_view situacao) {
    if (situacao == "N" || situacao == "S" || situacao == "E" || situacao == "X") return true;
    return (tipoRegistro == 50 || tipoRegistro == 70) && (situacao == "2" || situacao == "4");
}

bool SituacaoValida(int tipoRegistro, char situacao) {
    return SituacaoValida(tipoRegistro, std::string_view(&situacao, 1));
}

bool SituacaoCancelada(char situacao) {
    return situacao == 'S' || situacao == 'X' || situacao == '2' || situacao == '4';
}

// The rate is only defined for entries: `entrada` is always true where it is asked for.
double AliquotaInterestadualEsperada(std::string_view uf, [[maybe_unused]] bool entrada, bool exterior,
                                     std::string_view cfop) {
    if (exterior) return 17;
    if (Contem(kCfopsAliquotaMaior, cfop)) return 25;
    if (Contem(kUfsAliquotaMenor, uf)) return cfop == "2551" ? 12 : 7;
    return 12;
}

}  // namespace zq
