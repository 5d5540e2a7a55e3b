#pragma once
// Starting documents and programs on behalf of the program's window.

#include <functional>
#include <string>

namespace zq {

enum class EstadoJanela { Normal, Minimizada, Maximizada };

// What "still running" reads as while a program has not ended.
inline constexpr int kProcessoAtivo = 259;

// Opens a file or an address with the desktop's default action. On POSIX this happens only when the user
// asks for the desktop (ZQ_DESKTOP=1); otherwise the request is written to standard error. False when it
// could not be started.
bool AbrirComShell(const std::string& arquivo, const std::string& parametros, const std::string& pasta,
                   EstadoJanela estado);

// Starts the program with its parameters (split at blanks, double quotes grouping) in the working folder
// (the current one when empty) and waits for its end, calling `processarEventos` between two looks at it;
// when that returns false (the application is ending) the wait stops with kProcessoAtivo. -1 when the
// program cannot be started; otherwise its exit code (128 + the signal's number when a signal ended it).
// Texts are CP1252.
int ExecutarEAguardar(const std::string& arquivo, const std::string& parametros, const std::string& pasta,
                      EstadoJanela estado, const std::function<bool()>& processarEventos = {});

}  // namespace zq
