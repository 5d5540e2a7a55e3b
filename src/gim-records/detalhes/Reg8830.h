#pragma once
// Record 8830: the receipt number of the previous month's GIM, or why there is none (a first delivery, also
// after a period of inactivity or of suspension). Compulsory in a normal delivery from 05/2011.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8830 final : public TRegDetalhe {
public:
    static constexpr int kTamanhoRecibo = 32;
    static constexpr std::string_view kDataMinima = "20000101";
    static constexpr std::string_view kSemData = "00000000";
    static constexpr std::string_view kPeriodoObrigatorio = "201105";

    TReg8830();

    // The format checks, then the rules of the delivery type, the one-per-file rule and the receipt's form, each
    // step only while the previous ones passed; true when all pass. `periodo` is record 10's, "yyyymm". A date of
    // eight digits that is no real day raises EFormatoInvalido.
    bool Ler(std::string_view linha, std::string_view periodo, std::vector<std::string>& rejeicoes);

    std::string_view Recibo() const { return Texto(3); }
    int TipoEntrega() const { return Inteiro(4); }
    // None for "00000000".
    const std::optional<std::chrono::year_month_day>& Data() const { return data_; }

    // A normal delivery without 8830: before 05/2011 a notice pointing to the authority's site, from then on a
    // rejection.
    static void VerificarAusencia(std::string_view periodo, std::string_view enderecoSite,
                                  std::vector<std::string>& rejeicoes, std::vector<std::string>& avisos);

private:
    bool VerificarTipo(std::vector<std::string>& rejeicoes) const;
    bool VerificarFormaData(std::vector<std::string>& rejeicoes) const;
    bool VerificarData(std::string_view periodo, std::vector<std::string>& rejeicoes) const;
    bool VerificarQuantidade(std::vector<std::string>& rejeicoes) const;
    bool VerificarRecibo(std::vector<std::string>& rejeicoes) const;

    std::optional<std::chrono::year_month_day> data_;
};

}  // namespace zq
