#pragma once
// Record 70: a transport document (bill of lading and the like).
//
// The earlier layout has a three-digit CFOP (52-54) and a 14-column total value (55-68).

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"
#include "record-model/totais/TabelasCfop.h"

namespace zq {

class TReg70 : public TRegSintegra {
public:
    TReg70() : TRegSintegra("70", 126) {}

    bool LeiauteAntigo() const { return leiauteAntigo_; }
    void SetLeiauteAntigo(bool antigo);

    const std::string& Cnpj() const { return cnpj_.Valor(); }
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    const std::optional<std::chrono::year_month_day>& DataEmissao() const { return dataEmissao_.Valor(); }
    const std::string& Uf() const { return uf_.Valor(); }
    const std::string& Modelo() const { return modelo_.Valor(); }
    char Serie() const { return serie_.Valor(); }
    const std::string& Subserie() const { return subserie_.Valor(); }
    std::int32_t Numero() const { return numero_.Valor(); }
    // The number zero-padded to six digits.
    std::string NumeroTexto() const;
    const TCfop& Cfop() const { return cfop_.Valor(); }
    Moeda ValorTotal() const { return valorTotal_.Valor(); }
    Moeda BaseCalculo() const { return baseCalculo_.Valor(); }
    Moeda ValorIcms() const { return valorIcms_.Valor(); }
    Moeda Isentas() const { return isentas_.Valor(); }
    Moeda Outras() const { return outras_.Valor(); }
    // Freight mode, as read.
    char CifFob() const { return cifFob_.Valor(); }
    char Situacao() const { return situacao_.Valor(); }
    // Situation "S", "X", "2" or "4".
    bool IsCancelada() const { return SituacaoCancelada(Situacao()); }

    void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetDataEmissao(const std::chrono::year_month_day& valor) { dataEmissao_.Set(valor); }
    void SetUf(std::string_view valor) { uf_.Set(valor); }
    void SetModelo(std::string_view valor) { modelo_.Set(valor); }
    void SetSerie(char valor) { serie_.Set(valor); }
    void SetSubserie(std::string_view valor) { subserie_.Set(valor); }
    void SetNumero(std::int32_t valor) { numero_.Set(valor); }
    void SetCfop(std::int32_t codigo) { cfop_.SetCodigo(codigo); }
    void SetValorTotal(Moeda valor) { valorTotal_.Set(valor); }
    void SetBaseCalculo(Moeda valor) { baseCalculo_.Set(valor); }
    void SetValorIcms(Moeda valor) { valorIcms_.Set(valor); }
    void SetIsentas(Moeda valor) { isentas_.Set(valor); }
    void SetOutras(Moeda valor) { outras_.Set(valor); }
    void SetCifFob(char valor) { cifFob_.Set(valor); }
    void SetSituacao(char valor) { situacao_.Set(valor); }

private:
    bool leiauteAntigo_ = false;
    TCampoTexto cnpj_{*this, 3, 14, normalizacao::Digitos};
    TCampoTexto inscricaoEstadual_{*this, 17, 14, normalizacao::Inscricao};
    TCampoData dataEmissao_{*this, 31};
    TCampoTexto uf_{*this, 39, 2, normalizacao::AparadoMaiusculo};
    TCampoTexto modelo_{*this, 41, 2};
    TCampoCaractere serie_{*this, 43, true};
    TCampoTexto subserie_{*this, 44, 2, normalizacao::Maiusculo};
    TCampoInteiro numero_{*this, 46, 6};
    TCampoCfop cfop_{*this, 52, 4};
    TCampoMonetario valorTotal_{*this, 56, 13};
    TCampoMonetario baseCalculo_{*this, 69, 14};
    TCampoMonetario valorIcms_{*this, 83, 14};
    TCampoMonetario isentas_{*this, 97, 14};
    TCampoMonetario outras_{*this, 111, 14};
    TCampoCaractere cifFob_{*this, 125};
    TCampoCaractere situacao_{*this, 126, true};
};

}  // namespace zq
