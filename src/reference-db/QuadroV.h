#pragma once
// TQuadroV: the records 8829, the value added per municipality. Each accepted line is summed and its
// period and municipality checked, the municipality against the reference table; at record 90 the sum must
// not exceed the declaration's output total.

#include <string>
#include <vector>

#include "record-model/comum/Moeda.h"
#include "reference-db/DTMMorvanta.h"

namespace zq {

class TQuadroV {
public:
    // The one registration whose 8829 lines are not judged.
    static constexpr const char* kInscricaoDispensada = "160000010";

    explicit TQuadroV(TDTMMorvanta& banco) : banco_(banco) {}

    static bool Dispensada(const std::string& inscricao) { return inscricao == kInscricaoDispensada; }
    // One 8829 line whose fields passed their checks, in the period `periodo` ("yyyymm").
    void Acumular(long long codigoMunicipio, Moeda valorAdicionado, const std::string& periodo,
                  std::vector<std::string>& rejeicoes);
    // From 01/2011, the sum of the accepted lines against the output total of the national records.
    void ConferirTotalSaidas(Moeda totalSaidas, const std::string& periodo, std::vector<std::string>& rejeicoes) const;

private:
    void ConferirPeriodo(const std::string& periodo, std::vector<std::string>& rejeicoes) const;
    void ConferirMunicipio(long long codigoMunicipio, std::vector<std::string>& rejeicoes);

    TDTMMorvanta& banco_;
    Moeda soma_;
    int quantidade_ = 0;
};

}  // namespace zq
