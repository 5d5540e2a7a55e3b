// The library's single export, called by the national SINTEGRA validator.

#include <cstdint>

#include "critique/ExecutorCritica.h"

#ifdef _WIN32
#define ZQ_EXPORTA extern "C" __declspec(dllexport)
#define ZQ_CONVENCAO __stdcall
#else
#define ZQ_EXPORTA extern "C" __attribute__((visibility("default")))
#define ZQ_CONVENCAO
#endif

namespace {

// Live as long as the library is loaded; emptied at the start of every call.
zq::MensagensCritica& MensagensDaBiblioteca() {
    static zq::MensagensCritica mensagens;
    return mensagens;
}

}  // namespace

ZQ_EXPORTA std::uint8_t ZQ_CONVENCAO CriticaEspecifica(const char* arquivo, const char* saida) {
    try {
        return static_cast<std::uint8_t>(
            zq::ExecutarCritica(arquivo ? arquivo : "", saida ? saida : "", MensagensDaBiblioteca()));
    } catch (...) {
        // Nothing may escape into the host; the report could not even be built.
        return static_cast<std::uint8_t>(zq::ResultadoCritica::ComRejeicoes);
    }
}
