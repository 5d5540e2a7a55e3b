#include "reports/descricao/FormatosRelatorio.h"

#include <cmath>
#include <cstdio>

#include "record-model/comum/Formatador.h"
#include "selection/tabelas/TabelaMemoria.h"

namespace zq {

namespace {

// The characters of the text in the mask's places ('9' and 'l'), '_' where the text runs out.
std::string ComMascara(const std::string& texto, std::string_view mascara) {
    std::string resultado;
    std::size_t proximo = 0;
    for (const char c : mascara) {
        if (c == '9' || c == 'l') {
            resultado += proximo < texto.size() ? texto[proximo] : '_';
            ++proximo;
        } else {
            resultado += c;
        }
    }
    return resultado;
}

Moeda TaxaComoMoeda(double taxa) { return Moeda::DeUnidades(std::llround(taxa * Moeda::kEscala)); }

}  // namespace

std::string TextoValor(const std::optional<Moeda>& valor) {
    return valor ? FormatarValor(*valor, "#,##0.00") : std::string();
}

std::string TextoPercentual(const std::optional<double>& taxa) {
    return taxa ? FormatarValor(TaxaComoMoeda(*taxa), "#0.00") + "%" : std::string();
}

std::string TextoTaxa(const std::optional<double>& taxa) {
    return taxa ? FormatarValor(TaxaComoMoeda(*taxa), "#,##0.00") : std::string();
}

std::string TextoInscricao(const std::optional<std::string>& inscricao) {
    return inscricao ? ComMascara(*inscricao, "99.999.999-9") : std::string();
}

std::string TextoCrc(const std::optional<std::string>& crc) {
    return crc && !crc->empty() ? ComMascara(*crc, "ll 999.999/l-9") : std::string();
}

std::string TextoTamanhoArquivo(std::int64_t bytes) {
    constexpr std::int64_t kKilo = 1024, kMega = 1048576, kGiga = 1073741824;
    const auto texto = [](std::int64_t quantidade, const char* unidade) {
        return std::to_string(quantidade) + " " + unidade;
    };
    if (bytes <= kKilo) return texto(bytes, "bytes");
    if (bytes <= kMega) return texto(bytes / kKilo, "kBytes");
    if (bytes <= kGiga) return texto(bytes / kMega, "MBytes");
    return texto(bytes / kGiga, "GBytes");
}

std::string TextoTotalPaginas(std::size_t linhas, std::size_t porPagina) {
    const std::size_t paginas = (linhas + porPagina - 1) / porPagina;
    char texto[32];
    std::snprintf(texto, sizeof texto, "de %2zu", paginas);
    return texto;
}

std::string TextoDataHoraRelatorio(std::chrono::local_seconds instante) { return TextoDataHora(instante); }

}  // namespace zq
