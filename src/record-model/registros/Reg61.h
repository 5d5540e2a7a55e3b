#pragma once
// Record 61: a daily summary of documents issued without a fiscal printer (series D tickets, NFC-e...).

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg61 : public TRegSintegra {
public:
    TReg61() : TRegSintegra("61", 126) {}

    const std::optional<std::chrono::year_month_day>& DataEmissao() const { return dataEmissao_.Valor(); }
    const std::string& Modelo() const { return modelo_.Valor(); }
    const std::string& Serie() const { return serie_.Valor(); }
    const std::string& Subserie() const { return subserie_.Valor(); }
    std::int32_t NumeroInicial() const { return numeroInicial_.Valor(); }
    std::int32_t NumeroFinal() const { return numeroFinal_.Valor(); }
    // The numbers zero-padded to six digits.
    std::string NumeroInicialTexto() const;
    std::string NumeroFinalTexto() const;
    Moeda ValorTotal() const { return valorTotal_.Valor(); }
    Moeda BaseCalculo() const { return baseCalculo_.Valor(); }
    Moeda ValorIcms() const { return valorIcms_.Valor(); }
    Moeda Isentas() const { return isentas_.Valor(); }
    Moeda Outras() const { return outras_.Valor(); }
    double Aliquota() const { return aliquota_.Valor(); }

    void SetDataEmissao(const std::chrono::year_month_day& valor) { dataEmissao_.Set(valor); }
    void SetModelo(std::string_view valor) { modelo_.Set(valor); }
    void SetSerie(std::string_view valor) { serie_.Set(valor); }
    void SetSubserie(std::string_view valor) { subserie_.Set(valor); }
    void SetNumeroInicial(std::int32_t valor) { numeroInicial_.Set(valor); }
    void SetNumeroFinal(std::int32_t valor) { numeroFinal_.Set(valor); }
    void SetValorTotal(Moeda valor) { valorTotal_.Set(valor); }
    void SetBaseCalculo(Moeda valor) { baseCalculo_.Set(valor); }
    void SetValorIcms(Moeda valor) { valorIcms_.Set(valor); }
    void SetIsentas(Moeda valor) { isentas_.Set(valor); }
    void SetOutras(Moeda valor) { outras_.Set(valor); }
    void SetAliquota(double valor) { aliquota_.Set(valor); }

private:
    // Columns 3-30 are blank in this record.
    TCampoData dataEmissao_{*this, 31};
    TCampoTexto modelo_{*this, 39, 2};
    TCampoTexto serie_{*this, 41, 3, normalizacao::Maiusculo};
    TCampoTexto subserie_{*this, 44, 2, normalizacao::Maiusculo};
    TCampoInteiro numeroInicial_{*this, 46, 6};
    TCampoInteiro numeroFinal_{*this, 52, 6};
    TCampoMonetario valorTotal_{*this, 58, 13};
    TCampoMonetario baseCalculo_{*this, 71, 13};
    TCampoMonetario valorIcms_{*this, 84, 12};
    TCampoMonetario isentas_{*this, 96, 13};
    TCampoMonetario outras_{*this, 109, 13};
    TCampoDecimal aliquota_{*this, 122, 4};
};

}  // namespace zq
