// captura-janela MIDIAS SAIDA: the window over the scanned media folder, one PNG per tab (and the window of
// the declarations left out) in SAIDA. Run under Xvfb by scripts/capturas-janela.sh; boxes are answered
// with their default button and never shown.

#include <zlib.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "main-window/CaixasMensagem.h"
#include "main-window/CampoArquivo.h"
#include "main-window/FormValidadorXraZQ.h"
#include "main-window/RelatoriosJanela.h"
#include "selection/DmValidador.h"
#include "selection/configuracao/ConfigValidadorXra.h"

namespace {

using namespace zq;
using namespace zq::janela;

void Esperar(int ms) {
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Gravar(QWidget* janela, const QString& arquivo) {
    Esperar(300);
    const bool ok = janela->grab().save(arquivo);
    std::printf("%s %s\n", ok ? "gravada" : "FALHOU", qPrintable(arquivo));
    return ok;
}

// A transmission file without receipts, identifier 16, with the inscrições given.
QString SfnDeExemplo(const QString& pasta) {
    std::string corpo(1, static_cast<char>(16));
    corpo += "01052017";
    for (const std::string inscricao : {"161234569", "161234577"}) {
        const std::string dados(3000, 'x');
        const auto tamanho = static_cast<std::uint32_t>(dados.size());
        corpo += inscricao;
        corpo.append(reinterpret_cast<const char*>(&tamanho), 4);
        corpo += dados;
    }
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(corpo.data()), static_cast<uInt>(corpo.size())));
    const QString arquivo = QDir(pasta).filePath(QStringLiteral("GIM201705.sfn"));
    std::ofstream(arquivo.toStdString(), std::ios::binary)
        << std::string(reinterpret_cast<const char*>(&crc), 4) << corpo;
    return arquivo;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: captura-janela PASTA_MIDIAS PASTA_SAIDA\n");
        return 2;
    }
    const QString midias = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    const QDir saida(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(saida.absolutePath());
    QTemporaryDir temporaria;

    DefinirCaixas(&TCaixas::Programa());
    DefinirRespondedor([](const TCaixaPedida& caixa) {
        std::printf("[caixa] %s\n", qPrintable(caixa.Titulo));
        return caixa.PadraoSim;
    });
    QString escolha;
    DefinirEscolha([&](const TDialogoPedido&) { return escolha; });

    bool ok = true;
    {
        TConfigValidadorXra configuracao;
        TDmValidador dm(configuracao.PastaTrabalho());
        TRelatoriosJanela relatorios;
        TFormValidadorXraZQ janela(configuracao, dm, relatorios);
        janela.show();
        janela.activateWindow();  // Xvfb has no window manager to activate it
        Esperar(500);
        auto* abas = janela.findChild<QTabWidget*>(QStringLiteral("abas"));

        escolha = midias;
        abas->setCurrentIndex(1);
        janela.findChild<TCampoArquivo*>(QStringLiteral("edtPastaMidias"))->Botao()->click();
        janela.findChild<QRadioButton*>(QStringLiteral("rbRegimeNormal"))->click();

        QTimer::singleShot(400, [&] {
            if (auto* motivos = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ok = Gravar(motivos, saida.filePath(QStringLiteral("janela-motivos.png"))) && ok;
                motivos->accept();
            }
        });
        janela.findChild<QPushButton*>(QStringLiteral("btnNaoSelecionadas"))->click();
        janela.findChild<QCheckBox*>(QStringLiteral("chkRetificadora"))->click();

        QTimer::singleShot(1500, [&] {
            if (auto* previa = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ok = Gravar(previa, saida.filePath(QStringLiteral("janela-previa-conferencia.png"))) && ok;
                previa->reject();
            }
        });
        janela.findChild<QPushButton*>(QStringLiteral("btnRelatorio"))->click();

        abas->setCurrentIndex(2);
        escolha = SfnDeExemplo(temporaria.path());
        janela.findChild<TCampoArquivo*>(QStringLiteral("edtSfn"))->Botao()->click();

        const QStringList nomes = {QStringLiteral("sintegra"), QStringLiteral("geracao"), QStringLiteral("internet"),
                                   QStringLiteral("xarvirtual"), QStringLiteral("sobre")};
        for (int aba = 0; aba < abas->count(); ++aba) {
            abas->setCurrentIndex(aba);
            if (aba == 4) Esperar(5000);  // the credits scroll into view
            ok = Gravar(&janela, saida.filePath(QStringLiteral("janela-%1-%2.png").arg(aba + 1).arg(nomes[aba]))) && ok;
        }
    }
    DefinirCaixas(nullptr);
    return ok ? 0 : 1;
}
