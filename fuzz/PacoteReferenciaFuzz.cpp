// The reference package's unpacking: the input is a package as shipped (the ciphered ZIP of the database).

#include <cstdint>
#include <filesystem>

#include "AmbienteFuzz.h"
#include "record-model/comum/Excecao.h"
#include "reference-db/Empacotador.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    const auto pacote = zq::fuzz::GravarEntrada(dados, tamanho, "Morvanta.cri");
    const auto fontes = zq::fuzz::PastaFuzz() / "fontes";
    try {
        zq::DesempacotarReferencia(pacote, fontes);
    } catch (const zq::Excecao&) {
    }
    std::error_code erro;
    std::filesystem::remove_all(fontes, erro);
    return 0;
}
