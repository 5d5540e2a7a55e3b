#pragma once
// Record 10: the declarant and the period of a SINTEGRA file. Read by the critique for every record 10, so
// parsing reuses the storage of its fields.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "record-model/campos/CamposRegistro.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

class TReg10 : public TRegSintegra {
public:
    using Data = std::optional<std::chrono::year_month_day>;

    TReg10();

    // Digits only.
    const std::string& Cnpj() const { return cnpj_.Valor(); }
    // Letters and digits only, upper case.
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_.Valor(); }
    // Trimmed, single spaces, accents removed.
    const std::string& RazaoSocial() const { return razaoSocial_.Valor(); }
    const std::string& Municipio() const { return municipio_.Valor(); }
    // Upper case.
    const std::string& Uf() const { return uf_.Valor(); }
    // Digits only.
    const std::string& Fax() const { return fax_.Valor(); }
    // No date when cleared.
    const Data& DataInicial() const { return dataInicial_.Valor(); }
    const Data& DataFinal() const { return dataFinal_.Valor(); }
    // The agreement version of the layout (column 124); "1" is the earlier layout.
    char CodigoConvenio() const { return codigoConvenio_.Valor(); }
    // The nature of the operations reported (column 125).
    char CodigoNatureza() const { return codigoNatureza_.Valor(); }
    // The purpose of the file (column 126); "2" is a rectification.
    char CodigoFinalidade() const { return codigoFinalidade_.Valor(); }

    void SetCnpj(std::string_view valor) { cnpj_.Set(valor); }
    void SetInscricaoEstadual(std::string_view valor) { inscricaoEstadual_.Set(valor); }
    void SetRazaoSocial(std::string_view valor) { razaoSocial_.Set(valor); }
    void SetMunicipio(std::string_view valor) { municipio_.Set(valor); }
    void SetUf(std::string_view valor) { uf_.Set(valor); }
    void SetFax(std::string_view valor) { fax_.Set(valor); }
    void SetDataInicial(const Data& valor) { dataInicial_.Set(valor); }
    void SetDataFinal(const Data& valor) { dataFinal_.Set(valor); }
    void SetCodigoConvenio(char valor) { codigoConvenio_.Set(valor); }
    void SetCodigoNatureza(char valor) { codigoNatureza_.Set(valor); }
    void SetCodigoFinalidade(char valor) { codigoFinalidade_.Set(valor); }

    // "aaaa-mm" of DataInicial, of today when there is none.
    std::string PeriodoReferencia() const;
    // The year of DataInicial, of today when there is none.
    int AnoReferencia() const;
    bool IsConvenioAntigo() const { return CodigoConvenio() == '1'; }
    bool IsRetificadora() const { return CodigoFinalidade() == '2'; }
    // 'R' for a rectification, else 'N'.
    char TipoEntrega() const { return IsRetificadora() ? 'R' : 'N'; }

private:
    std::chrono::year_month_day DataReferencia() const;

    TCampoTexto cnpj_{*this, 3, 14, normalizacao::Digitos};
    TCampoTexto inscricaoEstadual_{*this, 17, 14, normalizacao::LetrasEDigitos};
    TCampoTexto razaoSocial_{*this, 31, 35, normalizacao::Normalizado};
    TCampoTexto municipio_{*this, 66, 30, normalizacao::Normalizado};
    TCampoTexto uf_{*this, 96, 2, normalizacao::Maiusculo};
    TCampoTexto fax_{*this, 98, 10, normalizacao::Digitos, Preenchimento::ZerosAEsquerda};
    TCampoData dataInicial_{*this, 108};
    TCampoData dataFinal_{*this, 116};
    TCampoCaractere codigoConvenio_{*this, 124};
    TCampoCaractere codigoNatureza_{*this, 125};
    TCampoCaractere codigoFinalidade_{*this, 126};
};

}  // namespace zq
