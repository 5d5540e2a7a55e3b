#pragma once
// The message boxes of the program. The window shows them; the command line writes them to standard error.
// Texts are CP1252; "\r" is a line break.

#include <string>

namespace zq {

class TCaixasMensagem {
public:
    virtual ~TCaixasMensagem() = default;
    virtual void Informacao(const std::string& texto) = 0;
    virtual void Erro(const std::string& texto) = 0;
};

// By default the platform's message box.
TCaixasMensagem& CaixasAtuais();
void DefinirCaixas(TCaixasMensagem* caixas);  // nullptr restores the default

}  // namespace zq
