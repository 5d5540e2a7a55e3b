#pragma once
// A report as a plain description of its pages: each page a list of bands, each band a list of texts, rules and
// images at positions in millimetres from the page's top-left corner. Nothing here draws; the renderer paints
// the description on a preview, a printer or a PDF, and tests read it as it is. Texts are CP1252.

#include <string>
#include <vector>

namespace zq {

// Liberation Mono stands in for Courier New, Liberation Sans for Arial (same metrics).
enum class TFonteRelatorio { Mono, Sans };
enum class TAlinhamento { Esquerda, Direita, Centro };

struct TEstiloTexto {
    TFonteRelatorio Fonte = TFonteRelatorio::Sans;
    double Pontos = 10;
    bool Negrito = false;
};

// A text in the box (X, Y, Largura, Altura), aligned in it horizontally and placed at its top; never cut.
struct TTextoRelatorio {
    double X = 0, Y = 0, Largura = 0, Altura = 0;
    std::string Texto;
    TEstiloTexto Estilo;
    TAlinhamento Alinhamento = TAlinhamento::Esquerda;
};

// A horizontal or vertical line.
struct TReguaRelatorio {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double Espessura = 0.3;
};

// One of the report's images, by name: "brasao" is the coat of arms.
struct TImagemRelatorio {
    double X = 0, Y = 0, Largura = 0, Altura = 0;
    std::string Nome;
};

struct TBandaRelatorio {
    std::string Nome;  // "cabecalho", "contribuinte", "detalhe", "resumo"...
    double Topo = 0;
    double Altura = 0;
    std::vector<TTextoRelatorio> Textos;
    std::vector<TReguaRelatorio> Reguas;
    std::vector<TImagemRelatorio> Imagens;
};

struct TPaginaRelatorio {
    std::vector<TBandaRelatorio> Bandas;
};

struct TDocumentoRelatorio {
    std::string Titulo;  // the document's title (the PDF's title, the print job's name)
    double LarguraPagina = 210, AlturaPagina = 297;
    double MargemSuperior = 10, MargemInferior = 10, MargemEsquerda = 10, MargemDireita = 10;
    std::vector<TPaginaRelatorio> Paginas;

    // Every text of every page, in order (for searching and tests).
    std::vector<std::string> Textos() const;
};

}  // namespace zq
