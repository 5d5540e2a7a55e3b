#pragma once
// Record 71: an invoice carried by a transport document.
//
// The transport document's date, model and number and the invoice's date, number and value are descriptors:
// a badly formatted one does not stop the parse, every such field of a line is listed in Erros.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/campos/CamposRegistro.h"
#include "record-model/comum/Moeda.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg71 : public TRegSintegra {
public:
    TReg71() : TRegSintegra("71", 126) {}

    const std::string& CnpjTomador() const { return cnpjTomador_.Valor(); }
    const std::string& IeTomador() const { return ieTomador_.Valor(); }
    const TCampoSintegra& DataEmissaoConhecimento() const { return dataEmissaoConhecimento_; }
    const std::string& UfTomador() const { return ufTomador_.Valor(); }
    const TCampoSintegra& ModeloConhecimento() const { return modeloConhecimento_; }
    char SerieConhecimento() const { return serieConhecimento_.Valor(); }
    const std::string& SubserieConhecimento() const { return subserieConhecimento_.Valor(); }
    // Its text is the number zero-padded to six digits.
    const TCampoSintegra& NumeroConhecimento() const { return numeroConhecimento_; }
    const std::string& UfNota() const { return ufNota_.Valor(); }
    const std::string& CnpjNota() const { return cnpjNota_.Valor(); }
    const std::string& IeNota() const { return ieNota_.Valor(); }
    const TCampoSintegra& DataEmissaoNota() const { return dataEmissaoNota_; }
    const std::string& ModeloNota() const { return modeloNota_.Valor(); }
    const std::string& SerieNota() const { return serieNota_.Valor(); }
    // Its text is the number zero-padded to six digits.
    const TCampoSintegra& NumeroNota() const { return numeroNota_; }
    const TCampoSintegra& ValorNota() const { return valorNota_; }

    void SetCnpjTomador(std::string_view valor) { cnpjTomador_.Set(valor); }
    void SetIeTomador(std::string_view valor) { ieTomador_.Set(valor); }
    void SetDataEmissaoConhecimento(const std::chrono::year_month_day& valor) {
        dataEmissaoConhecimento_.SetData(valor);
    }
    void SetUfTomador(std::string_view valor) { ufTomador_.Set(valor); }
    void SetModeloConhecimento(std::int32_t valor) { modeloConhecimento_.SetInteiro(valor); }
    void SetSerieConhecimento(char valor) { serieConhecimento_.Set(valor); }
    void SetSubserieConhecimento(std::string_view valor) { subserieConhecimento_.Set(valor); }
    void SetNumeroConhecimento(std::int32_t valor) { numeroConhecimento_.SetInteiro(valor); }
    void SetUfNota(std::string_view valor) { ufNota_.Set(valor); }
    void SetCnpjNota(std::string_view valor) { cnpjNota_.Set(valor); }
    void SetIeNota(std::string_view valor) { ieNota_.Set(valor); }
    void SetDataEmissaoNota(const std::chrono::year_month_day& valor) { dataEmissaoNota_.SetData(valor); }
    void SetModeloNota(std::string_view valor) { modeloNota_.Set(valor); }
    void SetSerieNota(std::string_view valor) { serieNota_.Set(valor); }
    void SetNumeroNota(std::int32_t valor) { numeroNota_.SetInteiro(valor); }
    void SetValorNota(Moeda valor) { valorNota_.SetMonetario(valor); }

private:
    TCampoTexto cnpjTomador_{*this, 3, 14, normalizacao::Digitos};
    TCampoTexto ieTomador_{*this, 17, 14, normalizacao::Inscricao};
    TCampoSintegra dataEmissaoConhecimento_{*this, tcData, 0, 8, 31, "Data da emissão do conhecimento"};
    TCampoTexto ufTomador_{*this, 39, 2, normalizacao::AparadoMaiusculo};
    TCampoSintegra modeloConhecimento_{*this, tcInteiro, 0, 2, 41, "Modelo do conhecimento"};
    TCampoCaractere serieConhecimento_{*this, 43, true};
    TCampoTexto subserieConhecimento_{*this, 44, 2};
    TCampoSintegra numeroConhecimento_{*this, tcInteiro, 0, 6, 46, "Número do conhecimento"};
    TCampoTexto ufNota_{*this, 52, 2, normalizacao::AparadoMaiusculo};
    TCampoTexto cnpjNota_{*this, 54, 14, normalizacao::Digitos};
    TCampoTexto ieNota_{*this, 68, 14, normalizacao::Inscricao};
    TCampoSintegra dataEmissaoNota_{*this, tcData, 0, 8, 82, "Data da emissão da nota fiscal"};
    TCampoTexto modeloNota_{*this, 90, 2};
    TCampoTexto serieNota_{*this, 92, 3};
    TCampoSintegra numeroNota_{*this, tcInteiro, 0, 6, 95, "Número da nota fiscal"};
    TCampoSintegra valorNota_{*this, tcMonetario, 2, 14, 101, "Valor total da nota fiscal"};
};

}  // namespace zq
