#include "main-window/CaixasMensagem.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "main-window/TextoQt.h"

namespace zq::janela {
namespace {

TRespondedor& Respondedor() {
    static TRespondedor respondedor;
    return respondedor;
}

QString NomeDoTipo(TTipoCaixa tipo) {
    switch (tipo) {
        case TTipoCaixa::Informacao: return QStringLiteral("Informação");
        case TTipoCaixa::Erro: return QStringLiteral("Erro");
        case TTipoCaixa::Confirmacao: return QStringLiteral("Confirmação");
        case TTipoCaixa::Aviso: return QStringLiteral("Aviso");
        case TTipoCaixa::Simples: break;
    }
    return {};
}

QMessageBox::Icon IconeDoTipo(TTipoCaixa tipo) {
    switch (tipo) {
        case TTipoCaixa::Informacao: return QMessageBox::Information;
        case TTipoCaixa::Erro: return QMessageBox::Critical;
        case TTipoCaixa::Confirmacao: return QMessageBox::Question;
        case TTipoCaixa::Aviso: return QMessageBox::Warning;
        case TTipoCaixa::Simples: break;
    }
    return QMessageBox::NoIcon;
}

TCaixaPedida Caixa(TTipoCaixa tipo, const QString& texto, bool padraoSim = false) {
    const QString nome = NomeDoTipo(tipo);
    return {tipo, nome.isEmpty() ? TCaixas::kTituloAplicacao : TCaixas::kTituloAplicacao + " - " + nome, texto,
            padraoSim};
}

}  // namespace

void DefinirRespondedor(TRespondedor respondedor) { Respondedor() = std::move(respondedor); }

TCaixas& TCaixas::Programa() {
    static TCaixas caixas;
    return caixas;
}

void TCaixas::Informacao(const QString& texto) { Mostrar(Caixa(TTipoCaixa::Informacao, texto)); }
void TCaixas::Erro(const QString& texto) { Mostrar(Caixa(TTipoCaixa::Erro, texto)); }
void TCaixas::Simples(const QString& texto) { Mostrar(Caixa(TTipoCaixa::Simples, texto)); }
bool TCaixas::Pergunta(const QString& texto, bool padraoSim) {
    return Mostrar(Caixa(TTipoCaixa::Confirmacao, texto, padraoSim));
}

void TCaixas::Informacao(const std::string& texto) { Informacao(ComQuebras(texto)); }
void TCaixas::Erro(const std::string& texto) { Erro(ComQuebras(texto)); }
bool TCaixas::Confirmar(const std::string& texto) { return Pergunta(ComQuebras(texto), false); }

bool TCaixas::Mostrar(const TCaixaPedida& caixa) {
    if (Respondedor()) return Respondedor()(caixa);

    QMessageBox box(IconeDoTipo(caixa.Tipo), caixa.Titulo, caixa.Texto, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (caixa.Tipo != TTipoCaixa::Confirmacao) {
        box.addButton(QStringLiteral("&Ok"), QMessageBox::AcceptRole);
        box.exec();
        return true;
    }
    QPushButton* sim = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    QPushButton* nao = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    box.setDefaultButton(caixa.PadraoSim ? sim : nao);
    box.setEscapeButton(nao);
    box.exec();
    return box.clickedButton() == sim;
}

}  // namespace zq::janela
