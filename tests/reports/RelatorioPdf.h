#pragma once
// The report PDFs that xrazq writes, read back as a person would read them: the text of each page laid out as
// printed (pdftotext -layout), the fonts the file embeds (pdffonts).

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "selection/Xrazq.h"
#include "support/PastaTeste.h"

namespace zq::teste {

struct PdfLido {
    std::vector<std::string> paginas;  // the text of each page, UTF-8

    std::string Texto() const {
        std::string texto;
        for (const auto& pagina : paginas) texto += pagina;
        return texto;
    }
    bool Contem(const std::string& trecho) const { return Texto().find(trecho) != std::string::npos; }
    // The line holding `inicio`, from it to the line's end with runs of spaces made single.
    std::string Linha(const std::string& inicio) const {
        const std::string texto = Texto();
        const auto posicao = texto.find(inicio);
        if (posicao == std::string::npos) return {};
        const std::string linha = texto.substr(posicao, texto.find('\n', posicao) - posicao);
        std::string simples;
        for (const char c : linha) {
            if (c == ' ' && !simples.empty() && simples.back() == ' ') continue;
            simples += c;
        }
        while (!simples.empty() && simples.back() == ' ') simples.pop_back();
        return simples;
    }
};

inline std::string Comando(const std::string& programa, const std::filesystem::path& entrada,
                           const std::filesystem::path& saida) {
    return programa + " " + Aspas(entrada.string()) + " " + Aspas(saida.string()) + " 2>/dev/null";
}

inline PdfLido LerPdf(const std::filesystem::path& pdf) {
    PastaTeste pasta;
    const auto texto = pasta / "texto.txt";
    if (std::system(Comando("pdftotext -layout", pdf, texto).c_str()) != 0) return {};
    PdfLido lido;
    std::istringstream paginas(LerArquivo(texto));
    for (std::string pagina; std::getline(paginas, pagina, '\f');) lido.paginas.push_back(pagina);
    if (!lido.paginas.empty() && lido.paginas.back().find_first_not_of(" \n") == std::string::npos) {
        lido.paginas.pop_back();
    }
    return lido;
}

// The "name type encoding emb sub uni" table of pdffonts.
inline std::string FontesPdf(const std::filesystem::path& pdf) {
    PastaTeste pasta;
    const auto fontes = pasta / "fontes.txt";
    const std::string comando = "pdffonts " + Aspas(pdf.string()) + " >" + Aspas(fontes.string()) + " 2>/dev/null";
    if (std::system(comando.c_str()) != 0) return {};
    return LerArquivo(fontes);
}

}  // namespace zq::teste
