#pragma once
// TArqContribSPED: the validity of the shipped list of contributors exempt from the EFD. A computer date
// before the list's start or after its end gives a rejection.

#include <string>
#include <vector>

#include "reference-db/DTMMorvanta.h"

namespace zq {

class TArqContribSPED {
public:
    // `enderecoSite` the authority's web site, quoted by the expiry message.
    TArqContribSPED(TDTMMorvanta& banco, std::string enderecoSite)
        : banco_(banco), enderecoSite_(std::move(enderecoSite)) {}

    // Appends to `rejeicoes` why the list cannot be trusted today, if it cannot.
    void VerificarValidade(std::vector<std::string>& rejeicoes);

private:
    TDTMMorvanta& banco_;
    std::string enderecoSite_;
};

}  // namespace zq
