#pragma once
// The general exception of the system: a failure carrying its Portuguese message.

#include <stdexcept>
#include <string>

namespace zq {

class Excecao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to the value asked for (a number, a date).
class EErroConversao : public Excecao {
public:
    using Excecao::Excecao;
};

}  // namespace zq
