#include "gim-records/apuracao/GimEPP.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "gim-records/apuracao/Proporcao.h"

namespace zq {
namespace {

constexpr std::int32_t kSaidasNaoComputadas[] = {
    1151, 1152, 1153, 1154, 1552, 1557, 2151, 2152, 2153, 2154, 2408, 2409, 5151, 5152,
    5153, 5155, 5156, 5408, 5409, 5557, 6151, 6152, 6153, 6155, 6156, 6408, 6409, 6557,
};

struct Faixa {
    std::int32_t primeiro;
    std::int32_t ultimo;
};

constexpr Faixa kAquisicoesNaoComputadas[] = {
    {1151, 1154}, {1201, 1209}, {1408, 1411}, {1414, 1415}, {1552, 1557}, {1601, 1603}, {1901, 1926},
    {2151, 2154}, {2201, 2209}, {2408, 2411}, {2414, 2415}, {2501, 2501}, {2503, 2504}, {2552, 2555},
    {2557, 2557}, {2603, 2603}, {2661, 2664}, {2901, 2925}, {2949, 2949}, {3503, 3503}, {3553, 3553},
    {3930, 3930},
};

bool SaidaComputada(std::int32_t cfop) {
    const char primeiro = cfop > 0 ? std::to_string(cfop).front() : '0';
    if (primeiro != '5' && primeiro != '6' && primeiro != '7') return false;
    return std::find(std::begin(kSaidasNaoComputadas), std::end(kSaidasNaoComputadas), cfop) ==
           std::end(kSaidasNaoComputadas);
}

bool AquisicaoComputada(std::int32_t cfop) {
    return std::none_of(std::begin(kAquisicoesNaoComputadas), std::end(kAquisicoesNaoComputadas),
                        [cfop](const Faixa& faixa) { return cfop >= faixa.primeiro && cfop <= faixa.ultimo; });
}

constexpr std::int32_t kPercentualPresumidoMaximo = 50;

}  // namespace

void TGimEPP::AcumularSaida(std::int32_t cfop, Moeda valor) {
    if (SaidaComputada(cfop)) baseApurada_ += valor;
}

void TGimEPP::AcumularAquisicao(std::int32_t cfop, Moeda valor) {
    if (AquisicaoComputada(cfop)) totalAquisicoes_ += valor;
}

void TGimEPP::AcumularAquisicaoInterna(std::int32_t cfop, Moeda valor) {
    if (AquisicaoComputada(cfop)) aquisicoesInternas_ += valor;
}

void TGimEPP::CalcularBaseEfetiva(Moeda mediaEntradas) {
    const Moeda minimo = Proporcao(mediaEntradas, 8, 10);
    baseEfetiva_ = minimo > baseApurada_ ? minimo : baseApurada_;
}

void TGimEPP::CalcularImpostoDevido(double percentual) { impostoDevido_ = AplicarPercentual(baseEfetiva_, percentual); }

void TGimEPP::CalcularPercentualEmpregados(std::int32_t empregados) {
    if (empregados <= 0) {
        percentualEmpregados_ = 0;
    } else if (empregados <= 5) {
        percentualEmpregados_ = empregados;
    } else if (empregados <= 20) {
        percentualEmpregados_ = (empregados - 5) * 2 + 5;
    } else {
        percentualEmpregados_ = 35;
    }
}

void TGimEPP::CalcularPercentualAquisicoes() {
    const std::int64_t total = totalAquisicoes_.Unidades();
    const std::int64_t participacao = total > 0 ? aquisicoesInternas_.Unidades() * 100 / total : 0;
    percentualAquisicoes_ = participacao >= 80 ? 40 : participacao >= 60 ? 20 : 0;
}

void TGimEPP::CalcularCreditoPresumido() {
    percentualPresumido_ = std::min(percentualAquisicoes_ + percentualEmpregados_, kPercentualPresumidoMaximo);
    creditoPresumido_ = Proporcao(impostoDevido_, percentualPresumido_, 100);
    impostoARecolher_ = Abs(impostoDevido_ - creditoPresumido_);
}

}  // namespace zq
