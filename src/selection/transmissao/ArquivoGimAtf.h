#pragma once
// The virtual-office file (".atfgim"): the CRC-32 of the rest, the program's version digits, the size of a
// ZIP and the ZIP itself, holding every selected TXT encrypted with the virtual-office password.

#include <chrono>
#include <string>
#include <vector>

namespace zq {

inline constexpr const char* kSenhaGimAtf = "K37WtpqN%&9";

// The first four characters of a file version without its dots: "2.1.4.9" gives "2149".
std::string DigitosVersao(const std::string& versao);

// "<prefix>_Coletoria_yyyymmdd-hhnnss_<count in 5 digits>.atfgim"; prefix "DA" or "Gim".
std::string NomeArquivoColetoria(const std::string& prefixo, int quantidade, std::chrono::local_seconds agora);

// Writes the file at `saida` (creating its folder) from the TXTs, through temporary files of the work folder
// that are removed whatever happens. The output appears only when complete. EZip or EArquivo on failure.
void GeraArquivoGimAtf(const std::vector<std::string>& txts, const std::string& senha, const std::string& digitosVersao,
                       const std::string& pastaTrabalho, const std::string& saida);

}  // namespace zq
