#pragma once
// Record 8804: complementary information of the declaration, with its assessment regime.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "gim-records/RegGimCabecalho.h"
#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Moeda.h"

namespace zq {

class TReg8804 : public TRegGimCabecalho {
public:
    // The date a parse gives the record: its columns are carried but never read.
    static constexpr std::chrono::year_month_day kDataInformacao{std::chrono::year{2004} / 7 / 23};

    TReg8804();

    Moeda DifAliquotaARecolher() const { return difAliquotaARecolher_.AsMonetario(); }
    Moeda ImpostoRetidoOutrasUf() const { return impostoRetidoOutrasUf_.AsMonetario(); }
    const std::string& TextoComplementar() const { return textoComplementar_.Valor(); }
    const std::optional<std::chrono::year_month_day>& DataInformacao() const { return dataInformacao_.Valor(); }
    const std::string& CodigoComplementar() const { return codigoComplementar_.Valor(); }
    // "1" normal, "3" Simples Nacional, "7" small enterprise (EPP); "1" when cleared, the null character when
    // the line ends before its column.
    char RegimeApuracao() const { return regimeApuracao_.Valor(); }
    bool RegimeEpp() const { return regimeApuracao_.Valor() == '7'; }
    bool RegimeNaoEpp() const { return !RegimeEpp(); }

    void SetDifAliquotaARecolher(Moeda valor) { difAliquotaARecolher_.SetMonetario(valor); }
    void SetImpostoRetidoOutrasUf(Moeda valor) { impostoRetidoOutrasUf_.SetMonetario(valor); }
    void SetTextoComplementar(std::string_view valor) { textoComplementar_.Set(valor); }
    void SetDataInformacao(const std::chrono::year_month_day& valor) { dataInformacao_.Set(valor); }
    void SetCodigoComplementar(std::string_view valor) { codigoComplementar_.Set(valor); }
    void SetRegimeApuracao(char valor) { regimeApuracao_.Set(valor); }

protected:
    void LimparCampos() override;

private:
    // A date field whose columns are not read.
    class TCampoDataFixa : public TCampoData {
    public:
        using TCampoData::TCampoData;
        void Ler(std::string_view) override { Set(kDataInformacao); }
    };

    TCampoSintegra difAliquotaARecolher_{*this, tcMonetario, 2, 13, 21, "Dif. Alíquota a Recolher"};
    TCampoSintegra impostoRetidoOutrasUf_{*this, tcMonetario, 2, 13, 34, "Imposto Retido Outras UF"};
    TCampoTexto textoComplementar_{*this, 47, 40, normalizacao::Aparado};
    TCampoDataFixa dataInformacao_{*this, 87};
    TCampoTexto codigoComplementar_{*this, 95, 4, normalizacao::Aparado};
    TCampoCaractere regimeApuracao_{*this, 99};
};

}  // namespace zq
