#pragma once
// Record 8850: a fiscal note detailed in the GIM. Setting the other party's document or state registration
// checks its digits; a failure joins the record's errors as a finished rejection message.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/campos/CamposRegistro.h"
#include "record-model/campos/Cfop.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg8850 : public TRegSintegra {
public:
    TReg8850();

    // CNPJ or CPF of the other party, digits only.
    const std::string& CnpjCpf() const { return cnpjCpf_.Valor(); }
    // Letters and digits, upper case; "ISENTO" when blank.
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    std::chrono::year_month_day DataEmissao() const { return dataEmissao_.AsData(); }
    const std::string& Uf() const { return uf_.Valor(); }
    std::int32_t Modelo() const { return modelo_.AsInteiro(); }
    const std::string& Serie() const { return serie_.Valor(); }
    std::int32_t Numero() const { return numero_.AsInteiro(); }
    const TCfop& Cfop() const { return cfop_.Valor(); }
    const std::string& Observacao() const { return observacao_.Valor(); }
    const std::string& InformacaoAdicional() const { return informacaoAdicional_.Valor(); }

    // Adds "REJEIÇÃO (REG.8850): CNPJ/CPF ... com o dígito verificador incorreto" to Erros when the text is
    // neither a valid CNPJ nor, in its last eleven digits, a valid CPF.
    void SetCnpjCpf(std::string_view valor);
    // For a note of the home state, adds a rejection to Erros when the registration is not a number or fails
    // its check digit.
    void SetInscricaoEstadual(std::string_view valor);
    void SetDataEmissao(const std::chrono::year_month_day& valor) { dataEmissao_.SetData(valor); }
    void SetUf(std::string_view valor) { uf_.Set(valor); }
    void SetModelo(std::int32_t valor) { modelo_.SetInteiro(valor); }
    void SetSerie(std::string_view valor) { serie_.Set(valor); }
    void SetNumero(std::int32_t valor) { numero_.SetInteiro(valor); }
    void SetCfop(std::int32_t codigo) { cfop_.SetCodigo(codigo); }
    void SetObservacao(std::string_view valor) { observacao_.Set(valor); }
    void SetInformacaoAdicional(std::string_view valor) { informacaoAdicional_.Set(valor); }

private:
    // A text field read through a setter of the record, which checks it.
    class TCampoVerificado : public TCampoTexto {
    public:
        using Definir = void (TReg8850::*)(std::string_view);
        TCampoVerificado(TReg8850& registro, int posicao, Normalizacao normalizacao, Definir definir)
            : TCampoTexto(registro, posicao, 14, normalizacao), registro_(registro), definir_(definir) {}
        void Ler(std::string_view linha) override { (registro_.*definir_)(ColunasDe(linha)); }

    private:
        TReg8850& registro_;
        Definir definir_;
    };

    // Read in this order: the registration check needs the state.
    TCampoVerificado cnpjCpf_{*this, 5, normalizacao::Digitos, &TReg8850::SetCnpjCpf};
    TCampoTexto uf_{*this, 41, 2, normalizacao::AparadoMaiusculo};
    TCampoVerificado inscricaoEstadual_{*this, 19, normalizacao::Inscricao, &TReg8850::SetInscricaoEstadual};
    TCampoSintegra dataEmissao_{*this, tcData, 0, 8, 33, "Data de emissão da nota fiscal"};
    TCampoSintegra modelo_{*this, tcInteiro, 0, 2, 43, "Modelo da nota fiscal"};
    TCampoTexto serie_{*this, 45, 3, normalizacao::Maiusculo};
    TCampoSintegra numero_{*this, tcInteiro, 0, 6, 48, "Número da nota fiscal"};
    TCampoCfop cfop_{*this, 54, 4};
    TCampoTexto observacao_{*this, 58, 30};
    TCampoTexto informacaoAdicional_{*this, 88, 15};
};

}  // namespace zq
