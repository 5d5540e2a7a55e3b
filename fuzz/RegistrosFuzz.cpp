// The record parsers: a file opened by the program's reader (records 10, 11, 90 and the declaration's type-88
// block), then every line read and each type-88 line parsed again into a fresh set of records.

#include <cstdint>

#include "AmbienteFuzz.h"
#include "gim-records/ArqSintegraGimZQLeitura.h"
#include "record-model/comum/Excecao.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    const auto arquivo = zq::fuzz::GravarEntrada(dados, tamanho, "declaracao.txt");
    try {
        zq::TArqSintegraGimZQLeitura leitor;
        leitor.Abrir(arquivo.string(), false);
        leitor.Registros88().CalcularTotais();
        zq::TRegs88 registros88(leitor.Registro10());
        while (!leitor.Eof()) {
            const auto registro = leitor.ProximoRegistro();
            if (registro.NumeroTipo == 88) registros88.Adicionar(registro.Linha);
        }
        registros88.CalcularTotais();
        registros88.Periodo();
        registros88.TipoEntrega();
    } catch (const zq::Excecao&) {
    }
    return 0;
}
