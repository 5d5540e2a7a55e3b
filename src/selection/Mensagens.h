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
    // A Yes/No question whose default is No; automated runs answer No without asking.
    virtual bool Confirmar(const std::string& texto) {
        static_cast<void>(texto);
        return false;
    }
};

// By default the platform's message box.
TCaixasMensagem& CaixasAtuais();
void DefinirCaixas(TCaixasMensagem* caixas);  // nullptr restores the default

}  // namespace zq
