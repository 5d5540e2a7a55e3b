#pragma once
// What long file operations tell the user interface, which runs on the same thread: a status hint, and a
// chance to process its pending events while they work. Without a window nothing happens.

#include <string>

namespace zq {

class TInteracao {
public:
    virtual ~TInteracao() = default;

    virtual void ProcessarEventos() {}
    virtual void MostrarDica(const std::string& dica) { static_cast<void>(dica); }
};

TInteracao& InteracaoAtual();
void DefinirInteracao(TInteracao* interacao);  // nullptr: no user interface

}  // namespace zq
