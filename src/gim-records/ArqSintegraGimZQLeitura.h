#pragma once
// The program's reader of a declaration file: the SINTEGRA reader that, when it opens a file, also gathers the
// type-88 records of the declaration without reading the whole file.
//
// The type-88 lines come, sorted by sub-type, just before the record-90 lines. A normal-regime GIM is found in
// the last 1536 bytes, where its block begins with 8801; any other declaration, or a longer block, is read from
// the position that the type-88 count of record 90 gives.

#include <string>

#include "gim-records/Regs88.h"
#include "record-model/arquivos/ArqSintegraLeitura.h"

namespace zq {

class TArqSintegraGimZQLeitura : public TArqSintegraLeitura {
public:
    TArqSintegraGimZQLeitura();

    // Reads records 10, 11, 90 and the type-88 records, then opens the file for line reading, as the base
    // reader does. Raises besides the base's errors ERegSintegraInvalido "88" when type-88 lines are invalid and,
    // when `exigirDeclaracao`, Excecao "Arquivo '...' não contém declaração de GIM nem de Dados Anuais." for a
    // file with neither. After a failure nothing is open.
    void Abrir(const std::string& arquivo, bool exigirDeclaracao);
    // Without requiring a declaration.
    void Abrir(const std::string& arquivo) override { Abrir(arquivo, false); }

    TRegs88& Registros88() { return registros88_; }
    const TRegs88& Registros88() const { return registros88_; }

private:
    void LerDeclaracao(const std::string& arquivo);
    // The block of type-88 lines that begins at the first 8801 of the last 1536 bytes; the record-90 lines.
    void LerFinal(std::istream& fluxo, std::streamoff tamanho);
    // The type-88 lines from the position that the type-88 count of record 90 gives.
    void LerPelaContagem(std::istream& fluxo, std::streamoff tamanho);

    TRegs88 registros88_;
};

}  // namespace zq
