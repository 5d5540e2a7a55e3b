#pragma once
// The figures of one declaration for the reports: its record 10 and type-88 records, and the totals of its
// notes (50, 76), transport (70), talão (61) and fiscal-printer (60A) records. One instance serves every
// declaration in turn.

#include <string>

#include "gim-records/ArqSintegraGimZQLeitura.h"
#include "record-model/registros/Reg50.h"
#include "record-model/registros/Reg60A.h"
#include "record-model/registros/Reg61.h"
#include "record-model/registros/Reg70.h"
#include "record-model/registros/Reg76.h"
#include "record-model/totais/Acumulados.h"
#include "reports/dados/TabelaRelatorio.h"

namespace zq {

class TArquivoGimSintegra {
public:
    TArquivoGimSintegra();
    TArquivoGimSintegra(const TArquivoGimSintegra&) = delete;
    TArquivoGimSintegra& operator=(const TArquivoGimSintegra&) = delete;

    // Zeroes the totals and reads the TXT; afterwards the reader holds its record 10 and type-88 records. The
    // reader's errors go on to the caller, a line that cannot be read as Excecao naming the file, the line and
    // the fields; the file is closed in every case.
    void Acumular(const std::string& arquivoTxt);
    // Fills the row's declaration fields from what Acumular read (not the receipt fields).
    void Preencher(TLinhaRelatorio& linha) const;

    const TArqSintegraGimZQLeitura& Leitor() const { return leitor_; }

private:
    void AcumularLinha(const TArqSintegraLeitura::RegistroLido& registro);
    void PreencherGim(TLinhaRelatorio& linha) const;
    void PreencherMovimento(TLinhaRelatorio& linha) const;
    void PreencherDadosAnuais(TLinhaRelatorio& linha) const;

    TArqSintegraGimZQLeitura leitor_;
    TReg50 reg50_;
    TReg60A reg60A_;
    TReg61 reg61_;
    TReg70 reg70_;
    TReg76 reg76_;
    TReg50Acumulado notasEntradas_;
    TReg50Acumulado notasSaidas_;
    TReg60AAcumulado ecf_;
    TReg61Acumulado talao_;
    TReg70Acumulado transporteEntradas_;
    TReg70Acumulado transporteSaidas_;
    TReg76Acumulado reg76Entradas_;
    TReg76Acumulado reg76Saidas_;
};

}  // namespace zq
