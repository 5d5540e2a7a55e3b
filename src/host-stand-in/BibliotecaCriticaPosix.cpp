#include <dlfcn.h>

#include <stdexcept>

#include "host-stand-in/BibliotecaCritica.h"
#include "platform/Cp1252.h"

namespace zq {
namespace {
using FuncaoCritica = std::uint8_t (*)(const char*, const char*);
}

BibliotecaCritica::BibliotecaCritica(const std::filesystem::path& pasta) {
    const auto biblioteca = pasta / "libMorvanta.so";
    modulo_ = dlopen(biblioteca.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (modulo_ == nullptr) {
        throw std::runtime_error("Não foi possível carregar " + biblioteca.string() + ": " + dlerror());
    }
    funcao_ = dlsym(modulo_, "CriticaEspecifica");
    if (funcao_ == nullptr) {
        dlclose(modulo_);
        throw std::runtime_error("CriticaEspecifica não encontrada em " + biblioteca.string());
    }
}

BibliotecaCritica::~BibliotecaCritica() { dlclose(modulo_); }

std::uint8_t BibliotecaCritica::CriticaEspecifica(const std::string& arquivoCp1252,
                                                  const std::string& saidaCp1252) const {
    return reinterpret_cast<FuncaoCritica>(funcao_)(arquivoCp1252.c_str(), saidaCp1252.c_str());
}

// The terminal speaks UTF-8.
std::string ArgumentoCp1252(const char* argumento) { return Utf8ParaCp1252(argumento); }

}  // namespace zq
