#pragma once
// On the window it watches, Enter moves the focus on as Tab does, except on buttons, check boxes and radio
// buttons (Enter presses those).

#include <QObject>

namespace zq::janela {

class TkEnterAsTab final : public QObject {
    Q_OBJECT
public:
    explicit TkEnterAsTab(QWidget* janela);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* janela_;
};

}  // namespace zq::janela
