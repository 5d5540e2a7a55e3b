#include "record-model/totais/Acumulados.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "record-model/registros/Reg50.h"
#include "record-model/registros/Reg60A.h"
#include "record-model/registros/Reg61.h"
#include "record-model/registros/Reg70.h"
#include "record-model/registros/Reg76.h"

namespace zq {
namespace {

// value × (centesimos / 100) / 100, to the nearest 1/10000, halves away from zero.
Moeda PercentualDe(Moeda valor, std::int64_t centesimosPercentuais) {
    constexpr std::int64_t kDivisor = 10000;
    const std::int64_t unidades = valor.Unidades();
    const std::int64_t inteiro = unidades / kDivisor * centesimosPercentuais;
    const std::int64_t resto = unidades % kDivisor * centesimosPercentuais;
    const std::int64_t arredondado =
        resto >= 0 ? (resto + kDivisor / 2) / kDivisor : -((-resto + kDivisor / 2) / kDivisor);
    return Moeda::DeUnidades(inteiro + arredondado);
}

bool IsModelo65(const TReg61& registro) { return registro.Modelo() == "65"; }

}  // namespace

void TTotaisAcumulados::Zerar() {
    valorTotal_ = baseCalculo_ = valorIcms_ = isentas_ = outras_ = Moeda();
}

void TReg50Acumulado::Acumular(const TReg50& registro) { SomarValores(registro); }

void TReg70Acumulado::Acumular(const TReg70& registro) { SomarValores(registro); }

void TReg76Acumulado::Acumular(const TReg76& registro) { SomarValores(registro); }

void TReg61Acumulado::Acumular(const TReg61& registro) { SomarValores(registro); }

void TReg60AAcumulado::Acumular(const TReg60A& registro) {
    const Moeda valor = registro.Valor();
    const double aliquota = registro.Aliquota();
    valorTotal_ += valor;
    const std::string& situacao = registro.SituacaoTributaria();
    if (situacao == "I" || situacao == "N") {
        isentas_ += valor;
    } else if (aliquota != 0) {
        baseCalculo_ += valor;
    } else {
        outras_ += valor;
    }
    if (aliquota > 0) valorIcms_ += PercentualDe(valor, std::llround(aliquota * 100));
}

std::string TReg61Acumulado::ChaveModelo65(const TReg61& registro) {
    char data[16] = "";
    if (const auto& emissao = registro.DataEmissao()) {
        std::snprintf(data, sizeof data, "%02u/%02u/%04d", static_cast<unsigned>(emissao->day()),
                      static_cast<unsigned>(emissao->month()), static_cast<int>(emissao->year()));
    }
    std::string chave = data;
    chave += '|';
    chave += registro.Serie();
    return chave;
}

void TReg61Acumulado::RegistrarModelo65(const TReg61& registro) {
    if (IsModelo65(registro)) chavesModelo65_.insert(ChaveModelo65(registro));
}

bool TReg61Acumulado::ExisteModelo65(const TReg61& registro) const {
    return IsModelo65(registro) && chavesModelo65_.contains(ChaveModelo65(registro));
}

}  // namespace zq
