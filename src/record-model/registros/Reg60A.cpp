#include "record-model/registros/Reg60A.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "record-model/comum/Texto.h"

namespace zq {

void TReg60A::SetLeiauteAntigo(bool antigo) {
    leiauteAntigo_ = antigo;
    numeroSerie_.SetColunas(12, antigo ? 0 : 20);
    numeroOrdem_.SetColunas(12, antigo ? 3 : 0);
    situacaoTributaria_.SetColunas(antigo ? 15 : 32, 4);
    valor_.SetColunas(antigo ? 19 : 36, 12);
}

double TReg60A::Aliquota() const {
    const std::string& situacao = situacaoTributaria_.Valor();
    if (situacao.empty() || !std::all_of(situacao.begin(), situacao.end(), IsDigito)) return 0;
    std::int32_t centesimos = 0;
    const auto lido = std::from_chars(situacao.data(), situacao.data() + situacao.size(), centesimos);
    return lido.ec == std::errc() ? centesimos / 100.0 : 0;
}

void TReg60A::NormalizarNumeroOrdem(std::string_view texto, std::string& destino) {
    destino = PreencherZeros(Aparar(texto), 3);
}

}  // namespace zq
