#include "main-window/CreditosRolantes.h"

#include <QPainter>

namespace zq::janela {

TCreditosRolantes::TCreditosRolantes(QStringList linhas, QWidget* pai) : QWidget(pai), linhas_(std::move(linhas)) {
    relogio_.setInterval(50);
    connect(&relogio_, &QTimer::timeout, this, [this] {
        deslocamento_ = (deslocamento_ + 1) % (AlturaTexto() + height());
        update();
    });
    setAutoFillBackground(true);
    setMinimumHeight(120);
}

int TCreditosRolantes::AlturaTexto() const { return fontMetrics().lineSpacing() * static_cast<int>(linhas_.size()); }

void TCreditosRolantes::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().base());
    const int altura = fontMetrics().lineSpacing();
    int y = height() - deslocamento_;
    for (const QString& linha : linhas_) {
        pintor.drawText(QRect(0, y, width(), altura), Qt::AlignHCenter | Qt::AlignVCenter, linha);
        y += altura;
    }
}

void TCreditosRolantes::showEvent(QShowEvent*) {
    if (!mostrado_) deslocamento_ = height() * 3 / 4;  // the first lines already in view
    mostrado_ = true;
    relogio_.start();
}
void TCreditosRolantes::hideEvent(QHideEvent*) { relogio_.stop(); }
void TCreditosRolantes::mouseDoubleClickEvent(QMouseEvent*) { emit DuploClique(); }

}  // namespace zq::janela
