#include "main-window/Navegador.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QTableView>

namespace zq::janela {

TNavegador::TNavegador(QTableView* grade, bool comExclusao, QWidget* pai) : QWidget(pai), grade_(grade) {
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(2);
    primeiro_ = Botao(QStringLiteral("|◀"), QStringLiteral("primeiro registro"));
    anterior_ = Botao(QStringLiteral("◀"), QStringLiteral("registro anterior"));
    proximo_ = Botao(QStringLiteral("▶"), QStringLiteral("próximo registro"));
    ultimo_ = Botao(QStringLiteral("▶|"), QStringLiteral("último registro"));
    for (auto* botao : {primeiro_, anterior_, proximo_, ultimo_}) linha->addWidget(botao);
    if (comExclusao) {
        excluir_ = Botao(QStringLiteral("—"), QStringLiteral("exclui registro"));
        linha->addWidget(excluir_);
        connect(excluir_, &QToolButton::clicked, this, [this] {
            const int atual = grade_->currentIndex().row();
            if (atual >= 0) emit ExclusaoPedida(atual);
        });
    }
    rotulo_ = new QLabel(this);
    rotulo_->setMinimumWidth(110);
    linha->addSpacing(8);
    linha->addWidget(rotulo_);
    linha->addStretch();

    connect(primeiro_, &QToolButton::clicked, this, [this] { IrPara(0); });
    connect(anterior_, &QToolButton::clicked, this, [this] { IrPara(grade_->currentIndex().row() - 1); });
    connect(proximo_, &QToolButton::clicked, this, [this] { IrPara(grade_->currentIndex().row() + 1); });
    connect(ultimo_, &QToolButton::clicked, this, [this] { IrPara(grade_->model()->rowCount() - 1); });
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TNavegador::Atualizar);
    connect(grade_->model(), &QAbstractItemModel::modelReset, this, &TNavegador::Atualizar);
    Atualizar();
}

QToolButton* TNavegador::Botao(const QString& texto, const QString& dica) {
    auto* botao = new QToolButton(this);
    botao->setText(texto);
    botao->setToolTip(dica);
    botao->setStatusTip(dica);
    botao->setAutoRaise(false);
    botao->setFocusPolicy(Qt::NoFocus);  // the grid's arrow keys move through the rows
    botao->setMinimumWidth(30);
    return botao;
}

void TNavegador::IrPara(int linha) {
    const QAbstractItemModel* modelo = grade_->model();
    if (modelo == nullptr || modelo->rowCount() == 0) return;
    linha = std::clamp(linha, 0, modelo->rowCount() - 1);
    const int coluna = std::max(0, grade_->currentIndex().column());
    grade_->setCurrentIndex(modelo->index(linha, coluna));
    Atualizar();
}

void TNavegador::Atualizar() {
    const QAbstractItemModel* modelo = grade_->model();
    const int quantidade = modelo ? modelo->rowCount() : 0;
    const int atual = grade_->currentIndex().isValid() ? grade_->currentIndex().row() : -1;
    primeiro_->setEnabled(atual > 0);
    anterior_->setEnabled(atual > 0);
    proximo_->setEnabled(atual >= 0 && atual < quantidade - 1);
    ultimo_->setEnabled(atual >= 0 && atual < quantidade - 1);
    if (excluir_) excluir_->setEnabled(atual >= 0);
    rotulo_->setText(quantidade == 0 ? QStringLiteral("Registro 0 de 0")
                                     : QStringLiteral("Registro %1 de %2").arg(atual + 1).arg(quantidade));
}

}  // namespace zq::janela
