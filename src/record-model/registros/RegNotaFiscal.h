#pragma once
// Columns 3-56 of the invoice records 50 and 53: the issuer or recipient, the document and its CFOP.
//
// The earlier layout (files whose record 10 has agreement code "1") puts a two-character sub-series before
// the number and has a three-digit CFOP and no issuer column:
//
//     current:  Serie 43-45, Numero 46-51, Cfop 52-55, Emitente 56
//     earlier:  Serie 43-45, Subserie 46-47, Numero 48-53, Cfop 54-56

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TRegNotaFiscal : public TRegSintegra {
public:
    // Set before SetLinha when the file uses the earlier layout.
    bool LeiauteAntigo() const { return leiauteAntigo_; }
    void SetLeiauteAntigo(bool antigo);

    // Digits only.
    const std::string& Cnpj() const { return cnpj_.Valor(); }
    // Letters and digits, upper case; "ISENTO" when blank.
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    const std::optional<std::chrono::year_month_day>& DataEmissao() const { return dataEmissao_.Valor(); }
    const std::string& Uf() const { return uf_.Valor(); }
    const std::string& Modelo() const { return modelo_.Valor(); }
    const std::string& Serie() const { return serie_.Valor(); }
    // Empty in the current layout.
    const std::string& Subserie() const { return subserie_.Valor(); }
    std::int32_t Numero() const { return numero_.Valor(); }
    // The number zero-padded to six digits.
    std::string NumeroTexto() const;
    const TCfop& Cfop() const { return cfop_.Valor(); }
    // "P" (own issue) or "T" (third party); the null character in the earlier layout.
    char Emitente() const { return emitente_.Valor(); }

    void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetDataEmissao(const std::chrono::year_month_day& valor) { dataEmissao_.Set(valor); }
    void SetUf(std::string_view valor) { uf_.Set(valor); }
    void SetModelo(std::string_view valor) { modelo_.Set(valor); }
    void SetSerie(std::string_view valor) { serie_.Set(valor); }
    void SetSubserie(std::string_view valor) { subserie_.Set(valor); }
    void SetNumero(std::int32_t valor) { numero_.Set(valor); }
    void SetCfop(std::int32_t codigo) { cfop_.SetCodigo(codigo); }
    void SetEmitente(char valor) { emitente_.Set(valor); }

protected:
    explicit TRegNotaFiscal(std::string tipo);

private:
    bool leiauteAntigo_ = false;
    TCampoTexto cnpj_{*this, 3, 14, normalizacao::Digitos};
    TCampoTexto inscricaoEstadual_{*this, 17, 14, normalizacao::Inscricao};
    TCampoData dataEmissao_{*this, 31};
    TCampoTexto uf_{*this, 39, 2, normalizacao::AparadoMaiusculo};
    TCampoTexto modelo_{*this, 41, 2};
    TCampoTexto serie_{*this, 43, 3, normalizacao::Maiusculo};
    TCampoTexto subserie_{*this, 46, 0, normalizacao::Maiusculo};
    TCampoInteiro numero_{*this, 46, 6};
    TCampoCfop cfop_{*this, 52, 4};
    TCampoCaractere emitente_{*this, 56, true};
};

}  // namespace zq
