#pragma once
// The receipt file (".rcb") the authority returns for a transmission file: one line per declaration, in the
// order of its records, authenticated by an MD5 receipt code.

#include <string>
#include <vector>

#include "record-model/comum/Excecao.h"

namespace zq {

// A receipt of a declaration received out of time.
class ENoldeNetForaDoPrazo : public Excecao {
public:
    using Excecao::Excecao;
};

struct TRegReciboNoldeNet {
    int NumeroMagico = 0;
    std::string Periodo;  // the 8 characters of the transmission file's header
    std::string Inscricao;
    std::string Data;  // dd/mm/yyyy
    std::string Hora;  // hh:nn:ss
    std::string CodigoDados;
    std::string CodigoRecibo;
    int CodigoDuplicidade = 0;
    bool CodigoConferido = false;
    std::string Linha;

    // "yyyy-mm" for a month, "yyyy" for a year.
    std::string PeriodoTexto() const;
    // "Primeira apresentação", "Reapresentação (2ª via)", "Fora do prazo"; Excecao for any other code.
    std::string Situacao() const;
    std::string Descricao(int recuo) const;
};

class TArqReciboNoldeNet {
public:
    // Loads the lines and checks them: Excecao when the file is empty or a line is longer than 110 or shorter
    // than 45 characters.
    explicit TArqReciboNoldeNet(const std::string& arquivo);

    const std::string& Caminho() const { return caminho_; }
    int Identificador() const { return identificador_; }
    int Quantidade() const { return static_cast<int>(linhas_.size()); }
    int Indice() const { return indice_; }  // 0-based; -1 before the first line

    bool HaProximo() const { return indice_ < Quantidade() - 1; }
    // Parses the next line. ENoldeNetForaDoPrazo for a line received out of time; Excecao for a line that cannot
    // be parsed; false, after an error box, when its receipt code does not check.
    bool Proximo();
    bool ForaDoPrazo() const { return atual_.CodigoDados == "-1"; }
    const TRegReciboNoldeNet& Atual() const { return atual_; }

private:
    std::string caminho_;
    std::vector<std::string> linhas_;
    int identificador_ = 0;
    int indice_ = -1;
    TRegReciboNoldeNet atual_;
};

}  // namespace zq
