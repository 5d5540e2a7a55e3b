#include "critique/totais/FechamentoEcf.h"

#include "record-model/comum/Formatador.h"

namespace zq {

void FecharEcf(EcfAtual& ecf, Moeda tolerancia, std::vector<std::string>& rejeicoes) {
    if (!ecf.aberto) return;
    ecf.aberto = false;
    const Moeda diferenca = ecf.vendaBruta - ecf.somaAnaliticos;
    if (Abs(diferenca) <= tolerancia) return;
    rejeicoes.push_back("REJEIÇÃO (Reg.60): Venda Bruta do ECF diverge da soma dos analíticos. ECF: " + ecf.numero +
                        " Data: " + ecf.data + " Lido: " + FormatarValor(ecf.vendaBruta) +
                        " Apurado: " + FormatarValor(ecf.somaAnaliticos) + " Diferença: " + FormatarValor(diferenca));
}

}  // namespace zq
