#include "record-model/registros/Reg90.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/NumeroOuZero.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

constexpr int kPrimeiroPar = 31;
constexpr int kTamanhoPar = 10;
constexpr std::size_t kParesPorLinha = 9;
constexpr std::size_t kColunaQuantidadeLinhas = 126;
constexpr std::string_view kTipoTotalGeral = "99";

}  // namespace

void TReg90::Limpar() {
    cnpj_.clear();
    inscricaoEstadual_.clear();
    totais_.clear();
    linhas_.clear();
}

void TReg90::AdicionarLinha(std::string_view linha) {
    linhas_.emplace_back(linha);
    cnpj_.assign(Colunas(linha, 3, 14));
    inscricaoEstadual_.assign(Colunas(linha, 17, 14));
    const auto tamanho = static_cast<int>(linha.size());
    for (int p = kPrimeiroPar;; p += kTamanhoPar) {
        const std::int32_t quantidade = NumeroOuZero(Colunas(linha, p + 2, 8));
        if (quantidade > 0) AdicionarTotal(Colunas(linha, p, 2), quantidade);
        const int proximo = p + kTamanhoPar;
        // The pairs end where only blanks remain before the last column.
        if (proximo >= tamanho || Aparar(Colunas(linha, proximo, tamanho - proximo)).empty()) break;
    }
}

void TReg90::AdicionarTotal(std::string_view tipo, std::int32_t quantidade) {
    if (totais_.find(tipo) == totais_.end()) totais_.emplace(tipo, quantidade);
}

std::int32_t TReg90::Total(std::string_view tipo) const {
    const auto total = totais_.find(tipo);
    return total == totais_.end() ? 0 : total->second;
}

const std::vector<std::string>& TReg90::GetLinhas() {
    if (linhas_.empty()) ComporLinhas();
    return linhas_;
}

void TReg90::ComporLinhas() {
    if (cnpj_.empty()) throw Excecao("CNPJ não informado no registro 90!");
    if (inscricaoEstadual_.empty()) throw Excecao("Inscrição não informada no registro 90!");
    std::string pares;
    std::int64_t registros = 0;
    std::size_t quantidadePares = 1;  // the "99" pair
    for (const auto& [tipo, quantidade] : totais_) {
        if (tipo == kTipoTotalGeral) continue;
        pares += Formatar("%s%.8d", {tipo, quantidade});
        registros += quantidade;
        ++quantidadePares;
    }
    if (quantidadePares == 1) throw Excecao("Registro '90' sem tipos registrados!");
    const std::size_t quantidadeLinhas = (quantidadePares + kParesPorLinha - 1) / kParesPorLinha;
    registros += static_cast<std::int64_t>(quantidadeLinhas) + 2;
    pares += Formatar("99%.8d", {registros});

    const std::string inicio = "90" + PreencherDireita(cnpj_, 14, ' ') + PreencherDireita(inscricaoEstadual_, 14, ' ');
    const std::size_t tamanhoPares = kParesPorLinha * kTamanhoPar;
    for (std::size_t p = 0; p < pares.size(); p += tamanhoPares) {
        std::string linha = inicio + pares.substr(p, tamanhoPares);
        linha.resize(kColunaQuantidadeLinhas - 1, ' ');
        linha += std::to_string(quantidadeLinhas);
        linhas_.push_back(std::move(linha));
    }
}

}  // namespace zq
