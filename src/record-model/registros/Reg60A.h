#pragma once
// Record 60A: the total of one fiscal-printer day per tax situation or rate.
//
// The current layout names the printer by its serial number (columns 12-31); the earlier one by its
// three-digit order number (12-14), which moves the situation and the value 17 columns left.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg60A : public TRegSintegra {
public:
    TReg60A() : TRegSintegra("60A", 126) {}

    bool LeiauteAntigo() const { return leiauteAntigo_; }
    void SetLeiauteAntigo(bool antigo);

    const std::optional<std::chrono::year_month_day>& DataEmissao() const { return dataEmissao_.Valor(); }
    // Empty in the earlier layout.
    const std::string& NumeroSerie() const { return numeroSerie_.Valor(); }
    // Three digits; empty in the current layout.
    const std::string& NumeroOrdem() const { return numeroOrdem_.Valor(); }
    // A rate in hundredths of percent ("1700") or a code: "F", "I", "N", "CANC", "DESC", "ISS"...
    const std::string& SituacaoTributaria() const { return situacaoTributaria_.Valor(); }
    // The rate of the situation in percent ("1700" is 17.00); 0 for a situation that is not a number.
    double Aliquota() const;
    Moeda Valor() const { return valor_.Valor(); }

    void SetDataEmissao(const std::chrono::year_month_day& valor) { dataEmissao_.Set(valor); }
    void SetNumeroSerie(std::string_view valor) { numeroSerie_.Set(valor); }
    void SetNumeroOrdem(std::string_view valor) { numeroOrdem_.Set(valor); }
    void SetSituacaoTributaria(std::string_view valor) { situacaoTributaria_.Set(valor); }
    void SetValor(Moeda valor) { valor_.Set(valor); }

private:
    static void NormalizarNumeroOrdem(std::string_view texto, std::string& destino);

    bool leiauteAntigo_ = false;
    TCampoData dataEmissao_{*this, 4};
    TCampoTexto numeroSerie_{*this, 12, 20, normalizacao::Normalizado};
    TCampoTexto numeroOrdem_{*this, 12, 0, NormalizarNumeroOrdem};
    TCampoTexto situacaoTributaria_{*this, 32, 4, normalizacao::Aparado};
    TCampoMonetario valor_{*this, 36, 12};
};

}  // namespace zq
