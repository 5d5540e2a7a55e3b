#include "main-window/JanelaNaoSelecionadas.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "main-window/ModeloTabela.h"
#include "main-window/Navegador.h"

namespace zq::janela {
namespace {

QLabel* Titulo(const QString& texto, QWidget* pai) {
    auto* rotulo = new QLabel(texto, pai);
    QFont fonte = rotulo->font();
    fonte.setBold(true);
    rotulo->setFont(fonte);
    return rotulo;
}

}  // namespace

TfrmListaDeclNaoSelecionadas::TfrmListaDeclNaoSelecionadas(TTabelaResProces& tabela, QWidget* pai)
    : QDialog(pai), tabela_(tabela), grade_(new QTableView(this)), motivo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmListaDeclNaoSelecionadas"));
    setWindowTitle(QStringLiteral("Motivos para não seleção das declarações"));
    auto* modelo = new TModeloTabela<TNaoSelecionada>(
        tabela, {"inscricao", "razaoSocial", "periodo", "finalidade", "tpDeclaracao", "descRegime"}, this);
    grade_->setModel(modelo);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->verticalHeader()->hide();
    grade_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grade_->horizontalHeader()->setSectionResizeMode(modelo->Coluna(QStringLiteral("razaoSocial")), QHeaderView::Stretch);
    motivo_->setReadOnly(true);
    motivo_->setObjectName(QStringLiteral("memMotivo"));

    auto* navegador = new TNavegador(grade_, false, this);
    auto* fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmListaDeclNaoSelecionadas::MostrarMotivo);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(Titulo(QStringLiteral("Lista das declarações não selecionadas:"), this));
    coluna->addWidget(grade_, 2);
    coluna->addWidget(navegador);
    coluna->addWidget(Titulo(QStringLiteral("Motivo da não seleção:"), this));
    coluna->addWidget(motivo_, 1);
    coluna->addWidget(fechar, 0, Qt::AlignRight);
    resize(760, 480);

    if (!tabela_.Vazia()) grade_->setCurrentIndex(modelo->index(0, 0));
}

void TfrmListaDeclNaoSelecionadas::MostrarMotivo() {
    const int linha = grade_->currentIndex().row();
    if (linha < 0 || linha >= static_cast<int>(tabela_.Quantidade())) {
        motivo_->clear();
        return;
    }
    tabela_.IrPara(static_cast<std::size_t>(linha));
    motivo_->setPlainText(ComQuebras(tabela_.Atual().mensagem));
}

}  // namespace zq::janela
