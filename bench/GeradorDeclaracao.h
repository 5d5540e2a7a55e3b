#pragma once
// Writes a large synthetic monthly declaration of the home state: records 10
// and 11, invoices (50 with their items 54), fiscal printers (60M, 60A),
// consumer invoices (61, 61R), freight (70), products (75), the type-88 GIM
// records and the record 90 totals. Invoice numbers are consecutive per series
// and the ICMS of every invoice matches its base and rate.

#include <cstdint>
#include <filesystem>

namespace zq::bench {

struct ResumoDeclaracao {
    std::uint64_t bytes = 0;
    std::uint64_t linhas = 0;
};

ResumoDeclaracao GerarDeclaracao(const std::filesystem::path& arquivo, std::uint64_t bytesAlvo);

}  // namespace zq::bench
