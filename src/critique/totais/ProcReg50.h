#pragma once
// The records 50 of a declaration: the ICMS rules of each invoice, the credit,
// debit, rate-difference and transfer totals, and the numbering of the
// declarant's own invoices, checked for gaps once the file has been read.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "critique/MensagensCritica.h"
#include "critique/declaracao/Complementos.h"
#include "record-model/comum/Moeda.h"

namespace zq {

class TReg50;

class TProcReg50 {
public:
    explicit TProcReg50(ComplementosCritica& complementos) : complementos_(complementos) {}

    // One invoice that is not cancelled (situation other than "S", "X", "2", "4").
    void Processar(const TReg50& registro, MensagensCritica& mensagens);
    // Every invoice, cancelled ones too: its series and number join the
    // declarant's output numbering or its own entries. The CNPJ is digits only.
    void RegistrarNumeracao(const TReg50& registro, std::string_view cnpjDeclarante);
    // One warning per run of output numbers missing from a series and not
    // issued as the declarant's entries; none when the numbering wraps.
    void VerificarLacunas(std::vector<std::string>& advertencias);

    Moeda CreditosEntradas() const { return creditosEntradas_; }
    Moeda DebitosSaidas() const { return debitosSaidas_; }
    // ICMS of CFOP 2551, 2552, 2556 and 2557.
    Moeda DiferencaAliquota() const { return diferencaAliquota_; }
    // ICMS of CFOP 1601, 1602, 1603 and 2603 that may be credited.
    Moeda TransferenciasRecebidas() const { return transferenciasRecebidas_; }
    // ICMS of CFOP 5601, 5602, 5603 and 6603 that may be credited.
    Moeda TransferenciasEnviadas() const { return transferenciasEnviadas_; }

private:
    using Serie = std::array<char, 3>;
    // Consecutive numbers of one series, as invoices are usually issued: the
    // lists grow with the breaks in the numbering, not with the invoices.
    struct FaixaNotas {
        Serie serie{};
        std::int32_t primeiro = 0;
        std::int32_t ultimo = 0;
        friend auto operator<=>(const FaixaNotas&, const FaixaNotas&) = default;
    };

    void ConferirValores(const TReg50& registro, MensagensCritica& mensagens) const;
    void ConferirIcms(const TReg50& registro, MensagensCritica& mensagens);
    void VerificarEmitente(const TReg50& registro, MensagensCritica& mensagens);
    void RelatarLacuna(const Serie& serie, std::int32_t primeiro, std::int32_t ultimo,
                       std::vector<std::string>& linhas) const;
    static void Guardar(std::vector<FaixaNotas>& faixas, const Serie& serie, std::int32_t numero);
    // Sorted, overlapping and adjacent runs of a series joined.
    static void Unir(std::vector<FaixaNotas>& faixas);

    ComplementosCritica& complementos_;
    Moeda creditosEntradas_;
    Moeda debitosSaidas_;
    Moeda diferencaAliquota_;
    Moeda transferenciasRecebidas_;
    Moeda transferenciasEnviadas_;

    // Whether the invoice being processed may give credit for a transfer.
    bool creditoTransferencia_ = true;

    std::vector<FaixaNotas> saidas_;
    std::vector<FaixaNotas> entradasProprias_;
};

}  // namespace zq
