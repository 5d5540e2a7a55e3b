#include "main-window/EnterComoTab.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zq::janela {

TkEnterAsTab::TkEnterAsTab(QWidget* janela) : QObject(janela), janela_(janela) {
    qApp->installEventFilter(this);
}

bool TkEnterAsTab::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter) return false;
    auto* controle = qobject_cast<QWidget*>(objeto);
    if (controle == nullptr || controle->window() != janela_ || controle != QApplication::focusWidget()) return false;
    if (qobject_cast<QAbstractButton*>(controle) != nullptr) return false;  // push, check and radio buttons
    if (qobject_cast<QAbstractItemView*>(controle) != nullptr) return false;  // Enter opens a row
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(controle, &tab);
    return true;
}

}  // namespace zq::janela
