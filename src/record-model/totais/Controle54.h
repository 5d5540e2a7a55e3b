#pragma once
// Invoices (records 50) still waiting for their item records (54).
//
// A record 50 that needs items is pending from the time it is registered until a record 54 with the same
// CNPJ, model, series, number, CFOP and rate is read; one record 54 settles every pending record 50 of its
// key. Pending invoices are reported in the order in which they were registered.
//
// Cost per line is constant (a hash index over the pending keys) and memory follows the number of invoices
// pending at the same time, not the size of the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/totais/IndicePendencias54.h"

namespace zq {

class TControle54 {
public:
    static constexpr std::size_t kTamanhoChave50 = TIndicePendencias54::kTamanhoChave50;
    static constexpr std::size_t kTamanhoChave54 = TIndicePendencias54::kTamanhoChave54;

    // A record 50 needs records 54 when its CFOP (columns 52-55) is not one of the operations without
    // goods, its situation (column 126) is "N" or "E" and its model (41-42) is 1, 55 or 4. Raises the
    // exception of InteiroDoTexto when the record type, or the CFOP or model it needs to look at, is not a
    // number. Columns missing from a short line count as blanks.
    void RegistrarRegistro50(std::string_view linha, std::int64_t numeroLinha);
    void BaixarRegistro54(std::string_view linha);

    // The queries first apply the records still in flight.
    std::size_t Pendencias();
    // Each pending record 50 as its key, "|" and its line number, in the order of registration.
    std::vector<std::string> ListaPendencias();
    // One warning per pending record 50, in the order of registration.
    void RelatarPendencias(std::vector<std::string>& advertencias);

private:
    // A record read but not yet applied to the index. Records are applied in the order read, a fixed number
    // of records late, so that the index memory each one needs has been fetched meanwhile.
    struct Operacao {
        TIndicePendencias54::Chave chave;
        std::uint32_t hash;
        bool registro50;
        std::int64_t numeroLinha;
    };
    // Records between the prefetch of an index slot and that of the entry it leads to, and again before use.
    static constexpr std::size_t kDistancia = 8;
    static constexpr std::size_t kCapacidadeFila = 2 * kDistancia;

    void Enfileirar(const Operacao& operacao);
    void Aplicar(const Operacao& operacao);
    void Descarregar();

    TIndicePendencias54 indice_;
    std::array<Operacao, kCapacidadeFila> fila_{};
    std::size_t inicioFila_ = 0;
    std::size_t tamanhoFila_ = 0;
};

}  // namespace zq
