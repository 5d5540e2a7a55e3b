#pragma once
// Builders of the assessment records 8814, 8817 (small enterprise) and 8818 (Simples Nacional) for the tests.
// Amounts are given in cents, percentages as the digits of their columns.

#include <cstdint>
#include <string>

#include "support/Registros88.h"
#include "support/Sintegra.h"

namespace zq::teste {

inline std::string Numero(std::int64_t valor, int largura) { return Valor(valor, largura); }

struct Registro8814 {
    std::int64_t baseApurada = 0;
    std::int64_t mediaEntradas = 0;
    std::int64_t baseEfetiva = 0;
    int percentualRecolhimento = 0;  // tenths of a percent
    std::int64_t impostoDevido = 0;
    int empregados = 0;
    int creditoEmpregados = 0;
    std::int64_t totalAquisicoes = 0;
    std::int64_t aquisicoesInternas = 0;
    int creditoAquisicoes = 0;
    int percentualPresumido = 0;
    std::int64_t creditoPresumido = 0;
    std::int64_t impostoARecolher = 0;
    std::int64_t stEntradasJaRecolhida = 0;
    std::int64_t stEntradasARecolher = 0;
    std::int64_t stSaidasAnexoV = 0;
    std::int64_t stSaidasFonte = 0;

    std::string Linha() const {
        return Linha126("8814" + Numero(baseApurada, 9) + Numero(mediaEntradas, 9) + Numero(baseEfetiva, 9) +
                        Numero(percentualRecolhimento, 2) + Numero(impostoDevido, 9) + Numero(empregados, 3) +
                        Numero(creditoEmpregados, 2) + Numero(totalAquisicoes, 9) + Numero(aquisicoesInternas, 9) +
                        Numero(creditoAquisicoes, 2) + Numero(percentualPresumido, 2) + Numero(creditoPresumido, 9) +
                        Numero(impostoARecolher, 9) + Numero(stEntradasJaRecolhida, 9) +
                        Numero(stEntradasARecolher, 9) + Numero(stSaidasAnexoV, 9) + Numero(stSaidasFonte, 9));
    }
};

struct Registro8817 {
    std::int64_t baseApurada = 0;
    std::int64_t mediaEntradas = 0;
    std::int64_t baseEfetiva = 0;
    int percentualRecolhimento = 0;  // tenths of a percent
    std::int64_t impostoDevido = 0;
    std::int64_t creditoTefEcf = 0;
    std::int64_t chequeMoradia = 0;
    std::int64_t chequeEducacao = 0;
    std::int64_t creditoOutorgado = 0;
    std::int64_t impostoARecolher = 0;
    std::int64_t stEntradasJaRecolhida = 0;
    std::int64_t stEntradasARecolher = 0;
    std::int64_t stSaidasAnexoV = 0;
    std::int64_t stSaidasFonte = 0;

    std::string Linha() const {
        return Linha126("8817" + Numero(baseApurada, 9) + Numero(mediaEntradas, 9) + Numero(baseEfetiva, 9) +
                        Numero(percentualRecolhimento, 2) + Numero(impostoDevido, 9) + Numero(creditoTefEcf, 9) +
                        Numero(chequeMoradia, 9) + Numero(chequeEducacao, 9) + Numero(creditoOutorgado, 9) +
                        Numero(impostoARecolher, 9) + Numero(stEntradasJaRecolhida, 9) +
                        Numero(stEntradasARecolher, 9) + Numero(stSaidasAnexoV, 9) + Numero(stSaidasFonte, 9));
    }
};

struct Registro8818 {
    std::string inscricao = "161234569";
    std::string periodo = "201705";
    char tipo = 'N';
    std::int64_t difAliquota = 0;
    std::int64_t difAliquotaComplementar = 0;
    std::int64_t impostoAntecipado = 0;
    std::int64_t substituicaoSaida = 0;
    std::int64_t substituicaoEntrada = 0;
    std::int64_t retidoFonte = 0;
    std::int64_t importacao = 0;
    char regime = '3';
    std::int64_t faturamento = 0;
    std::int64_t totalEntradas = 0;
    int aliquota = 0;  // hundredths of a percent
    std::int64_t funcep = 0;
    std::int64_t icmsARecolher = 0;
    char categoria = '1';

    std::string Linha() const {
        return Linha126("8818" + inscricao + periodo + tipo + Numero(difAliquota, 9) +
                        Numero(difAliquotaComplementar, 9) + Numero(impostoAntecipado, 9) +
                        Numero(substituicaoSaida, 9) + Numero(substituicaoEntrada, 9) + Numero(retidoFonte, 9) +
                        Numero(importacao, 9) + regime + Numero(faturamento, 9) + Numero(totalEntradas, 9) +
                        Numero(aliquota, 3) + Numero(funcep, 9) + Numero(icmsARecolher, 9) + categoria);
    }
};

}  // namespace zq::teste
