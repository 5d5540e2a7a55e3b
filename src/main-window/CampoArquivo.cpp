#include "main-window/CampoArquivo.h"

#include <QFileDialog>
#include <QHBoxLayout>

namespace zq::janela {
namespace {

TEscolha& EscolhaDefinida() {
    static TEscolha escolha;
    return escolha;
}

}  // namespace

void DefinirEscolha(TEscolha escolha) { EscolhaDefinida() = std::move(escolha); }

QString Escolher(QWidget* pai, const TDialogoPedido& dialogo) {
    if (EscolhaDefinida()) return EscolhaDefinida()(dialogo);
    if (dialogo.Pasta) return QFileDialog::getExistingDirectory(pai, dialogo.Titulo, dialogo.Inicio);
    return QFileDialog::getOpenFileName(pai, dialogo.Titulo, dialogo.Inicio, dialogo.Filtro);
}

TCampoArquivo::TCampoArquivo(TDialogoPedido dialogo, bool permiteDigitar, QWidget* pai)
    : QWidget(pai), dialogo_(std::move(dialogo)), caixa_(new QLineEdit(this)), botao_(new QToolButton(this)) {
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(2);
    caixa_->setReadOnly(!permiteDigitar);
    botao_->setText(QStringLiteral("…"));
    botao_->setToolTip(dialogo_.Titulo);
    linha->addWidget(caixa_, 1);
    linha->addWidget(botao_);
    setFocusProxy(caixa_);
    connect(botao_, &QToolButton::clicked, this, [this] {
        const QString caminho = Escolher(window(), dialogo_);
        if (caminho.isEmpty()) return;
        emit Escolhido(caminho);
    });
}

}  // namespace zq::janela
