// The reference package's unpacking. The input is the package's ZIP before the cipher; the target ciphers it
// as the packager does, so the fuzzer works on the ZIP and the database inside.

#include <cstdint>
#include <filesystem>

#include "AmbienteFuzz.h"
#include "record-model/comum/Excecao.h"
#include "reference-db/CifraDeslocamento.h"
#include "reference-db/Empacotador.h"
#include "reference-db/PacoteMorvanta.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    const auto pacote = zq::fuzz::GravarEntrada(dados, tamanho, "Morvanta.cri");
    const auto fontes = zq::fuzz::PastaFuzz() / "fontes";
    try {
        zq::CifraDeslocamento(zq::kChaveCifra).Cifrar(pacote);
        zq::DesempacotarReferencia(pacote, fontes);
    } catch (const zq::Excecao&) {
    }
    std::error_code erro;
    std::filesystem::remove_all(fontes, erro);
    return 0;
}
