#pragma once
// The names and keys of the package chain: "Morvanta.cri" is a ZIP whose single entry is the database file,
// the entry protected by the ZIP password, the whole ZIP shifted byte by byte by the cipher key.

namespace zq {

inline constexpr const char* kNomePacote = "Morvanta.cri";
inline constexpr const char* kNomeBaseBanco = "bcoMorvanta";
// The database file's name inside the ZIP.
inline constexpr const char* kNomeArquivoBanco = "Morvanta.db";
inline constexpr const char* kSenhaZip = "!%#&mavTek)(*";
inline constexpr const char* kChaveCifra = "(k+r%m!Q^z~w]e;t";

}  // namespace zq
