#pragma once
// Record 76: a communication or telecommunication service note.

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

class TReg76 : public TRegSintegra {
public:
    TReg76() : TRegSintegra("76", 126) {}

    const std::string& Cnpj() const { return cnpj_.Valor(); }
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    const std::string& Modelo() const { return modelo_.Valor(); }
    const std::string& Serie() const { return serie_.Valor(); }
    const std::string& Subserie() const { return subserie_.Valor(); }
    std::int64_t Numero() const { return numero_.Valor(); }
    // The number zero-padded to ten digits.
    std::string NumeroTexto() const;
    const TCfop& Cfop() const { return cfop_.Valor(); }
    char TipoReceita() const { return tipoReceita_.Valor(); }
    const std::optional<std::chrono::year_month_day>& DataEmissao() const { return dataEmissao_.Valor(); }
    const std::string& Uf() const { return uf_.Valor(); }
    Moeda ValorTotal() const { return valorTotal_.Valor(); }
    Moeda BaseCalculo() const { return baseCalculo_.Valor(); }
    Moeda ValorIcms() const { return valorIcms_.Valor(); }
    Moeda Isentas() const { return isentas_.Valor(); }
    Moeda Outras() const { return outras_.Valor(); }
    // Whole percent.
    std::int32_t Aliquota() const { return aliquota_.Valor(); }
    char Situacao() const { return situacao_.Valor(); }
    // Situation "S", "X", "2" or "4".
    bool IsCancelada() const { return SituacaoCancelada(Situacao()); }

    void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetModelo(std::string_view valor) { modelo_.Set(valor); }
    void SetSerie(std::string_view valor) { serie_.Set(valor); }
    void SetSubserie(std::string_view valor) { subserie_.Set(valor); }
    void SetNumero(std::int64_t valor) { numero_.Set(valor); }
    void SetCfop(std::int32_t codigo) { cfop_.SetCodigo(codigo); }
    void SetTipoReceita(char valor) { tipoReceita_.Set(valor); }
    void SetDataEmissao(const std::chrono::year_month_day& valor) { dataEmissao_.Set(valor); }
    void SetUf(std::string_view valor) { uf_.Set(valor); }
    void SetValorTotal(Moeda valor) { valorTotal_.Set(valor); }
    void SetBaseCalculo(Moeda valor) { baseCalculo_.Set(valor); }
    void SetValorIcms(Moeda valor) { valorIcms_.Set(valor); }
    void SetIsentas(Moeda valor) { isentas_.Set(valor); }
    void SetOutras(Moeda valor) { outras_.Set(valor); }
    void SetAliquota(std::int32_t valor) { aliquota_.Set(valor); }
    void SetSituacao(char valor) { situacao_.Set(valor); }

private:
    TCampoTexto cnpj_{*this, 3, 14, normalizacao::Digitos};
    TCampoTexto inscricaoEstadual_{*this, 17, 14, normalizacao::Inscricao};
    TCampoTexto modelo_{*this, 31, 2};
    TCampoTexto serie_{*this, 33, 2, normalizacao::Maiusculo};
    TCampoTexto subserie_{*this, 35, 2, normalizacao::Maiusculo};
    TCampoInteiro64 numero_{*this, 37, 10};
    TCampoCfop cfop_{*this, 47, 4};
    TCampoCaractere tipoReceita_{*this, 51};
    TCampoData dataEmissao_{*this, 52};
    TCampoTexto uf_{*this, 60, 2, normalizacao::AparadoMaiusculo};
    TCampoMonetario valorTotal_{*this, 62, 13};
    TCampoMonetario baseCalculo_{*this, 75, 13};
    TCampoMonetario valorIcms_{*this, 88, 12};
    TCampoMonetario isentas_{*this, 100, 12};
    TCampoMonetario outras_{*this, 112, 12};
    TCampoInteiro aliquota_{*this, 124, 2};
    TCampoCaractere situacao_{*this, 126, true};
};

}  // namespace zq
