#include "platform/VersaoArquivo.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <regex>
#include <string_view>
#include <vector>

namespace zq {
namespace {

constexpr std::string_view kMarca = "ZQ-FILEVERSION:";

bool VersaoBemFormada(std::string_view texto) {
    static const std::regex kQuatroNumeros(R"(\d{1,5}\.\d{1,5}\.\d{1,5}\.\d{1,5})");
    return std::regex_match(texto.begin(), texto.end(), kQuatroNumeros);
}

}  // namespace

std::optional<std::string> LerVersaoEmbutida(const std::filesystem::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    std::error_code erro;
    const auto tamanho = std::filesystem::file_size(arquivo, erro);
    if (!entrada || erro) return std::nullopt;
    std::vector<char> bytes(tamanho);
    if (!entrada.read(bytes.data(), static_cast<std::streamsize>(tamanho))) return std::nullopt;
    // The reader's own copy of the mark is followed by a NUL, not by a version:
    // every occurrence is tried until one is well formed.
    auto inicio = bytes.begin();
    while (true) {
        inicio = std::search(inicio, bytes.end(), std::boyer_moore_horspool_searcher(kMarca.begin(), kMarca.end()));
        if (inicio == bytes.end()) return std::nullopt;
        const auto valor = inicio + static_cast<std::ptrdiff_t>(kMarca.size());
        const auto fim = std::find(valor, bytes.end(), '\0');
        const std::string_view candidato(&*valor, static_cast<std::size_t>(fim - valor));
        if (fim != bytes.end() && VersaoBemFormada(candidato)) return std::string(candidato);
        inicio = valor;
    }
}

}  // namespace zq
