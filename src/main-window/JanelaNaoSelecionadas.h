#pragma once
// "Motivos para não seleção das declarações": the declarations the filter left out, each with its reasons.

#include <QDialog>

#include "selection/tabelas/TabelasValidador.h"

class QPlainTextEdit;
class QTableView;

namespace zq::janela {

class TfrmListaDeclNaoSelecionadas final : public QDialog {
    Q_OBJECT
public:
    TfrmListaDeclNaoSelecionadas(TTabelaResProces& tabela, QWidget* pai = nullptr);

private:
    void MostrarMotivo();

    TTabelaResProces& tabela_;
    QTableView* grade_;
    QPlainTextEdit* motivo_;
};

}  // namespace zq::janela
