#pragma once
// The record-90 lines of a SINTEGRA file: the count of records of each type.
//
// Layout: "90", CNPJ (3-16), state registration (17-30), from column 31 up to nine pairs of a record type
// (2 characters) and its count (8 digits), the pair "99" carrying the number of records of the file, blanks,
// and in column 126 the number of record-90 lines of the file.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

class TReg90 {
public:
    void Limpar();

    // Keeps the line, takes CNPJ and registration from it and adds its pairs whose count is greater than 0
    // (a type already known keeps its first count).
    void AdicionarLinha(std::string_view linha);
    // The lines added; without any, lines composed from Cnpj, InscricaoEstadual and Totais, with the "99"
    // pair counting every record (records 10 and 11 and the record-90 lines included), which are kept.
    // Raises Excecao when one of the three is missing.
    const std::vector<std::string>& GetLinhas();

    // The count of a record type ("50", "99"...), 0 when absent.
    std::int32_t Total(std::string_view tipo) const;
    bool TemTotais() const { return !totais_.empty(); }
    // A pair of a two-character type and its count; a type already known keeps its first count. Composed
    // lines compute their "99" pair and ignore one added here.
    void AdicionarTotal(std::string_view tipo, std::int32_t quantidade);

    // Columns 3-16 and 17-30 of the last line added, as they stand.
    const std::string& Cnpj() const { return cnpj_; }
    const std::string& InscricaoEstadual() const { return inscricaoEstadual_; }
    void SetCnpj(std::string_view cnpj) { cnpj_.assign(cnpj); }
    void SetInscricaoEstadual(std::string_view inscricao) { inscricaoEstadual_.assign(inscricao); }
    // Sorted by type.
    const std::map<std::string, std::int32_t, std::less<>>& Totais() const { return totais_; }
    const std::vector<std::string>& Linhas() const { return linhas_; }

private:
    void ComporLinhas();

    std::string cnpj_;
    std::string inscricaoEstadual_;
    std::map<std::string, std::int32_t, std::less<>> totais_;
    std::vector<std::string> linhas_;
};

}  // namespace zq
