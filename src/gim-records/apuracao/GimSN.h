#pragma once
// The GIM of a Simples Nacional taxpayer (record 8818) as the critique checks it: its own field checks, its
// comparisons with record 10 and with the entries and ST of the national records, and the rules of the
// establishment's category.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/comum/Moeda.h"

namespace zq {

// The critique's lists the checks write to.
struct MensagensGimSN {
    std::vector<std::string>& rejeicoes;
    std::vector<std::string>& advertencias;
};

class TGimSN {
public:
    static constexpr std::string_view kInicioSimplesNacional = "200707";

    // Entries of records 50 and 70 (CFOP 1, 2, 3), for the comparison with field 15.
    void AcumularEntrada(Moeda valor) { totalEntradasApurado_ += valor; }

    // `lista` without the absence rejections of the normal regime's records 8801, 8802 and 8804.
    static std::vector<std::string> FiltrarAusencias(const std::vector<std::string>& lista);

    // Checks every field of the line; only when all pass the fields are read and the line counted.
    bool Ler(std::string_view linha, std::vector<std::string>& rejeicoes);

    void VerificarInscricao(const std::string& inscricao10, MensagensGimSN& mensagens) const;
    // `periodo10` "yyyymm".
    void VerificarPeriodo(const std::string& periodo10, MensagensGimSN& mensagens) const;
    // `finalidade10` "1" normal, "2" rectifying.
    void VerificarTipo(const std::string& finalidade10, MensagensGimSN& mensagens) const;
    void VerificarRegime(MensagensGimSN& mensagens) const;
    void VerificarQuantidade(MensagensGimSN& mensagens) const;
    void VerificarEntradas(MensagensGimSN& mensagens) const;
    // The ICMS withheld at source found in the records 53.
    void VerificarRetidoFonte(Moeda apuradoRetido, MensagensGimSN& mensagens) const;
    // The ST on internal outputs of the records 53 less the part withheld at source.
    void VerificarSubstituicaoSaida(Moeda apuradoSaidas, MensagensGimSN& mensagens) const;
    void VerificarCategoria(MensagensGimSN& mensagens) const;
    void VerificarFilial(const std::string& cnpj, MensagensGimSN& mensagens) const;
    void VerificarMatriz(const std::string& cnpj, MensagensGimSN& mensagens) const;
    // Counts of records 50, 60 (master), 76, 70 and 61 (not 61R).
    void VerificarMovimento(int qtd50, int qtd60, int qtd76, int qtd70, int qtd61, MensagensGimSN& mensagens) const;

    int Quantidade() const { return quantidade_; }
    Moeda TotalEntradasApurado() const { return totalEntradasApurado_; }

private:
    // The fields the checks use; the record set keeps the whole record.
    void LerCampos(std::string_view linha);

    int quantidade_ = 0;
    Moeda totalEntradasApurado_;

    std::string inscricao_;
    std::string periodo_;
    std::string tipo_;
    Moeda substituicaoSaida_;
    Moeda icmsRetidoFonte_;
    std::int32_t regimePagamento_ = 0;
    Moeda faturamento_;
    Moeda totalEntradas_;
    Moeda aliquota_;  // a percentage: 2.50 % is held as 2.50
    Moeda icmsARecolher_;
    std::int32_t categoria_ = 0;
};

}  // namespace zq
