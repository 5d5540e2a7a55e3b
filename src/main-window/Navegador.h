#pragma once
// A data navigator over a grid: first, prior, next, last and, when asked for, delete, with the hints of the
// program and the record-number label. Moving never asks; delete only signals the request (the window asks
// first).

#include <QLabel>
#include <QToolButton>
#include <QWidget>

class QTableView;

namespace zq::janela {

class TNavegador final : public QWidget {
    Q_OBJECT
public:
    TNavegador(QTableView* grade, bool comExclusao, QWidget* pai = nullptr);

    QToolButton* Primeiro() const { return primeiro_; }
    QToolButton* Anterior() const { return anterior_; }
    QToolButton* Proximo() const { return proximo_; }
    QToolButton* Ultimo() const { return ultimo_; }
    QToolButton* Excluir() const { return excluir_; }
    QLabel* Rotulo() const { return rotulo_; }

    // Buttons and label after a move or a change of the rows.
    void Atualizar();

signals:
    void ExclusaoPedida(int linha);

private:
    void IrPara(int linha);
    QToolButton* Botao(const QString& texto, const QString& dica);

    QTableView* grade_;
    QToolButton* primeiro_;
    QToolButton* anterior_;
    QToolButton* proximo_;
    QToolButton* ultimo_;
    QToolButton* excluir_ = nullptr;
    QLabel* rotulo_;
};

}  // namespace zq::janela
