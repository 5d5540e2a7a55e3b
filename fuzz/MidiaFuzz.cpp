// The media scan of one ZIP: checked, extracted and its TXT identified.

#include <cstdint>

#include "AmbienteFuzz.h"
#include "record-model/comum/Excecao.h"
#include "selection/varredura/MidiaSintegra.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    const auto zip = zq::fuzz::GravarEntrada(dados, tamanho, "midia.zip");
    try {
        zq::ExtrairMidia(zip.string(), (zq::fuzz::PastaFuzz() / "extracao").string());
    } catch (const zq::Excecao&) {
    }
    return 0;
}
