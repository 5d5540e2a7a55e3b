#pragma once
// The largest inputs the readers accept from files they did not write. Beyond these a file is refused with
// a message naming the limit, before any memory is sized by what the file claims of itself.
//
// The critique has no file limit: it streams its input and keeps at most 1024 bytes of any line
// (LeitorLinhas), reporting longer lines with their real length.

#include <cstddef>
#include <cstdint>

namespace zq {

// A line of a text file the program reads (declaration TXT, receipts): a SINTEGRA line has 126 characters.
inline constexpr std::size_t kLinhaMaximaTexto = std::size_t{1} << 20;

// A ZIP from outside (media, receipts, reference package): its entries, inflated, in all.
inline constexpr std::uint64_t kZipMaximoDescompactado = std::uint64_t{1} << 30;
// ... how much one entry may inflate, as a multiple of its stored size.
inline constexpr std::uint64_t kTaxaCompressaoMaxima = 1000;
// ... and how many entries it may have (a media holds a TXT, its summary and a few CFOP lists).
inline constexpr std::size_t kEntradasZipMaximas = 1000;

// A transmission file (".sfn"), read whole into memory.
inline constexpr std::uint64_t kArquivoTransmissaoMaximo = std::uint64_t{1} << 30;
// A receipts file (".rcb"): one line of at most 110 characters per declaration.
inline constexpr std::uint64_t kArquivoRecibosMaximo = std::uint64_t{16} << 20;

}  // namespace zq
