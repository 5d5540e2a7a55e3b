#pragma once
// Totals of the document records of one declaration, for the conference report, and the model-65 (NFC-e)
// summaries already seen, for the critique.

#include <string>
#include <unordered_set>

#include "record-model/comum/Moeda.h"

namespace zq {

class TReg50;
class TReg60A;
class TReg61;
class TReg70;
class TReg76;

// The five totals every accumulator keeps, all starting at zero.
class TTotaisAcumulados {
public:
    Moeda ValorTotal() const { return valorTotal_; }
    Moeda BaseCalculo() const { return baseCalculo_; }
    Moeda ValorIcms() const { return valorIcms_; }
    Moeda Isentas() const { return isentas_; }
    Moeda Outras() const { return outras_; }

    void Zerar();

protected:
    // Adds the record's five amounts of the same names.
    template <class Registro>
    void SomarValores(const Registro& registro) {
        valorTotal_ += registro.ValorTotal();
        baseCalculo_ += registro.BaseCalculo();
        valorIcms_ += registro.ValorIcms();
        isentas_ += registro.Isentas();
        outras_ += registro.Outras();
    }

    Moeda valorTotal_;
    Moeda baseCalculo_;
    Moeda valorIcms_;
    Moeda isentas_;
    Moeda outras_;
};

class TReg50Acumulado : public TTotaisAcumulados {
public:
    void Acumular(const TReg50& registro);
};

class TReg70Acumulado : public TTotaisAcumulados {
public:
    void Acumular(const TReg70& registro);
};

class TReg76Acumulado : public TTotaisAcumulados {
public:
    void Acumular(const TReg76& registro);
};

// A fiscal-printer total goes whole to ValorTotal and, by its situation, to Isentas ("I", "N"), BaseCalculo
// (a rate) or Outras ("F", "CANC", "DESC", "ISS"...); a rate also adds value × rate / 100 to ValorIcms.
class TReg60AAcumulado : public TTotaisAcumulados {
public:
    void Acumular(const TReg60A& registro);
};

class TReg61Acumulado : public TTotaisAcumulados {
public:
    void Acumular(const TReg61& registro);

    // Issue date "dd/mm/aaaa", "|", series.
    static std::string ChaveModelo65(const TReg61& registro);
    // Remembers a record of model "65"; records of other models are ignored.
    void RegistrarModelo65(const TReg61& registro);
    // A record of model "65" whose date and series were registered before; false for other models.
    bool ExisteModelo65(const TReg61& registro) const;

private:
    std::unordered_set<std::string> chavesModelo65_;
};

}  // namespace zq
