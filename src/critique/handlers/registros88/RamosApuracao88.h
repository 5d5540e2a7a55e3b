#pragma once
// The branches of the assessments recomputed by the critique: the small enterprise's (8814, and 8817 under the
// later rule) against TGimEPP, and the Simples Nacional GIM (8818) through TGimSN.

#include <span>
#include <string>
#include <string_view>

#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

// One field of the branch's own format checks.
struct CampoEpp {
    int posicao;
    int tamanho;
    bool monetario;  // else a whole number
    std::string_view rotulo;
};

// What 8814 and 8817 share: the flags, the format checks, and the comparisons with the recomputed figures.
class RamoEpp : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;

protected:
    // Marks and counts the sub-type, takes the EPP regime's records 8801 and 8802 as given, and checks the
    // fields. True when the comparisons may run: no rejection at all so far, from any line.
    bool Preparar(int subtipo, const std::string& linha, std::string_view titulo, std::span<const CampoEpp> campos);

    // A rejection when the amount of the columns differs from the calculated one by more than 9.00.
    void Comparar(const std::string& linha, int posicao, Moeda calculado, std::string_view inicio);
    // A rejection when the whole number of the columns differs from the calculated percentage at all.
    void CompararPercentual(const std::string& linha, int posicao, int calculado, std::string_view inicio);
    // The base of the outputs, written "%n" on both sides.
    void CompararBaseApurada(const std::string& linha);
    // The ST on internal outputs (Anexo V plus withheld at source) against the records 53.
    void ConferirSubstituicao(const std::string& linha, std::string_view registro);

    // The payment rate of columns 32-33, in tenths of a percent.
    static double PercentualRecolhimento(const std::string& linha);

    TGimEPP& Epp() { return *objetos_.complementos.epp; }
};

class Ramo8814 final : public RamoEpp {
public:
    using RamoEpp::RamoEpp;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void Recalcular(const std::string& linha);
};

class Ramo8817 final : public RamoEpp {
public:
    using RamoEpp::RamoEpp;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void ConferirPeriodo();
    void Recalcular(const std::string& linha);
};

class Ramo8818 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void AdotarRegimeSimples();
    void Verificar();
};

}  // namespace zq
