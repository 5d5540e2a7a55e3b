#pragma once
// Message boxes and documents of unattended runs: written to standard error
// instead of the desktop, in one form on every system.
// ZQ_DESKTOP=1 asks for the desktop on POSIX, ZQ_DESKTOP=0 refuses it on Windows.

#include <filesystem>
#include <string>

namespace zq {

// Whether ZQ_DESKTOP asks for the desktop; the system's own default when it is unset.
bool DesktopPedido(bool padraoDoSistema);

void MensagemSemDesktop(const std::string& textoCp1252);                                  // "[mensagem] ..."
void DocumentoSemDesktop(const std::string& programa, const std::filesystem::path& documento);  // "[abrir] ..."

}  // namespace zq
