// Feeds the record-54 control with the records 50 of a large retailer's declaration and then with their
// records 54 (in another order), and prints lines per second of each phase and the process's peak memory.
// The lines are patched in place from a template, so the time measured is the control's.
// Usage: bench_controle54 [number of records 50]   (default: 1000000)

#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>

#include "record-model/totais/Controle54.h"

namespace {

const std::string kModelo50 = std::string("50") + "11222333000100" + "161234569     " + "20170512" + "SP" + "55" +
                              "000" + "000000" + "5102" + "T" + "0000000123456" + "0000000123456" + "0000000020987" +
                              "0000000000000" + "0000000000000" + "1700" + "N";
const std::string kModelo54 = std::string("54") + "11222333000100" + "55" + "000" + "000000" + "5102" + "000" + "001" +
                              "PRODUTO-00001 " + "00000001000" + "000000123456" + "000000000000" + "000000123456" +
                              "000000000000" + "000000000000" + "1700";

// Writes `valor` as `tamanho` digits from column `coluna`.
void Escrever(std::string& linha, std::size_t coluna, std::size_t tamanho, unsigned long valor) {
    for (std::size_t i = coluna - 1 + tamanho; i-- > coluna - 1; valor /= 10) {
        linha[i] = static_cast<char>('0' + valor % 10);
    }
}

// Invoice i: one of a thousand suppliers (CNPJ 3-16), the series by the million, the number by the units.
void Identificar(std::string& linha, unsigned long i, std::size_t colunaSerie) {
    Escrever(linha, 8, 3, i % 1000);
    Escrever(linha, colunaSerie, 3, i / 1'000'000);
    Escrever(linha, colunaSerie + 3, 6, i % 1'000'000);
}

double Segundos(std::chrono::steady_clock::time_point inicio) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned long quantidade = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1'000'000UL;
    if (kModelo50.size() != 126 || kModelo54.size() != 126 || quantidade == 0) {
        std::fprintf(stderr, "uso: bench_controle54 [quantidade de registros 50]\n");
        return 2;
    }
    // A stride coprime with the count visits every invoice once, in an order unlike that of the records 50.
    unsigned long passo = 999'983UL;
    while (std::gcd(passo, quantidade) != 1) ++passo;

    zq::TControle54 controle;

    std::string linha = kModelo50;
    const auto inicio50 = std::chrono::steady_clock::now();
    for (unsigned long i = 0; i < quantidade; ++i) {
        Identificar(linha, i, 43);
        controle.RegistrarRegistro50(linha, static_cast<std::int64_t>(i) + 2);
    }
    const double segundos50 = Segundos(inicio50);
    const std::size_t pendentes = controle.Pendencias();

    linha = kModelo54;
    const auto inicio54 = std::chrono::steady_clock::now();
    for (unsigned long i = 0, nota = 0; i < quantidade; ++i, nota = (nota + passo) % quantidade) {
        Identificar(linha, nota, 19);
        controle.BaixarRegistro54(linha);
    }
    const double segundos54 = Segundos(inicio54);

    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const double n = static_cast<double>(quantidade);
    std::printf("%-14s %10s %10s %14s\n", "fase", "linhas", "segundos", "linhas/s");
    std::printf("%-14s %10lu %10.3f %14.0f\n", "registros 50", quantidade, segundos50, n / segundos50);
    std::printf("%-14s %10lu %10.3f %14.0f\n", "registros 54", quantidade, segundos54, n / segundos54);
    std::printf("%-14s %10lu %10.3f %14.0f\n", "total", 2 * quantidade, segundos50 + segundos54,
                2 * n / (segundos50 + segundos54));
    std::printf("pendentes depois dos 50: %zu; depois dos 54: %zu\n", pendentes, controle.Pendencias());
    std::printf("pico de memória: %.1f MB\n", static_cast<double>(uso.ru_maxrss) / 1024.0);
    return pendentes == quantidade && controle.Pendencias() == 0 ? 0 : 1;
}
