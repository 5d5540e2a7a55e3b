#pragma once
// Look-ups in the system registry. On POSIX a small text file of ours stands in for it, written like a
// ".reg" export:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\ValidadorSintegra2018.exe]
//   @=/opt/sintegra/ValidadorSintegra2018
//   "Nome"=valor
//
// "@" is the key's default value; key and value names ignore letter case; a value may be quoted; lines
// beginning with ';' or '#' are comments. The file is UTF-8; texts returned are CP1252 like every text of
// this layer. Its place is $ZQ_REGISTRO, else $XDG_CONFIG_HOME/zq/registro.reg, else
// ~/.config/zq/registro.reg.

#include <filesystem>
#include <optional>
#include <string>

namespace zq {

inline constexpr const char* kHkeyLocalMachine = "HKEY_LOCAL_MACHINE";

// A value of a key opened read-only; the default value when `nome` is empty. Nothing when the key or the
// value is absent.
std::optional<std::string> LerValorRegistro(const std::string& raiz, const std::string& chave,
                                            const std::string& nome = "");

std::filesystem::path ArquivoRegistro();

}  // namespace zq
