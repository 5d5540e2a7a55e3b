// The transmission file (".sfn") and receipt file (".rcb") readers. The input's first byte chooses the reader;
// for a transmission file the rest is its body, and the CRC-32 the reader checks is put in front of it.

#include <zlib.h>

#include <cstdint>
#include <string>

#include "AmbienteFuzz.h"
#include "record-model/comum/Excecao.h"
#include "selection/transmissao/ArqDadosNoldeNet.h"
#include "selection/transmissao/ArqReciboNoldeNet.h"

namespace {

void LerTransmissao(const std::uint8_t* corpo, std::size_t tamanho) {
    const auto crc = static_cast<std::uint32_t>(crc32(0, corpo, static_cast<uInt>(tamanho)));
    std::string arquivo(4, '\0');
    for (int i = 0; i < 4; ++i) arquivo[i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
    arquivo.append(reinterpret_cast<const char*>(corpo), tamanho);
    const auto caminho = zq::fuzz::GravarEntrada(reinterpret_cast<const std::uint8_t*>(arquivo.data()),
                                                 arquivo.size(), "transmissao.sfn");
    zq::TArqDadosNoldeNet transmissao;
    if (!transmissao.Abrir(caminho.string())) return;
    transmissao.PeriodoTexto();
    transmissao.QuantidadeRegistros();
    while (transmissao.HaMaisRegistros() && transmissao.LerProximo(false)) {
        transmissao.Registro().CodigoDados();
        transmissao.Registro().Descricao(2);
    }
}

void LerRecibo(const std::uint8_t* dados, std::size_t tamanho) {
    const auto caminho = zq::fuzz::GravarEntrada(dados, tamanho, "transmissao.rcb");
    zq::TArqReciboNoldeNet recibo(caminho.string());
    while (recibo.HaProximo()) {
        try {
            if (recibo.Proximo()) {
                recibo.Atual().PeriodoTexto();
                recibo.Atual().Situacao();
                recibo.Atual().Descricao(2);
            }
        } catch (const zq::ENoldeNetForaDoPrazo&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    if (tamanho == 0) return 0;
    try {
        if (dados[0] % 2 == 0) {
            LerTransmissao(dados + 1, tamanho - 1);
        } else {
            LerRecibo(dados + 1, tamanho - 1);
        }
    } catch (const zq::Excecao&) {
    }
    return 0;
}
