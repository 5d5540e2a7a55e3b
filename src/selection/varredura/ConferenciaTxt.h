#pragma once
// The identity of a declaration TXT taken from its media ZIP entry, checked again before every later use.

#include <chrono>
#include <cstdint>
#include <string>

namespace zq {

// The standard CRC-32 of ZIP over the whole file. Excecao "ERRO FATAL no cálculo do CRC-32!!!" followed by
// the failure when the file cannot be read.
std::uint32_t Crc32Arquivo(const std::string& arquivo);

// Checks, in this order, that the file exists, that its size, date-time and CRC-32 are those recorded, and
// returns its path; the first mismatch raises Excecao with the values found and expected.
std::string ConferirTxt(const std::string& pathTxt, std::int64_t tamanhoTxt, std::chrono::local_seconds dataHoraTxt,
                        std::uint32_t crcTxt);

}  // namespace zq
