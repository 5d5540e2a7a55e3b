#pragma once
// A SINTEGRA file read line by line, whose record 10, record 11 and record-90 lines are read when it is opened:
// the header from the first 6400 bytes, the trailer from the last 1536.

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/arquivos/ArqTextoLeitura.h"
#include "record-model/registros/Reg10.h"
#include "record-model/registros/Reg11.h"
#include "record-model/registros/Reg90.h"

namespace zq {

// The lines of a text, split at CR LF, CR or LF; a final line end opens no empty line. Views into `texto`.
std::vector<std::string_view> DividirLinhas(std::string_view texto);

class TArqSintegraLeitura : public TArqTextoLeitura {
public:
    struct RegistroLido {
        // Valid until the next line is read.
        std::string_view Linha;
        // Its first two characters as a number, 0 when they are not one.
        int NumeroTipo;
    };

    TArqSintegraLeitura();
    explicit TArqSintegraLeitura(const std::string& arquivo);

    // Clears the records, reads the header and the trailer, then opens the file for line reading. Raises
    // Excecao when the file cannot be opened, when it has no record 10 or no record 90, and the errors of
    // records 10 and 11 (TRegSintegra::SetLinha) as they come; after a failure nothing is open.
    void Abrir(const std::string& arquivo) override;
    // Records 10 and 11: the first line of the first 6400 bytes that begins with "10", and the line after it
    // (record 11 stays empty when there is none). Raises Excecao "Registro 10 não encontrado!".
    void LerCabecalho(std::istream& arquivo);
    // Record 90: the lines of the last 1536 bytes that begin with "90", a first line cut by the start of
    // those bytes left out.
    void LerTotais(std::istream& arquivo);
    RegistroLido ProximoRegistro();

    int NumeroTipoLinha() const { return numeroTipoLinha_; }
    TReg10& Registro10() { return registro10_; }
    const TReg10& Registro10() const { return registro10_; }
    TReg11& Registro11() { return registro11_; }
    const TReg11& Registro11() const { return registro11_; }
    TReg90& Registro90() { return registro90_; }
    const TReg90& Registro90() const { return registro90_; }

private:
    TReg10 registro10_;
    TReg11 registro11_;
    TReg90 registro90_;
    int numeroTipoLinha_ = 0;
};

}  // namespace zq
