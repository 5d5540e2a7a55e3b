#include "gim-records/detalhes/Reg8827.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos8827[] = {
    {3, 5, 13, Monetario, "BC das aquisições interestaduais"},
    {4, 18, 4, Decimal, "Alíquota das aquisições interestaduais", 2},
    {5, 22, 13, Monetario, "ICMS das aquisições interestaduais"},
    {6, 35, 13, Monetario, "BC das aquisições internas"},
    {7, 48, 4, Decimal, "Alíquota das aquisições em operações internas", 2},
    {8, 52, 13, Monetario, "ICMS das aquisições internas"},
    {9, 65, 62},
};

constexpr CampoDetalhe kCampos8828[] = {
    {3, 5, 13, Monetario, "BC das saídas internas para contribuintes"},
    {4, 18, 4, Decimal, "Alíquota das saídas internas para contribuintes", 2},
    {5, 22, 13, Monetario, "ICMS das saídas internas para contribuintes"},
    {6, 35, 13, Monetario, "BC das saídas internas para não contribuintes"},
    {7, 48, 4, Decimal, "Alíquota das saídas internas para não contribuintes", 2},
    {8, 52, 13, Monetario, "ICMS das saídas internas para não contribuintes"},
    {9, 65, 13, Monetario, "BC das saídas internas para hosp. e estab. congêneres"},
    {10, 78, 4, Decimal, "Alíquota das saídas internas para hosp. e estab. congêneres", 2},
    {11, 82, 13, Monetario, "ICMS das saídas internas para para hosp. e estab. congêneres"},
    {12, 95, 13, Monetario, "BC das saídas interestaduais"},
    {13, 108, 4, Decimal, "Alíquota das saídas interestaduais", 2},
    {14, 112, 13, Monetario, "ICMS das saídas interestaduais"},
    {15, 125, 2},
};

}  // namespace

TReg8827::TReg8827()
    : TRegDetalhe("8827 - Informações das aquisições nas operações por contribuinte atacadistas de produtos "
                  "farmacêuticos",
                  kCampos8827) {}

void TReg8827::VerificarTotal8802(Moeda valor8802, std::vector<std::string>& rejeicoes) const {
    const Moeda soma = IcmsInterestaduais() + IcmsInternas();
    if (soma <= Moeda() || valor8802 != Moeda()) return;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg 8827): O somatório das aquisições (campo 5 + campo 8) está diferente "
                                 "do informado no campo 11 do registro 8802. Aquisições(8827): %m Campo 11(8802): %m.",
                                 {soma, valor8802}));
}

TReg8828::TReg8828()
    : TRegDetalhe("8828 - Informações das saídas nas operações por contribuinte atacadistas de produtos farmacêuticos",
                  kCampos8828) {}

void TReg8828::VerificarTotal8802(Moeda valor8802, std::vector<std::string>& rejeicoes) const {
    const Moeda soma = IcmsContribuintes() + IcmsNaoContribuintes() + IcmsHospitais();
    if (soma <= Moeda() || valor8802 != Moeda()) return;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg 8828): O somatório das saídas (campo 5 + campo 8 + campo 11) está "
                                 "diferente do informado no campo 12 do registro 8802. Saídas(8828): %m  Campo "
                                 "12(8802): %m.",
                                 {soma, valor8802}));
}

}  // namespace zq
