#pragma once
// TConsContribEntregaNormal: may a contributor of the normal regime deliver the GIM for a period, or must it
// deliver the EFD? From 01/2013 only the contributors of contribuinteEntregaNormal may, within their
// permission window, and only while the list itself is valid.

#include <optional>
#include <string>
#include <vector>

#include "reference-db/ArqContribSPED.h"
#include "reference-db/DTMMorvanta.h"

namespace zq {

class TConsContribEntregaNormal {
public:
    TConsContribEntregaNormal(TDTMMorvanta& banco, TArqContribSPED& validadeLista)
        : banco_(banco), validadeLista_(validadeLista) {}

    // `periodo` "yyyy-mm". The list's validity messages go to `rejeicoes`; when false, Recusa() says why.
    bool PodeEntregar(const std::string& inscricao, const std::string& periodo, std::vector<std::string>& rejeicoes);
    const std::string& Recusa() const { return recusa_; }

private:
    TDTMMorvanta& banco_;
    TArqContribSPED& validadeLista_;
    std::optional<TContribEntregaNormal> atual_;
    std::string recusa_;
};

}  // namespace zq
