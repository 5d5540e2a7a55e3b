#pragma once
// The ICMS withheld by tax substitution in the records 53 of a declaration, and its check against the
// entries' ST declared in fields 10 and 11 of the GIM record 8802.

#include <string>
#include <string_view>
#include <vector>

#include "record-model/comum/Moeda.h"

namespace zq {

class TReg53;

class TAcumReg53 {
public:
    // Internal outputs (CFOP 5xxx) of the state ZQ add to RetidoSaidas and, by their anticipation code, to
    // RetidoSaidasSemAntecipacao (blank code, CFOP 5401 or 5403) or RetidoSaidasAntecipacao5 (code "5");
    // entries of any state add to RetidoEntradas.
    void Acumular(const TReg53& registro);

    Moeda RetidoSaidasSemAntecipacao() const { return retidoSaidasSemAntecipacao_; }
    Moeda RetidoSaidasAntecipacao5() const { return retidoSaidasAntecipacao5_; }
    Moeda RetidoSaidas() const { return retidoSaidas_; }
    Moeda RetidoEntradas() const { return retidoEntradas_; }

    // Compares fields 10 + 11 of record 8802 with RetidoEntradas. A declared sum above the records 53 is a
    // warning, below them a rejection. `periodo` is the declaration's "aaaamm": before the rule took effect
    // (GIMs before 08/2012, checked before 09/2012) a shortfall was only a notice and an excess nothing.
    void Conferir8802(std::string_view periodo, Moeda campo10, Moeda campo11, std::vector<std::string>& rejeicoes,
                      std::vector<std::string>& advertencias, std::vector<std::string>& avisos) const;

private:
    Moeda retidoSaidasSemAntecipacao_;
    Moeda retidoSaidasAntecipacao5_;
    Moeda retidoSaidas_;
    Moeda retidoEntradas_;
};

}  // namespace zq
