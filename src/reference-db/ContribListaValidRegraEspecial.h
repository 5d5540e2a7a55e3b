#pragma once
// TContribListaValidRegraEspecial: the contributors whose internal record-50 ICMS differences are tolerated up
// to a percentage of their tax balance. For the declarant found in the list, the difference messages (record
// 50 ICMS, 8802 debits) wait in a deferred list and are released only when the accumulated differences exceed
// that share.

#include <optional>
#include <string>
#include <vector>

#include "record-model/comum/Moeda.h"
#include "reference-db/RegistrosReferencia.h"

namespace zq {

class TContribListaValidRegraEspecial {
public:
    explicit TContribListaValidRegraEspecial(std::vector<TContribValidRegraEspecial> contribuintes)
        : contribuintes_(std::move(contribuintes)) {}

    // Makes the registration's entry the current one; false, and no current entry, when it is not listed.
    bool Localizar(const std::string& inscricao);

    void AdicionarDiferenca(Moeda diferenca) { diferencaPermitida_ += diferenca; }
    void Adiar(std::string mensagem) { adiadas_.push_back(std::move(mensagem)); }

    // True when DiferencaPermitida > percentage / 100 x saldoImposto, compared exactly.
    bool ToleranciaExcedida(Moeda saldoImposto) const;
    // When the tolerance is exceeded, appends the deferred messages to `rejeicoes` in their order; in every
    // case the deferred list is emptied.
    void LiberarAdiadas(Moeda saldoImposto, std::vector<std::string>& rejeicoes);

private:
    std::vector<TContribValidRegraEspecial> contribuintes_;
    std::optional<TContribValidRegraEspecial> atual_;
    Moeda diferencaPermitida_;
    std::vector<std::string> adiadas_;
};

}  // namespace zq
