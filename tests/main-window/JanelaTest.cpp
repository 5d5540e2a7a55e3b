// The program's window driven as a user drives it: keys and clicks on its widgets, its message boxes and
// dialogs answered through their seams, on the offscreen platform.

#include <unistd.h>
#include <zlib.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>

#include "main-window/CaixasMensagem.h"
#include "main-window/CampoArquivo.h"
#include "main-window/CreditosRolantes.h"
#include "main-window/FormValidadorXraZQ.h"
#include "main-window/InstanciaUnica.h"
#include "main-window/Navegador.h"
#include "main-window/RelatoriosJanela.h"
#include "platform/Relogio.h"
#include "selection/configuracao/ConfigValidadorXra.h"
#include "selection/Declaracoes.h"
#include "selection/Transmissao.h"
#include "support/PastaTeste.h"
#include "support/PlataformaTeste.h"

using namespace zq;
using namespace zq::janela;
using zq::teste::GravarArquivo;
using zq::teste::PastaTeste;
using zq::teste::PlataformaTeste;
namespace fs = std::filesystem;

namespace {

const QString kPastaMidias = QStringLiteral(ZQ_PASTA_PROJETO "/examples/midias");
const QString kAvisoNormal =
    QStringLiteral("Para a geração de arquivos para o regime Normal, o maior período da entrega é 12/2015");

// A report that opens a modal preview the test closes at once.
class RelatoriosFalsos final : public TRelatorios {
public:
    void Conferencia(TDmValidador&, QWidget* pai) override { Previa(pai); }
    void Recibos(TDmValidador& dm, const std::string& sfn, bool comprovantes, QWidget* pai) override {
        recibos.push_back({sfn, comprovantes, dm.QuantidadeEscolhidos()});
        Previa(pai);
    }
    void Recibo(TDmValidador&, const std::string&, QWidget* pai) override { Previa(pai); }
    int previas = 0;
    struct Pedido {
        std::string sfn;
        bool comprovantes;
        int escolhidos;
    };
    std::vector<Pedido> recibos;

private:
    void Previa(QWidget* pai) {
        ++previas;
        QDialog previa(pai);
        QTimer::singleShot(0, &previa, &QDialog::reject);
        previa.exec();
    }
};

// A transmission file: CRC-32 of the rest, identifier, "01mmyyyy" or "yyyyyyyy", records.
std::string Sfn(int identificador, const std::string& periodo, const std::vector<std::string>& inscricoes) {
    std::string corpo(1, static_cast<char>(identificador));
    corpo += periodo;
    for (const auto& inscricao : inscricoes) {
        const std::string dados = "PK dados de " + inscricao;
        const auto tamanho = static_cast<std::uint32_t>(dados.size());
        corpo += inscricao;
        corpo.append(reinterpret_cast<const char*>(&tamanho), 4);
        corpo += dados;
    }
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(corpo.data()), static_cast<uInt>(corpo.size())));
    return std::string(reinterpret_cast<const char*>(&crc), 4) + corpo;
}

// The program's folder (with or without its critique library), a registry of its own, today at 15/06/2017,
// the configuration, the data module and the window, with every box and dialog answered by the test.
class Ambiente {
public:
    explicit Ambiente(bool comBiblioteca = true)
        : plataforma_(Criar(pasta_, comBiblioteca), pasta_ / "programa" / "ValidadorXraZQ") {
        janela_ = std::make_unique<TFormValidadorXraZQ>(configuracao_, dm_, relatorios);
        DefinirCaixas(&TCaixas::Programa());
        DefinirRespondedor([this](const TCaixaPedida& caixa) {
            caixas.push_back(caixa);
            if (aoMostrar) aoMostrar(caixa);
            if (respostas.empty()) return caixa.PadraoSim;
            const bool resposta = respostas.front();
            respostas.pop_front();
            return resposta;
        });
        DefinirEscolha([this](const TDialogoPedido&) { return escolha; });
    }
    ~Ambiente() {
        janela_.reset();
        DefinirCaixas(nullptr);
        DefinirRespondedor({});
        DefinirEscolha({});
        FixarHoje(std::nullopt);
        unsetenv("ZQ_REGISTRO");
    }
    Ambiente(const Ambiente&) = delete;
    Ambiente& operator=(const Ambiente&) = delete;

    TFormValidadorXraZQ& Janela() { return *janela_; }
    TConfigValidadorXra& Configuracao() { return configuracao_; }
    void DestruirJanela() { janela_.reset(); }
    TDmValidador& Dm() { return dm_; }
    const fs::path& Pasta() const { return pasta_.Caminho(); }

    template <class T>
    T* Controle(const char* nome) {
        T* controle = janela_->findChild<T*>(QString::fromLatin1(nome));
        if (controle == nullptr) qFatal("controle %s ausente", nome);
        return controle;
    }

    bool Mostrar() {
        janela_->show();
        return QTest::qWaitForWindowActive(janela_.get());
    }

    // The media folder chosen in its dialog, then regime Normal clicked (the examples are of that regime).
    void AbrirExemplos() {
        Escolher(kPastaMidias, "edtPastaMidias");
        QTest::mouseClick(Controle<QRadioButton>("rbRegimeNormal"), Qt::LeftButton);
        caixas.clear();
    }
    void Escolher(const QString& caminho, const char* campo) {
        escolha = caminho;
        QTest::mouseClick(Controle<TCampoArquivo>(campo)->Botao(), Qt::LeftButton);
    }
    void DigitarPeriodo(const QString& texto) {
        auto* periodo = Controle<QLineEdit>("edtPeriodo");
        periodo->setFocus();
        periodo->selectAll();  // the first digit replaces the whole text
        QTest::keyClicks(periodo, texto);
    }
    int LinhasSelecao() { return Controle<QTableView>("gradeSelecao")->model()->rowCount(); }
    QStringList Textos() const {
        QStringList textos;
        for (const auto& caixa : caixas) textos << caixa.Texto;
        return textos;
    }

    RelatoriosFalsos relatorios;
    std::vector<TCaixaPedida> caixas;
    std::deque<bool> respostas;
    std::function<void(const TCaixaPedida&)> aoMostrar;
    QString escolha;

private:
    static fs::path Criar(const PastaTeste& pasta, bool comBiblioteca) {
        fs::create_directories(pasta / "programa");
        if (comBiblioteca) GravarArquivo(pasta / "programa" / "libMorvanta.so", "biblioteca");
        setenv("ZQ_REGISTRO", (pasta / "registro.reg").c_str(), 1);
        FixarHoje(std::chrono::year{2017} / 6 / 15);
        return pasta / "tmp";
    }

    PastaTeste pasta_;
    PlataformaTeste plataforma_;
    TConfigValidadorXra configuracao_;
    TDmValidador dm_{configuracao_.PastaTrabalho()};
    std::unique_ptr<TFormValidadorXraZQ> janela_;
};

int Digitos(const QString& texto) {
    return static_cast<int>(std::count_if(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); }));
}

int PastasDeTrabalho(const fs::path& pasta) {
    int quantidade = 0;
    for (const auto& entrada : fs::directory_iterator(pasta)) {
        quantidade += entrada.is_directory() && entrada.path().filename().string().starts_with("ValidadorXraZQ-");
    }
    return quantidade;
}

}  // namespace

class JanelaTest : public QObject {
    Q_OBJECT

private slots:
    void primeiraAtivacaoPropoeMesAnteriorComFinalidadeNormal() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        QCOMPARE(ambiente.Janela().Periodo(), QStringLiteral("2017-05"));
        QCOMPARE(ambiente.Controle<QLineEdit>("edtPeriodo")->text(), QStringLiteral("2017-05"));
        QVERIFY(ambiente.Controle<QCheckBox>("chkNormal")->isChecked());
        QVERIFY(ambiente.Controle<QCheckBox>("chkRetificadora")->isEnabled());
        QVERIFY(!ambiente.Controle<QCheckBox>("chkRetificadora")->isChecked());
        QCOMPARE(ambiente.Controle<QTabWidget>("abas")->currentIndex(), 0);
        QVERIFY(ambiente.Janela().windowTitle().startsWith(QStringLiteral("Validador XAR-ZQ (Versão ")));
        QVERIFY(ambiente.caixas.empty());
    }

    void semBibliotecaMostraOErroEEncerra() {
        Ambiente ambiente(false);
        QSignalSpy encerrar(&ambiente.Janela(), &TFormValidadorXraZQ::Encerrar);
        ambiente.Janela().show();
        QTRY_COMPARE(encerrar.count(), 1);
        QVERIFY(!ambiente.Janela().isVisible());
        QCOMPARE(ambiente.caixas.size(), std::size_t{1});
        QCOMPARE(ambiente.caixas[0].Tipo, TTipoCaixa::Erro);
        QCOMPARE(ambiente.caixas[0].Titulo, QStringLiteral("Validador XAR-ZQ - Erro"));
        QVERIFY(ambiente.caixas[0].Texto.startsWith(
            QStringLiteral("DLL de pós-validação Sintegra não localizada na pasta do 'Validador XRA-ZQ': "
                           "'libMorvanta.so'.")));
    }

    void periodoDigitado_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QString>("erro");
        QTest::newRow("outro mês, sem declarações") << "201704" << 0 << "";
        QTest::newRow("mês das declarações") << "201705" << 1 << "";
        QTest::newRow("mês futuro") << "201707" << 1 << "Período futuro (2017-07), posterior a 2017-06";
        QTest::newRow("mês inválido") << "201713" << 1 << "Período inválido (2017-13): ano e/ou mês incorreto(s)";
    }

    // The sixth digit validates and filters without leaving the box; a rejected period keeps the focus in it.
    void periodoDigitado() {
        QFETCH(QString, digitado);
        QFETCH(int, linhas);
        QFETCH(QString, erro);
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        QCOMPARE(ambiente.LinhasSelecao(), 1);

        ambiente.DigitarPeriodo(digitado.left(5));
        QVERIFY(ambiente.caixas.empty());
        QCOMPARE(ambiente.LinhasSelecao(), 1);  // five digits: nothing yet
        QTest::keyClick(ambiente.Controle<QLineEdit>("edtPeriodo"), digitado.back().toLatin1());

        QCOMPARE(ambiente.LinhasSelecao(), linhas);
        QVERIFY(ambiente.Controle<QLineEdit>("edtPeriodo")->hasFocus());
        if (erro.isEmpty()) {
            QVERIFY(ambiente.caixas.empty());
        } else {
            QCOMPARE(ambiente.caixas.size(), std::size_t{1});
            QCOMPARE(ambiente.caixas[0].Tipo, TTipoCaixa::Erro);
            QCOMPARE(ambiente.caixas[0].Texto, erro);
        }
    }

    void periodoVazioNoRegimeNormalAvisaEFiltraSemPeriodo() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        ambiente.DigitarPeriodo(QStringLiteral("201704"));
        QCOMPARE(ambiente.LinhasSelecao(), 0);
        int linhasNoAviso = -1;
        ambiente.aoMostrar = [&](const TCaixaPedida&) { linhasNoAviso = ambiente.LinhasSelecao(); };

        auto* periodo = ambiente.Controle<QLineEdit>("edtPeriodo");
        periodo->selectAll();
        QTest::keyClick(periodo, Qt::Key_Delete);

        QCOMPARE(ambiente.Textos(), QStringList{kAvisoNormal});
        QCOMPARE(ambiente.caixas[0].Tipo, TTipoCaixa::Simples);
        QCOMPARE(ambiente.caixas[0].Titulo, QStringLiteral("Validador XAR-ZQ"));
        QCOMPARE(linhasNoAviso, 0);              // the message first,
        QCOMPARE(ambiente.LinhasSelecao(), 1);  // then the filter over every period
        QVERIFY(ambiente.Janela().Periodo().isEmpty() || ambiente.Janela().Periodo() == QStringLiteral("-"));
    }

    // Closing a real message box gives the window its activation back without restoring the stored period.
    void caixaRealFechadaMantemOPeriodoDigitado() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        DefinirRespondedor({});
        QTimer fechar;
        QStringList vistas;
        QObject::connect(&fechar, &QTimer::timeout, [&] {
            if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vistas << caixa->text();
                caixa->accept();
            }
        });
        fechar.start(20);
        auto* periodo = ambiente.Controle<QLineEdit>("edtPeriodo");
        periodo->setFocus();
        periodo->selectAll();
        QTest::keyClick(periodo, Qt::Key_Delete);
        QTRY_VERIFY(QApplication::activeWindow() == nullptr);  // the box is gone, nothing active
        ambiente.Janela().activateWindow();  // as the desktop does then
        QTRY_VERIFY(ambiente.Janela().isActiveWindow());
        QCOMPARE(vistas, QStringList{kAvisoNormal});
        QCOMPARE(Digitos(ambiente.Janela().Periodo()), 0);
        QCOMPARE(ambiente.LinhasSelecao(), 1);
    }

    void salvarSoComDeclaracoesSelecionadas() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        auto* salvar = ambiente.Controle<QPushButton>("btnSalvar");
        auto* relatorio = ambiente.Controle<QPushButton>("btnRelatorio");
        QVERIFY(!salvar->isEnabled());
        ambiente.Escolher(kPastaMidias, "edtPastaMidias");  // regime Simples Nacional: nothing selected
        QCOMPARE(ambiente.LinhasSelecao(), 0);
        QVERIFY(!salvar->isEnabled());
        QVERIFY(!relatorio->isEnabled());
        QTest::mouseClick(salvar, Qt::LeftButton);
        QVERIFY(ambiente.caixas.empty());

        QTest::mouseClick(ambiente.Controle<QRadioButton>("rbRegimeNormal"), Qt::LeftButton);
        QVERIFY(salvar->isEnabled());
        QVERIFY(relatorio->isEnabled());

        ambiente.respostas = {true};
        QTest::mouseClick(ambiente.Controle<TNavegador>("navSelecao")->Excluir(), Qt::LeftButton);
        QCOMPARE(ambiente.LinhasSelecao(), 0);
        QVERIFY(!salvar->isEnabled());
        QVERIFY(!relatorio->isEnabled());
    }

    void navegadorMoveSemPerguntarEExcluiAposConfirmar() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        QTest::mouseClick(ambiente.Controle<QCheckBox>("chkRetificadora"), Qt::LeftButton);
        QCOMPARE(ambiente.LinhasSelecao(), 2);
        auto* navegador = ambiente.Controle<TNavegador>("navSelecao");
        auto* grade = ambiente.Controle<QTableView>("gradeSelecao");
        QCOMPARE(grade->currentIndex().row(), 0);

        QTest::mouseClick(navegador->Proximo(), Qt::LeftButton);
        QCOMPARE(grade->currentIndex().row(), 1);
        QCOMPARE(navegador->Rotulo()->text(), QStringLiteral("Registro 2 de 2"));
        QVERIFY(ambiente.caixas.empty());

        ambiente.respostas = {false};
        QTest::mouseClick(navegador->Excluir(), Qt::LeftButton);
        QCOMPARE(ambiente.Textos(), QStringList{QStringLiteral("Confirma exclusão do registro?")});
        QCOMPARE(ambiente.caixas[0].Tipo, TTipoCaixa::Confirmacao);
        QVERIFY(!ambiente.caixas[0].PadraoSim);
        QCOMPARE(ambiente.LinhasSelecao(), 2);

        ambiente.respostas = {true};
        QTest::mouseClick(navegador->Excluir(), Qt::LeftButton);
        QCOMPARE(ambiente.LinhasSelecao(), 1);
        QCOMPARE(ambiente.Dm().tblSelecao.Linhas()[0].Finalidade, std::string("N"));  // the R row left
    }

    void fecharPreviaRestauraPeriodoEFinalidadesDaPrimeiraAtivacao() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        QTest::mouseClick(ambiente.Controle<QCheckBox>("chkRetificadora"), Qt::LeftButton);
        ambiente.DigitarPeriodo(QStringLiteral("201704"));
        QCOMPARE(ambiente.LinhasSelecao(), 0);
        ambiente.DigitarPeriodo(QStringLiteral("201705"));
        QCOMPARE(ambiente.LinhasSelecao(), 2);
        QVERIFY(ambiente.Janela().FinalidadeRetificadora());

        QTest::mouseClick(ambiente.Controle<QPushButton>("btnRelatorio"), Qt::LeftButton);

        QCOMPARE(ambiente.relatorios.previas, 1);
        QCOMPARE(ambiente.Janela().Periodo(), QStringLiteral("2017-05"));
        QVERIFY(!ambiente.Janela().FinalidadeRetificadora());
        QVERIFY(!ambiente.Controle<QCheckBox>("chkRetificadora")->isChecked());
        QCOMPARE(ambiente.LinhasSelecao(), 1);  // filtered again with the restored purposes
    }

    void gradeDaSelecaoAbreORelatorioSoQuandoHaSelecao() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        auto* grade = ambiente.Controle<QTableView>("gradeSelecao");
        const QRect celula = grade->visualRect(grade->model()->index(0, 0));
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        QCOMPARE(ambiente.relatorios.previas, 1);
    }

    // The real report of the current declaration in its print preview, closed by the user.
    void relatorioDeConferenciaNaPrevia() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        int paginas = -1;
        QTimer::singleShot(0, [&] {
            auto* previa = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (previa == nullptr) return;
            QTRY_VERIFY(previa->findChild<QPrintPreviewWidget*>()->pageCount() > 0);
            paginas = previa->findChild<QPrintPreviewWidget*>()->pageCount();
            previa->reject();
        });
        TRelatoriosJanela().Conferencia(ambiente.Dm(), &ambiente.Janela());
        QVERIFY(ambiente.caixas.empty());
        QVERIFY(paginas > 0);
    }

    void sfnSemRecibos_data() {
        QTest::addColumn<int>("identificador");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("identificador 14") << 14 << false;
        QTest::newRow("identificador 12") << 12 << true;
        QTest::newRow("identificador 16") << 16 << true;
    }

    // The labels are filled first; an old identifier then gives its error and no panel.
    void sfnSemRecibos() {
        QFETCH(int, identificador);
        QFETCH(bool, aceito);
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        const fs::path sfn = ambiente.Pasta() / "GIM201705.sfn";
        GravarArquivo(sfn, Sfn(identificador, "01052017", {"161234569", "161234577"}));
        QTest::mouseClick(ambiente.Controle<QTabWidget>("abas")->tabBar(), Qt::LeftButton, {},
                          ambiente.Controle<QTabWidget>("abas")->tabBar()->tabRect(2).center());
        QCOMPARE(ambiente.caixas.size(), std::size_t{1});  // the delivery notice of the tab
        QVERIFY(ambiente.caixas[0].Texto.startsWith(QStringLiteral("A Secretaria de Estado da Receita informa:")));
        ambiente.caixas.clear();
        QString declaracoesNoErro;
        ambiente.aoMostrar = [&](const TCaixaPedida&) {
            declaracoesNoErro = ambiente.Controle<QLabel>("lblDeclaracoes")->text();
        };

        ambiente.Escolher(QString::fromStdString(sfn.string()), "edtSfn");

        const QString declaracoes = QStringLiteral("Declarações - [Tipo: GIM 2017-05]     [Quantidade: 2]");
        QCOMPARE(ambiente.Controle<QLabel>("lblDeclaracoes")->text(), declaracoes);
        QVERIFY(ambiente.Controle<QLabel>("lblArquivo")->text().startsWith(
            QStringLiteral("Arquivo - [Tamanho: %1 bytes]     [Data/Hora de geração: ").arg(fs::file_size(sfn))));
        QVERIFY(ambiente.Controle<QWidget>("painelRecibos")->isHidden());
        QCOMPARE(ambiente.Controle<QPushButton>("btnTransmitir")->isHidden(), !aceito);
        QCOMPARE(ambiente.Controle<QWidget>("painelRegistros")->isHidden(), !aceito);
        QVERIFY(!ambiente.Controle<QPushButton>("btnTransmitir")->isEnabled());
        if (aceito) {
            QVERIFY(ambiente.caixas.empty());
            QCOMPARE(ambiente.Controle<QTableView>("gradeRegistros")->model()->rowCount(), 2);
            return;
        }
        QCOMPARE(ambiente.caixas.size(), std::size_t{1});
        QCOMPARE(declaracoesNoErro, declaracoes);
        QCOMPARE(ambiente.caixas[0].Texto,
                 QStringLiteral("Arquivo NoldeNet com identificador inválido, gerado por uma versão desatualizada do "
                                "'Validador Nolde/XRA-ZQ'.\n     Nome do arquivo: 'GIM201705.sfn'\n     Identificador: "
                                "14\n\nA fim de poder efetuar o envio de declarações normais via internet, gere "
                                "novamente o arquivo de transmissão.\n\nAs declarações retificadoras só poderão ser "
                                "apresentadas na Repartição Fiscal."));
    }

    // Three receipts: the check-box column, "Todos" and the two print buttons follow the chosen count.
    void recibosEscolhidosETodos() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        const fs::path sfn = ambiente.Pasta() / "GIM201512.sfn";
        std::vector<std::string> registros;
        int i = 0;
        for (const char* inscricao : {"161111110", "162222220", "163333330"}) {
            const fs::path txt = ambiente.Pasta() / ("d" + std::to_string(i++) + ".txt");
            zq::teste::DeclaracaoTeste declaracao;
            declaracao.inscricao = inscricao;
            declaracao.periodo = "201512";
            GravarArquivo(txt, declaracao.Bytes());
            registros.push_back(R"({"ie": ")" + std::string(inscricao) + R"(", "txt": ")" + txt.string() + R"("})");
        }
        zq::teste::EscreverTransmissao(R"({"sfn": ")" + sfn.string() + R"(", "id": 15, "periodo": "01122015", )" +
                                       R"("registros": [)" + registros[0] + "," + registros[1] + "," + registros[2] +
                                       R"(], "recibos": [{"ie": "161111110", "registro": 0}, )" +
                                       R"({"ie": "162222220", "registro": 1}, {"ie": "163333330", "registro": 2}]})");
        ambiente.Controle<QTabWidget>("abas")->setCurrentIndex(2);
        ambiente.caixas.clear();
        ambiente.Escolher(QString::fromStdString(sfn.string()), "edtSfn");
        QVERIFY(ambiente.caixas.empty());

        auto* grade = ambiente.Controle<QTableView>("gradeRecibos");
        auto* todos = ambiente.Controle<QCheckBox>("chkTodos");
        auto* comprovantes = ambiente.Controle<QPushButton>("btnImprimirComprovantes");
        auto* conferencia = ambiente.Controle<QPushButton>("btnRelatorioConferencia");
        QVERIFY(!ambiente.Controle<QWidget>("painelRecibos")->isHidden());
        QVERIFY(comprovantes->hasFocus());
        QCOMPARE(grade->model()->rowCount(), 3);
        QVERIFY(todos->isChecked());
        QVERIFY(comprovantes->isEnabled() && conferencia->isEnabled());

        const auto clicarMarca = [&](int linha) {
            QTest::mouseClick(grade->viewport(), Qt::LeftButton, {},
                              grade->visualRect(grade->model()->index(linha, 0)).center());
        };
        clicarMarca(1);
        QCOMPARE(ambiente.Dm().QuantidadeEscolhidos(), 2);
        QCOMPARE(grade->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int{Qt::Unchecked});
        QVERIFY(!todos->isChecked());
        QVERIFY(comprovantes->isEnabled());

        QTest::mouseClick(todos, Qt::LeftButton);  // all again
        QCOMPARE(ambiente.Dm().QuantidadeEscolhidos(), 3);
        QTest::mouseClick(todos, Qt::LeftButton);  // none
        QCOMPARE(ambiente.Dm().QuantidadeEscolhidos(), 0);
        QVERIFY(!comprovantes->isEnabled() && !conferencia->isEnabled());

        clicarMarca(2);
        ambiente.Controle<TCampoArquivo>("edtSfn")->Caixa()->setText(
            QStringLiteral("\"%1\"").arg(QString::fromStdString(sfn.string())));
        QTest::mouseClick(comprovantes, Qt::LeftButton);
        QTest::mouseClick(conferencia, Qt::LeftButton);
        QCOMPARE(ambiente.relatorios.recibos.size(), std::size_t{2});
        QCOMPARE(ambiente.relatorios.recibos[0].sfn, sfn.string());  // the quotes around the path are dropped
        QVERIFY(ambiente.relatorios.recibos[0].comprovantes);
        QVERIFY(!ambiente.relatorios.recibos[1].comprovantes);
        QCOMPARE(ambiente.relatorios.recibos[0].escolhidos, 1);
    }

    void zipDeRecibosListaSeusPdfs() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        const fs::path zip = ambiente.Pasta() / "recibos.zip";
        zq::teste::GravarZipComNomes(zip, {{"b.pdf", "%PDF b"}, {"A.PDF", "%PDF a"}, {"leia.txt", "x"}}, "");
        auto* imprimir = ambiente.Controle<QPushButton>("btnImprimirRecibo");
        QVERIFY(!imprimir->isEnabled());
        ambiente.Escolher(QString::fromStdString(zip.string()), "edtZipRecibos");
        auto* lista = ambiente.Controle<QListWidget>("lstPdfs");
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->item(0)->text(), QStringLiteral("A.PDF"));
        QCOMPARE(lista->item(1)->text(), QStringLiteral("b.pdf"));
        QVERIFY(imprimir->isEnabled());
        QCOMPARE(ambiente.Controle<TCampoArquivo>("edtZipRecibos")->Texto(), QString::fromStdString(zip.string()));
    }

    void validadorInexistenteNaoExecuta() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        QCOMPARE(ambiente.Controle<TCampoArquivo>("edtValidador")->Texto(), QStringLiteral("< não informado >"));
        QTest::mouseClick(ambiente.Controle<QPushButton>("btnExecutaValidador"), Qt::LeftButton);
        QCOMPARE(ambiente.Textos(), QStringList{QStringLiteral("Programa Validador Sintegra não localizado!")});
        QCOMPARE(ambiente.Controle<QTabWidget>("abas")->currentIndex(), 0);
    }

    void creditosRolamSoComASobreVisivel() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        auto* creditos = ambiente.Controle<TCreditosRolantes>("pnlCreditos");
        QVERIFY(!creditos->Rolando());
        ambiente.Controle<QTabWidget>("abas")->setCurrentIndex(4);
        QVERIFY(creditos->Rolando());
        const int inicio = creditos->Deslocamento();
        QTRY_VERIFY(creditos->Deslocamento() != inicio);
        ambiente.Controle<QTabWidget>("abas")->setCurrentIndex(0);
        QVERIFY(!creditos->Rolando());
    }

    // What the boxes hold goes back into the configuration when the window ends; an empty box keeps the old value.
    void janelaDestruidaGuardaAsPastasNaConfiguracao() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        const std::string zipAnterior = ambiente.Configuracao().NomeArqRecibosColetoria;
        ambiente.Escolher(kPastaMidias, "edtPastaMidias");
        const fs::path destino = ambiente.Pasta() / "coletoria";
        ambiente.Escolher(QString::fromStdString(destino.string()), "edtPastaDeclaracoes");
        ambiente.Controle<TCampoArquivo>("edtSfn")->Caixa()->setText(QStringLiteral("/dados/GIM.sfn"));
        ambiente.DestruirJanela();
        QCOMPARE(ambiente.Configuracao().PastaSintegra, kPastaMidias.toStdString() + "/");
        QCOMPARE(ambiente.Configuracao().PastaColetoria, destino.string() + "/");
        QCOMPARE(ambiente.Configuracao().NomeArqInternet, std::string("/dados/GIM.sfn"));
        QCOMPARE(ambiente.Configuracao().NomeArqRecibosColetoria, zipAnterior);
    }

    void salvar_data() {
        QTest::addColumn<bool>("criarPasta");
        QTest::newRow("cria a pasta") << true;
        QTest::newRow("não cria a pasta") << false;
    }

    void salvar() {
        QFETCH(bool, criarPasta);
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();
        const fs::path destino = ambiente.Pasta() / "coletoria";
        ambiente.Escolher(QString::fromStdString(destino.string()), "edtPastaDeclaracoes");
        ambiente.respostas = {true, criarPasta};

        QTest::mouseClick(ambiente.Controle<QPushButton>("btnSalvar"), Qt::LeftButton);

        const QStringList textos = ambiente.Textos();
        QCOMPARE(textos.value(0), QStringLiteral("Confirma a geração do arquivo de transmissão para a declaração relacionada?"));
        QVERIFY(ambiente.caixas[0].PadraoSim);
        QCOMPARE(textos.value(1), QStringLiteral("A pasta do arquivo de declarações não existe. Deseja criá-la?"));
        QVERIFY(!ambiente.Controle<QPushButton>("btnSalvar")->isHidden());
        if (!criarPasta) {
            QCOMPARE(textos.size(), 2);
            QVERIFY(!fs::exists(destino));
            return;
        }
        QCOMPARE(textos.size(), 4);
        QVERIFY(textos[2].startsWith(QStringLiteral("Arquivo de declarações gerado com sucesso!\n     Tipo: Entrega via "
                                                    "XAR Virtual\n     Nome: '")));
        QVERIFY(textos[3].startsWith(QStringLiteral("A Secretaria de Estado da Receita informa:")));
        int arquivos = 0;
        for (const auto& entrada : fs::directory_iterator(destino)) arquivos += entrada.path().extension() == ".atfgim";
        QCOMPARE(arquivos, 1);
    }

    void enterPassaAoProximoControleMenosEmBotoes() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.Controle<QTabWidget>("abas")->setCurrentIndex(1);
        auto* periodo = ambiente.Controle<QLineEdit>("edtPeriodo");
        periodo->setFocus();
        QTest::keyClick(periodo, Qt::Key_Return);
        QVERIFY(!periodo->hasFocus());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ambiente.Controle<QCheckBox>("chkNormal")));

        auto* normal = ambiente.Controle<QCheckBox>("chkNormal");
        QTest::keyClick(normal, Qt::Key_Return);
        QVERIFY(normal->hasFocus());
    }

    void naoSelecionadasMostraOsMotivos() {
        Ambiente ambiente;
        QVERIFY(ambiente.Mostrar());
        ambiente.AbrirExemplos();  // the rectifying one is left out
        bool mostrada = false;
        QTimer::singleShot(0, [&] {
            auto* janela = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(janela != nullptr);
            QCOMPARE(janela->windowTitle(), QStringLiteral("Motivos para não seleção das declarações"));
            auto* grade = janela->findChild<QTableView*>();
            QCOMPARE(grade->model()->rowCount(), 1);
            QVERIFY(!janela->findChild<QPlainTextEdit*>(QStringLiteral("memMotivo"))->toPlainText().isEmpty());
            mostrada = true;
            janela->accept();
        });
        QTest::mouseClick(ambiente.Controle<QPushButton>("btnNaoSelecionadas"), Qt::LeftButton);
        QVERIFY(mostrada);
    }

    void caixaDePerguntaTemBotoesEPadraoDoPrograma_data() {
        QTest::addColumn<bool>("padraoSim");
        QTest::newRow("padrão Não") << false;
        QTest::newRow("padrão Sim") << true;
    }

    // The real box: caption, buttons and default; Enter answers the default.
    void caixaDePerguntaTemBotoesEPadraoDoPrograma() {
        QFETCH(bool, padraoSim);
        QWidget fundo;
        fundo.show();
        QVERIFY(QTest::qWaitForWindowActive(&fundo));
        QStringList botoes;
        QString titulo;
        QTimer::singleShot(0, [&] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(caixa != nullptr);
            titulo = caixa->windowTitle();
            for (auto* botao : caixa->buttons()) botoes << botao->text();
            QTest::keyClick(caixa, Qt::Key_Return);
        });
        const bool resposta = TCaixas::Programa().Pergunta(QStringLiteral("Pergunta?"), padraoSim);
        QCOMPARE(resposta, padraoSim);
        QCOMPARE(titulo, QStringLiteral("Validador XAR-ZQ - Confirmação"));
        botoes.sort();
        QCOMPARE(botoes, (QStringList{QStringLiteral("&Não"), QStringLiteral("&Sim")}));
    }

    void segundaInstanciaChamaAPrimeira() {
        PastaTeste pasta;
        const QString trava = QString::fromStdString(pasta.Caminho().string());
        TInstanciaUnica primeira(QStringLiteral("ZqTesteInstancia"), trava);
        QVERIFY(primeira.Primeira());
        QSignalSpy mostrar(&primeira, &TInstanciaUnica::MostrarPedido);
        TInstanciaUnica segunda(QStringLiteral("ZqTesteInstancia"), trava);
        QVERIFY(!segunda.Primeira());
        QTRY_COMPARE(mostrar.count(), 1);
    }

    // The real program started twice: the second ends at once and makes no work folder of its own.
    void segundoProgramaTerminaSemPastaDeTrabalho() {
        PastaTeste pasta;
        const fs::path bin = std::getenv("ZQ_BIN_DIR");
        const fs::path programa = pasta / "programa";
        fs::create_directories(programa);
        fs::copy_file(bin / "ValidadorXraZQ", programa / "ValidadorXraZQ");
        fs::copy_file(bin / "libMorvanta.so", programa / "libMorvanta.so");
        fs::create_directories(pasta / "tmp");
        fs::create_directories(pasta / "run");
        fs::permissions(pasta / "run", fs::perms::owner_all, fs::perm_options::replace);

        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("TMPDIR"), QString::fromStdString((pasta / "tmp").string()));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString((pasta / "run").string()));
        ambiente.insert(QStringLiteral("ZQ_REGISTRO"), QString::fromStdString((pasta / "registro.reg").string()));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QString executavel = QString::fromStdString((programa / "ValidadorXraZQ").string());

        QProcess primeira;
        primeira.setProcessEnvironment(ambiente);
        primeira.start(executavel, {});
        QVERIFY(primeira.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(PastasDeTrabalho(pasta / "tmp"), 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(pasta / "run" / QStringLiteral("%1.lock").arg(NomeInstancia("ValidadorXraZQ")).toStdString()), 20000);

        QProcess segunda;
        segunda.setProcessEnvironment(ambiente);
        segunda.start(executavel, {});
        QVERIFY(segunda.waitForFinished(20000));
        QCOMPARE(segunda.exitStatus(), QProcess::NormalExit);
        QCOMPARE(segunda.exitCode(), 0);
        QCOMPARE(PastasDeTrabalho(pasta / "tmp"), 1);
        QCOMPARE(primeira.state(), QProcess::Running);

        primeira.terminate();
        QVERIFY(primeira.waitForFinished(20000));
        QCOMPARE(PastasDeTrabalho(pasta / "tmp"), 0);
    }
};

QTEST_MAIN(JanelaTest)
#include "JanelaTest.moc"
