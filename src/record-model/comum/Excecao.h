#pragma once
// The general exception of the system: a failure carrying its Portuguese message.

#include <exception>
#include <stdexcept>
#include <string>

namespace zq {

class Excecao : public std::runtime_error {
public:
    explicit Excecao(const std::string& mensagem) : std::runtime_error(mensagem), mensagem_(mensagem) {}

    // The whole message: what() ends at the first NUL byte of the data it quotes.
    const std::string& Mensagem() const { return mensagem_; }

private:
    std::string mensagem_;
};

// A text that does not convert to the value asked for (a number, a date).
class EErroConversao : public Excecao {
public:
    using Excecao::Excecao;
};

// The message of a failure, whole where the failure is one of ours.
inline std::string MensagemDe(const std::exception& erro) {
    if (const auto* excecao = dynamic_cast<const Excecao*>(&erro)) return excecao->Mensagem();
    return erro.what();
}

}  // namespace zq
