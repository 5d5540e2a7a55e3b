#pragma once
// Record 55: a payment guide of ICMS due to another state (GNRE).
//
// The earlier layout has a 12-character guide number, which moves the fields after it 8 columns left.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg55 : public TRegSintegra {
public:
    TReg55() : TRegSintegra("55", 126) {}

    bool LeiauteAntigo() const { return leiauteAntigo_; }
    void SetLeiauteAntigo(bool antigo);

    const std::string& Cnpj() const { return cnpj_.Valor(); }
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    const std::optional<std::chrono::year_month_day>& DataPagamento() const { return dataPagamento_.Valor(); }
    const std::string& UfSubstituto() const { return ufSubstituto_.Valor(); }
    const std::string& UfFavorecida() const { return ufFavorecida_.Valor(); }
    std::int32_t Banco() const { return banco_.Valor(); }
    std::int32_t Agencia() const { return agencia_.Valor(); }
    const std::string& NumeroGnre() const { return numeroGnre_.Valor(); }
    Moeda Valor() const { return valor_.Valor(); }
    const std::optional<std::chrono::year_month_day>& DataVencimento() const { return dataVencimento_.Valor(); }
    // "mmaaaa".
    const std::string& MesAnoReferencia() const { return mesAnoReferencia_.Valor(); }
    // The reference month as "aaaa-mm"; empty when the reference is blank.
    std::string PeriodoReferencia() const;
    const std::string& NumeroConvenio() const { return numeroConvenio_.Valor(); }

    void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetDataPagamento(const std::chrono::year_month_day& valor) { dataPagamento_.Set(valor); }
    void SetUfSubstituto(std::string_view valor) { ufSubstituto_.Set(valor); }
    void SetUfFavorecida(std::string_view valor) { ufFavorecida_.Set(valor); }
    void SetBanco(std::int32_t valor) { banco_.Set(valor); }
    void SetAgencia(std::int32_t valor) { agencia_.Set(valor); }
    void SetNumeroGnre(std::string_view valor) { numeroGnre_.Set(valor); }
    void SetValor(Moeda valor) { valor_.Set(valor); }
    void SetDataVencimento(const std::chrono::year_month_day& valor) { dataVencimento_.Set(valor); }
    void SetMesAnoReferencia(std::string_view valor) { mesAnoReferencia_.Set(valor); }
    void SetNumeroConvenio(std::string_view valor) { numeroConvenio_.Set(valor); }

private:
    bool leiauteAntigo_ = false;
    TCampoTexto cnpj_{*this, 3, 14, normalizacao::Aparado};
    TCampoTexto inscricaoEstadual_{*this, 17, 14, normalizacao::Aparado};
    TCampoData dataPagamento_{*this, 31};
    TCampoTexto ufSubstituto_{*this, 39, 2, normalizacao::Aparado};
    TCampoTexto ufFavorecida_{*this, 41, 2, normalizacao::Aparado};
    TCampoInteiro banco_{*this, 43, 3};
    TCampoInteiro agencia_{*this, 46, 4};
    TCampoTexto numeroGnre_{*this, 50, 20, normalizacao::Aparado};
    TCampoMonetario valor_{*this, 70, 13};
    TCampoData dataVencimento_{*this, 83};
    TCampoTexto mesAnoReferencia_{*this, 91, 6, normalizacao::Aparado};
    TCampoTexto numeroConvenio_{*this, 97, 30, normalizacao::Aparado};
};

}  // namespace zq
