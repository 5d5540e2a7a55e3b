#pragma once
// Lays bands down the pages of a report description: each band below the last, on a new page when it does not
// fit above the bottom margin. Positions inside a band are given from its top and from the left margin.

#include <string>

#include "reports/descricao/DocumentoRelatorio.h"

namespace zq {

// Line height of a 10-point text, in millimetres, and the width of one Liberation Mono character at 10 points.
inline constexpr double kAlturaLinha = 4.5;
inline constexpr double kLarguraMono10 = 10 * 0.6 * 25.4 / 72;

inline constexpr TEstiloTexto kSans{TFonteRelatorio::Sans, 10, false};
inline constexpr TEstiloTexto kSansNegrito{TFonteRelatorio::Sans, 10, true};
inline constexpr TEstiloTexto kMono{TFonteRelatorio::Mono, 10, false};

// Writes into one band.
class TEscritorBanda {
public:
    TEscritorBanda(TBandaRelatorio& banda, double esquerda) : banda_(banda), esquerda_(esquerda) {}

    void Texto(double x, double y, double largura, std::string texto, TEstiloTexto estilo = kSans,
               TAlinhamento alinhamento = TAlinhamento::Esquerda);
    // A Liberation Mono caption: its box is as wide as its characters.
    void Legenda(double x, double y, std::string texto);
    void Regua(double x1, double y, double x2, double espessura = 0.3);
    void Imagem(double x, double y, double largura, double altura, std::string nome);

private:
    TBandaRelatorio& banda_;
    double esquerda_;
};

class TMontadorPaginas {
public:
    explicit TMontadorPaginas(TDocumentoRelatorio& documento) : documento_(documento) {}

    double Largura() const {
        return documento_.LarguraPagina - documento_.MargemEsquerda - documento_.MargemDireita;
    }
    // Room left on the current page (none before the first page).
    double Restante() const;
    std::size_t PaginaAtual() const { return documento_.Paginas.size(); }  // 1-based; 0 before the first

    void NovaPagina();
    // A band of the height below the last one, on a new page when it does not fit (or there is no page). The
    // writer is valid until the next band is made.
    TEscritorBanda Banda(const std::string& nome, double altura);
    // A band of the height resting on the bottom margin of the current page (of a new one when the last band
    // reaches into it).
    TEscritorBanda Rodape(const std::string& nome, double altura);

private:
    TDocumentoRelatorio& documento_;
    double proximoTopo_ = 0;
};

// Characters of a CP1252 text (one byte each).
inline double LarguraMono(const std::string& texto) { return static_cast<double>(texto.size()) * kLarguraMono10; }

}  // namespace zq
