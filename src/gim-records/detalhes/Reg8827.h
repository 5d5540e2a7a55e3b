#pragma once
// Records 8827 and 8828: the acquisitions and the outputs of a wholesaler of pharmaceutical products, by base,
// rate and tax. Their tax must be reflected in the 8802 substitution fields.

#include <string>
#include <vector>

#include "gim-records/detalhes/RegDetalhe.h"

namespace zq {

class TReg8827 final : public TRegDetalhe {
public:
    TReg8827();

    Moeda BaseInterestaduais() const { return Monetario(3); }
    double AliquotaInterestaduais() const { return Decimal(4); }
    Moeda IcmsInterestaduais() const { return Monetario(5); }
    Moeda BaseInternas() const { return Monetario(6); }
    double AliquotaInternas() const { return Decimal(7); }
    Moeda IcmsInternas() const { return Monetario(8); }

    // Tax of acquisitions against the 8802 field 11 ("ST Entradas a Recolher").
    void VerificarTotal8802(Moeda valor8802, std::vector<std::string>& rejeicoes) const;
};

class TReg8828 final : public TRegDetalhe {
public:
    TReg8828();

    Moeda IcmsContribuintes() const { return Monetario(5); }
    Moeda IcmsNaoContribuintes() const { return Monetario(8); }
    Moeda IcmsHospitais() const { return Monetario(11); }
    Moeda BaseInterestaduais() const { return Monetario(12); }
    double AliquotaInterestaduais() const { return Decimal(13); }
    Moeda IcmsInterestaduais() const { return Monetario(14); }

    // Tax of internal outputs against the 8802 field 12 ("ST Saídas já Recolhida").
    void VerificarTotal8802(Moeda valor8802, std::vector<std::string>& rejeicoes) const;
};

}  // namespace zq
