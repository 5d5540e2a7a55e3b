#include "reports/desenho/DesenhoRelatorio.h"

#include <map>
#include <tuple>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgRenderer>

#include "platform/Cp1252.h"
#include "record-model/comum/Excecao.h"

namespace zq {

namespace {

QString Texto(const std::string& cp1252) { return QString::fromStdString(Cp1252ParaUtf8(cp1252)); }

QString Familia(TFonteRelatorio fonte) {
    return fonte == TFonteRelatorio::Mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans");
}

QString Imagem(const std::string& nome) { return QStringLiteral(":/reports/%1.svg").arg(Texto(nome)); }

// Millimetres of the page to the device's pixels.
class TEscala {
public:
    explicit TEscala(const QPaintDevice& dispositivo)
        : x_(dispositivo.logicalDpiX() / 25.4), y_(dispositivo.logicalDpiY() / 25.4) {}
    QPointF Ponto(double x, double y) const { return {x * x_, y * y_}; }
    QRectF Retangulo(double x, double y, double largura, double altura) const {
        return {x * x_, y * y_, largura * x_, altura * y_};
    }
    double Espessura(double mm) const { return mm * y_; }

private:
    double x_, y_;
};

// The fonts of the report's styles with their metrics on the device, made once per style.
class TFontes {
public:
    explicit TFontes(const QPaintDevice& dispositivo) : dispositivo_(dispositivo) {}

    struct TFonte {
        QFont fonte;
        QFontMetricsF metricas;
    };

    const TFonte& Fonte(const TEstiloTexto& estilo) {
        const auto chave = std::make_tuple(estilo.Fonte, estilo.Pontos, estilo.Negrito);
        auto encontrada = fontes_.find(chave);
        if (encontrada == fontes_.end()) {
            QFont fonte(Familia(estilo.Fonte));
            fonte.setPointSizeF(estilo.Pontos);
            fonte.setBold(estilo.Negrito);
            encontrada = fontes_.emplace(chave, TFonte{fonte, QFontMetricsF(fonte, &dispositivo_)}).first;
        }
        return encontrada->second;
    }

private:
    const QPaintDevice& dispositivo_;
    std::map<std::tuple<TFonteRelatorio, double, bool>, TFonte> fontes_;
};

// Every text of a line stands on the same baseline, whatever its font and size: the top of its box plus the
// ascent of Liberation fonts (0.905 of the size given).
void DesenharTexto(QPainter& pintor, const TEscala& escala, TFontes& fontes, const TTextoRelatorio& texto) {
    const TFontes::TFonte& estilo = fontes.Fonte(texto.Estilo);
    const QString conteudo = Texto(texto.Texto);
    const QPointF caixa = escala.Ponto(texto.X, texto.Y);
    const double larguraCaixa = escala.Ponto(texto.Largura, 0).x();
    double largura = estilo.metricas.horizontalAdvance(conteudo);
    if (largura > larguraCaixa && larguraCaixa > 0) {
        // A text wider than its box (a long company name) is set smaller, never cut nor over its neighbour.
        QFont menor = estilo.fonte;
        menor.setPointSizeF(texto.Estilo.Pontos * larguraCaixa / largura);
        pintor.setFont(menor);
        largura = QFontMetricsF(menor, pintor.device()).horizontalAdvance(conteudo);
    } else {
        pintor.setFont(estilo.fonte);
    }
    double x = caixa.x();
    if (texto.Alinhamento == TAlinhamento::Direita) x += larguraCaixa - largura;
    if (texto.Alinhamento == TAlinhamento::Centro) x += (larguraCaixa - largura) / 2;
    const double linhaBase = caixa.y() + escala.Ponto(0, texto.Estilo.Pontos * 25.4 / 72 * 0.905).y();
    pintor.drawText(QPointF(x, linhaBase), conteudo);
}

void DesenharPagina(QPainter& pintor, const TEscala& escala, TFontes& fontes, const TPaginaRelatorio& pagina) {
    for (const TBandaRelatorio& banda : pagina.Bandas) {
        for (const TReguaRelatorio& regua : banda.Reguas) {
            pintor.setPen(QPen(Qt::black, escala.Espessura(regua.Espessura)));
            pintor.drawLine(escala.Ponto(regua.X1, regua.Y1), escala.Ponto(regua.X2, regua.Y2));
        }
        for (const TImagemRelatorio& imagem : banda.Imagens) {
            QSvgRenderer desenho(Imagem(imagem.Nome));
            desenho.render(&pintor, escala.Retangulo(imagem.X, imagem.Y, imagem.Largura, imagem.Altura));
        }
        pintor.setPen(Qt::black);
        for (const TTextoRelatorio& texto : banda.Textos) DesenharTexto(pintor, escala, fontes, texto);
    }
}

// Liberation Mono and Sans stand in for Courier New and Arial; without them the pages would come out in other
// metrics.
void ExigirFontes() {
    const QStringList familias = QFontDatabase::families();
    for (const TFonteRelatorio fonte : {TFonteRelatorio::Mono, TFonteRelatorio::Sans}) {
        if (!familias.contains(Familia(fonte))) {
            throw Excecao(Utf8ParaCp1252("Fonte '" + Familia(fonte).toStdString() +
                                         "' não instalada (pacote fonts-liberation2)."));
        }
    }
}

}  // namespace

void DesenharRelatorio(const TDocumentoRelatorio& documento, QPagedPaintDevice& dispositivo) {
    const QPageSize tamanho(QSizeF(documento.LarguraPagina, documento.AlturaPagina), QPageSize::Millimeter,
                            Texto(documento.Titulo), QPageSize::ExactMatch);
    if (auto* impressora = dynamic_cast<QPrinter*>(&dispositivo)) {
        impressora->setFullPage(true);
        impressora->setDocName(Texto(documento.Titulo));
    }
    dispositivo.setPageLayout(QPageLayout(tamanho, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Millimeter));
    ExigirFontes();
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) {
        throw Excecao(Utf8ParaCp1252("Não foi possível iniciar a impressão do relatório."));
    }
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    const TEscala escala(dispositivo);
    TFontes fontes(dispositivo);
    for (std::size_t i = 0; i < documento.Paginas.size(); ++i) {
        if (i > 0) dispositivo.newPage();
        DesenharPagina(pintor, escala, fontes, documento.Paginas[i]);
    }
    pintor.end();
}

void GravarPdfRelatorio(const TDocumentoRelatorio& documento, const QString& arquivo) {
    QSaveFile destino(arquivo);
    const auto falha = [&] {
        return Excecao(Utf8ParaCp1252("Não foi possível gravar o arquivo '" + arquivo.toStdString() + "'."));
    };
    if (!destino.open(QIODevice::WriteOnly)) throw falha();
    {
        QPdfWriter pdf(&destino);
        pdf.setResolution(1200);
        pdf.setTitle(Texto(documento.Titulo));
        pdf.setCreator(QStringLiteral("Validador XAR-ZQ"));
        DesenharRelatorio(documento, pdf);
    }
    if (!destino.commit()) throw falha();
}

}  // namespace zq
