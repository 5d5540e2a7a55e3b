#pragma once
// Record 61R: the monthly summary of one item sold with the documents of record 61.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

// A month written "mmaaaa", held as the first day of that month; "000000" when cleared.
class TCampoMesAno : public TCampoValor<std::optional<std::chrono::year_month_day>> {
public:
    TCampoMesAno(TRegSintegra& registro, int posicao) : TCampoValor(registro, posicao, 6) {}

    // Raises EFormatoInvalido with the invalid-date message when the month is not a real one.
    void Ler(std::string_view linha) override;
    void Montar(std::string& linha) const override;
};

class TReg61R : public TRegSintegra {
public:
    TReg61R() : TRegSintegra("61R", 126) {}

    // The first day of the month.
    const std::optional<std::chrono::year_month_day>& MesAno() const { return mesAno_.Valor(); }
    const std::string& CodigoProduto() const { return codigoProduto_.Valor(); }
    // The digits of the field as they stand (the three implied decimals are not applied).
    std::int32_t Quantidade() const { return quantidade_.Valor(); }
    Moeda ValorBruto() const { return valorBruto_.Valor(); }
    Moeda BaseCalculo() const { return baseCalculo_.Valor(); }
    double Aliquota() const { return aliquota_.Valor(); }

    // Any day of the month.
    void SetMesAno(const std::chrono::year_month_day& valor);
    void SetCodigoProduto(std::string_view valor) { codigoProduto_.Set(valor); }
    void SetQuantidade(std::int32_t valor) { quantidade_.Set(valor); }
    void SetValorBruto(Moeda valor) { valorBruto_.Set(valor); }
    void SetBaseCalculo(Moeda valor) { baseCalculo_.Set(valor); }
    void SetAliquota(double valor) { aliquota_.Set(valor); }

private:
    TCampoMesAno mesAno_{*this, 4};
    TCampoTexto codigoProduto_{*this, 10, 14};
    TCampoInteiro quantidade_{*this, 24, 13};
    TCampoMonetario valorBruto_{*this, 37, 16};
    TCampoMonetario baseCalculo_{*this, 53, 16};
    TCampoDecimal aliquota_{*this, 69, 4};
};

}  // namespace zq
