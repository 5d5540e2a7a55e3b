#pragma once
// The credit lines of the authority scrolling upwards one pixel every 50 ms, round and round, only while
// the panel is shown. A double click opens the authority's web site.

#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace zq::janela {

class TCreditosRolantes final : public QWidget {
    Q_OBJECT
public:
    TCreditosRolantes(QStringList linhas, QWidget* pai = nullptr);

    bool Rolando() const { return relogio_.isActive(); }
    int Deslocamento() const { return deslocamento_; }

signals:
    void DuploClique();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    int AlturaTexto() const;

    QStringList linhas_;
    QTimer relogio_;
    int deslocamento_ = 0;
    bool mostrado_ = false;
};

}  // namespace zq::janela
