#pragma once
// A path box with a button that opens its file or folder dialog. Every dialog of the program goes through
// Escolher(); tests answer it through DefinirEscolha without any dialog appearing.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <functional>

namespace zq::janela {

struct TDialogoPedido {
    bool Pasta = false;       // a folder dialog
    QString Titulo;
    QString Filtro;           // "Description (*.ext)" lines, file dialogs only
    QString Inicio;           // the folder or file it starts on
};

// Answers a dialog in place of the user: the chosen path, empty for Cancel.
using TEscolha = std::function<QString(const TDialogoPedido&)>;
void DefinirEscolha(TEscolha escolha);  // empty: real dialogs
QString Escolher(QWidget* pai, const TDialogoPedido& dialogo);

class TCampoArquivo final : public QWidget {
    Q_OBJECT
public:
    TCampoArquivo(TDialogoPedido dialogo, bool permiteDigitar, QWidget* pai = nullptr);

    QLineEdit* Caixa() const { return caixa_; }
    QToolButton* Botao() const { return botao_; }
    QString Texto() const { return caixa_->text(); }
    void DefinirTexto(const QString& texto) { caixa_->setText(texto); }
    void DefinirInicio(const QString& inicio) { dialogo_.Inicio = inicio; }

signals:
    // The user chose a path in the dialog (the box already shows it).
    void Escolhido(const QString& caminho);

private:
    TDialogoPedido dialogo_;
    QLineEdit* caixa_;
    QToolButton* botao_;
};

}  // namespace zq::janela
