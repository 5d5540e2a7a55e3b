// The critique over arbitrary bytes, through the driver the export calls, with a current host.

#include <cstdint>

#include "AmbienteFuzz.h"
#include "critique/ExecutorCritica.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    static zq::MensagensCritica mensagens;
    const auto arquivo = zq::fuzz::GravarEntrada(dados, tamanho, "declaracao.txt");
    zq::ExecutarCritica(arquivo.string(), (zq::fuzz::PastaFuzz() / "relatorio.txt").string(), mensagens);
    return 0;
}
