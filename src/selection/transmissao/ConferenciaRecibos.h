#pragma once
// The receipts of a transmission file, each checked against its record and against the declaration TXT
// inside the record, into tblNoldeNet.

#include <string>

#include "gim-records/ArqSintegraGimZQLeitura.h"
#include "selection/tabelas/TabelasValidador.h"
#include "selection/transmissao/ArqDadosNoldeNet.h"
#include "selection/transmissao/ArqReciboNoldeNet.h"

namespace zq {

class TConferenciaRecibos {
public:
    // `pastaTxt` receives the extracted TXTs, `pastaTemp` the record's ZIP while it is read.
    TConferenciaRecibos(TArqDadosNoldeNet& dados, std::string pastaTxt, std::string pastaTemp, TTabelaNoldeNet& tabela);

    // Loads the receipt file: errors of the file as a whole raise Excecao; a single receipt that does not check
    // is shown in a message box and left out.
    void Carregar(const std::string& arquivoRecibos);

private:
    void ConferirComRegistro(const TArqReciboNoldeNet& recibos, const TRegReciboNoldeNet& recibo);
    TReciboNoldeNet LinhaDoRecibo(const TArqReciboNoldeNet& recibos, const TRegReciboNoldeNet& recibo);
    // Extracts the record's TXT into the row (path and identity).
    void ExtrairTxt(TReciboNoldeNet& linha);
    void ConferirTxt(const TArqReciboNoldeNet& recibos, const TRegReciboNoldeNet& recibo, TReciboNoldeNet& linha);

    TArqDadosNoldeNet& dados_;
    std::string pastaTxt_;
    std::string pastaTemp_;
    TTabelaNoldeNet& tabela_;
    TArqSintegraGimZQLeitura leitor_;
};

}  // namespace zq
