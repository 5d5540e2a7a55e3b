// ValidadorXraZQ: the taxpayer's program with its window.

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>

#include "main-window/CaixasMensagem.h"
#include "main-window/FormValidadorXraZQ.h"
#include "main-window/InstanciaUnica.h"
#include "main-window/InteracaoJanela.h"
#include "main-window/RelatoriosJanela.h"
#include "selection/DmValidador.h"
#include "selection/Mensagens.h"
#include "selection/configuracao/ConfigValidadorXra.h"

int main(int argc, char** argv) {
    using namespace zq;
    using namespace zq::janela;
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(TCaixas::kTituloAplicacao);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/validador-xra-zq.svg")));
    QApplication::setDesktopFileName(QStringLiteral("validador-xra-zq"));

    // Before anything else: a second start only calls the first one to the front.
    QString pastaTrava = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (pastaTrava.isEmpty()) pastaTrava = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    TInstanciaUnica instancia(QFileInfo(QApplication::applicationFilePath()).completeBaseName(), pastaTrava);
    if (!instancia.Primeira()) return 0;

    DefinirCaixas(&TCaixas::Programa());
    int resultado = 0;
    {
        TConfigValidadorXra configuracao;
        TDmValidador dm(configuracao.PastaTrabalho());
        TRelatoriosJanela relatorios;
        TFormValidadorXraZQ janela(configuracao, dm, relatorios);
        TInteracaoJanela interacao(janela.statusBar());
        QObject::connect(&instancia, &TInstanciaUnica::MostrarPedido, &janela, &TFormValidadorXraZQ::TrazerParaFrente);
        bool encerrado = false;
        QObject::connect(&janela, &TFormValidadorXraZQ::Encerrar, &aplicacao, [&] {
            encerrado = true;
            QApplication::quit();
        });
        janela.show();
        janela.activateWindow();  // also where no window manager activates a new window
        if (!encerrado) resultado = QApplication::exec();
    }
    DefinirCaixas(nullptr);
    return resultado;
}
