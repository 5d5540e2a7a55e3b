#include "main-window/FormValidadorXraZQ.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QFileDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <filesystem>

#include "main-window/CaixasMensagem.h"
#include "main-window/CampoArquivo.h"
#include "main-window/CreditosRolantes.h"
#include "main-window/EnterComoTab.h"
#include "main-window/JanelaNaoSelecionadas.h"
#include "main-window/ModeloTabela.h"
#include "main-window/Navegador.h"
#include "main-window/TextoQt.h"
#include "platform/Plataforma.h"
#include "platform/Processos.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Periodos.h"
#include "selection/transmissao/ArqDadosNoldeNet.h"
#include "selection/transmissao/ArquivoGimAtf.h"
#include "selection/validador/ProgramaValidadorSintegra.h"
#include "selection/varredura/DataHoraArquivo.h"

// The images of the window live in the static library: its resources are registered by hand.
static void IniciarRecursos() { Q_INIT_RESOURCE(recursos); }

namespace zq::janela {
namespace {

constexpr int kDuracaoDica = 10000;
const QString kNaoInformado = QStringLiteral("< não informado >");
const QString kMascaraGim = QStringLiteral("0000-00;_");
const QString kMascaraDadosAnuais = QStringLiteral("0000;_");

const QString kDicaPeriodo = QStringLiteral(
    "Período das declarações que deseja apresentar.\n\n     Para arquivos do Tipo XAR Virtual, esse campo pode ser "
    "deixado em branco,\npermitindo a apresentação de declarações de mais de um período de referência.");
const QString kDicaPastaMidias = QStringLiteral(
    "Pasta dos arquivos gerados pela opção \"Gerar Mídia\" do Validador Sintegra:\n"
    "arquivos ZIP cujos nomes começam pelo CNPJ do declarante.\n"
    "Todas as declarações encontradas nessa pasta são listadas abaixo,\n"
    "conforme as opções de declaração, período, finalidade e regime.");

QFont Negrito(QFont fonte) {
    fonte.setBold(true);
    return fonte;
}

QGroupBox* Grupo(const QString& titulo, QWidget* pai) {
    auto* grupo = new QGroupBox(titulo, pai);
    return grupo;
}

QTableView* Grade(QWidget* pai, const QString& nome) {
    auto* grade = new QTableView(pai);
    grade->setObjectName(nome);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->verticalHeader()->setDefaultSectionSize(grade->fontMetrics().height() + 6);
    grade->verticalHeader()->hide();
    grade->horizontalHeader()->setStretchLastSection(true);
    grade->setAlternatingRowColors(true);
    return grade;
}

bool PastaExiste(const QString& pasta) {
    std::error_code erro;
    return !pasta.isEmpty() && std::filesystem::is_directory(CaminhoNativo(ParaNucleo(pasta)), erro);
}

bool ArquivoExiste(const QString& arquivo) {
    std::error_code erro;
    return !arquivo.isEmpty() && std::filesystem::is_regular_file(CaminhoNativo(ParaNucleo(arquivo)), erro);
}

int Digitos(const QString& texto) {
    return static_cast<int>(std::count_if(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); }));
}

QString PastaDe(const std::string& arquivo) {
    return DoNucleo(CaminhoCp1252(CaminhoNativo(arquivo).parent_path()));
}

// Keeps the wait cursor for the life of the object.
class TCursorEspera {
public:
    TCursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursorEspera() { QApplication::restoreOverrideCursor(); }
    TCursorEspera(const TCursorEspera&) = delete;
    TCursorEspera& operator=(const TCursorEspera&) = delete;
};

template <class TLinha>
TModeloTabela<TLinha>* Modelo(TTabelaMemoria<TLinha>& tabela, const std::vector<std::string>& colunas,
                               QObject* pai) {
    return new TModeloTabela<TLinha>(tabela, colunas, pai);
}

// Puts the grid on the row of the table's cursor after the table changed.
template <class TLinha>
void Sincronizar(QTableView* grade, TModeloTabelaBase* modelo, TTabelaMemoria<TLinha>& tabela) {
    modelo->Recarregar();
    if (!tabela.Vazia()) {
        grade->setCurrentIndex(modelo->index(static_cast<int>(std::min(tabela.Posicao(), tabela.Quantidade() - 1)), 0));
    }
}

// Every column as wide as its texts, but the one given takes the room left (and elides when there is none).
void AjustarColunas(QTableView* grade, const TModeloTabelaBase* modelo, const QString& elastica) {
    QHeaderView* cabecalho = grade->horizontalHeader();
    cabecalho->setStretchLastSection(false);
    cabecalho->setSectionResizeMode(QHeaderView::ResizeToContents);
    const int coluna = modelo->Coluna(elastica);
    if (coluna >= 0) cabecalho->setSectionResizeMode(coluna, QHeaderView::Stretch);
}

}  // namespace

QString VersaoDoPrograma() {
    const auto versao = PlataformaAtual().VersaoDoArquivo(PlataformaAtual().CaminhoProgramaEmExecucao());
    return DoNucleo(versao.value_or("1.0.0.0"));
}

QString DataDoArquivo(const std::string& arquivo) {
    const auto instante = DataHoraArquivo(arquivo);
    if (!instante) return {};
    return DoNucleo(TextoDataHora(*instante)).left(10);
}

template <class F>
bool TFormValidadorXraZQ::Proteger(F&& fluxo) {
    try {
        fluxo();
        return true;
    } catch (const std::exception& erro) {
        TCaixas::Programa().Erro(MensagemDe(erro));
        return false;
    }
}

TFormValidadorXraZQ::TFormValidadorXraZQ(TConfigValidadorXra& configuracao, TDmValidador& dm,
                                         TRelatorios& relatorios, QWidget* pai)
    : QMainWindow(pai),
      configuracao_(configuracao),
      dm_(dm),
      relatorios_(relatorios),
      recibosColetoria_(configuracao.PastaTrabalho()) {
    IniciarRecursos();
    setObjectName(QStringLiteral("FormValidadorXraZQ"));
    const QString versao = VersaoDoPrograma();
    setWindowTitle(QStringLiteral("%1 (Versão %2)").arg(TCaixas::kTituloAplicacao, versao));
    setWindowIcon(QIcon(QStringLiteral(":/validador-xra-zq.svg")));

    auto* central = new QWidget(this);
    auto* coluna = new QVBoxLayout(central);
    auto* faixa = new QLabel(central);
    faixa->setObjectName(QStringLiteral("imgFaixa"));
    faixa->setPixmap(QIcon(QStringLiteral(":/faixa.svg")).pixmap(QSize(920, 64)));
    faixa->setAlignment(Qt::AlignCenter);
    coluna->addWidget(faixa);

    abas_ = new QTabWidget(central);
    abas_->setObjectName(QStringLiteral("abas"));
    abas_->addTab(CriarAbaSintegra(), QStringLiteral("&Sintegra"));
    abas_->addTab(CriarAbaGeracao(), QStringLiteral("&Geração"));
    abas_->addTab(CriarAbaInternet(), QStringLiteral("&Internet"));
    abas_->addTab(CriarAbaXarVirtual(), QStringLiteral("&XARVirtual"));
    abas_->addTab(CriarAbaSobre(), QStringLiteral("So&bre"));
    coluna->addWidget(abas_, 1);

    btnFechar_ = new QPushButton(QStringLiteral("&Fechar"), central);
    btnFechar_->setObjectName(QStringLiteral("btnFechar"));
    connect(btnFechar_, &QPushButton::clicked, this, &QWidget::close);
    coluna->addWidget(btnFechar_, 0, Qt::AlignRight);
    setCentralWidget(central);
    statusBar()->setSizeGripEnabled(false);

    new TkEnterAsTab(this);
    for (QWidget* controle : findChildren<QWidget*>()) {
        if (!controle->toolTip().isEmpty()) {
            controle->setToolTipDuration(kDuracaoDica);
            if (controle->statusTip().isEmpty()) controle->setStatusTip(controle->toolTip().split('\n').first());
        }
    }

    connect(abas_, &QTabWidget::currentChanged, this, [this](int aba) {
        if (abas_->widget(aba) == edtSfn_->parentWidget()) AvisoEntrega();
    });

    // Boxes from the configuration; the dialogs start where the last choices were.
    edtPastaMidias_->DefinirTexto(DoNucleo(configuracao_.PastaSintegra));
    edtPastaDeclaracoes_->DefinirTexto(DoNucleo(configuracao_.PastaColetoria));
    edtValidador_->DefinirTexto(DoNucleo(configuracao_.ValidadorSintegra));
    edtSfn_->DefinirInicio(PastaDe(configuracao_.NomeArqInternet));
    edtZipRecibos_->DefinirInicio(PastaDe(configuracao_.NomeArqRecibosColetoria));
    lblVersaoPrograma_->setText(QStringLiteral("Validador XRA-ZQ - Versão %1 - %2")
                                    .arg(versao, DataDoArquivo(CaminhoCp1252(
                                                     PlataformaAtual().CaminhoProgramaEmExecucao()))));
    abas_->setCurrentIndex(0);

    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(960, 720);
    setFixedSize(size());
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        move(tela->availableGeometry().center() - rect().center());
    }
}

TFormValidadorXraZQ::~TFormValidadorXraZQ() {
    ApagarPasta(recibosColetoria_.Pasta(), false);
    configuracao_.PastaSintegra = ParaNucleo(edtPastaMidias_->Texto());
    configuracao_.PastaColetoria = ParaNucleo(edtPastaDeclaracoes_->Texto());
    if (!edtSfn_->Texto().isEmpty()) configuracao_.NomeArqInternet = ParaNucleo(edtSfn_->Texto());
    if (!edtZipRecibos_->Texto().isEmpty()) configuracao_.NomeArqRecibosColetoria = ParaNucleo(edtZipRecibos_->Texto());
}

QWidget* TFormValidadorXraZQ::CriarAbaSintegra() {
    auto* aba = new QWidget(this);
    auto* grade = new QGridLayout(aba);
    auto* rotulo = new QLabel(QStringLiteral("Caminho completo do programa 'Validador Sintegra'"), aba);
    edtValidador_ = new TCampoArquivo({false, QStringLiteral("Localização do Validador Sintegra"),
                                       QStringLiteral("Programa Validador Sintegra (ValidadorSintegra20??*)"), {}},
                                      false, aba);
    edtValidador_->setObjectName(QStringLiteral("edtValidador"));
    btnExecutaValidador_ = new QPushButton(QStringLiteral("Executa Validador Sintegra"), aba);
    btnExecutaValidador_->setObjectName(QStringLiteral("btnExecutaValidador"));
    btnSintegraInternet_ = new QPushButton(QStringLiteral("Sintegra na internet"), aba);
    btnSintegraInternet_->setObjectName(QStringLiteral("btnSintegraInternet"));
    lblVersaoDll_ = new QLabel(aba);
    lblVersaoDll_->setObjectName(QStringLiteral("lblVersaoDll"));
    lblVersaoDll_->setFont(Negrito(lblVersaoDll_->font()));

    grade->addWidget(rotulo, 0, 0, 1, 2);
    grade->addWidget(edtValidador_, 1, 0, 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnExecutaValidador_);
    botoes->addWidget(btnSintegraInternet_);
    botoes->addStretch();
    grade->addLayout(botoes, 2, 0, 1, 2);
    grade->setRowStretch(3, 1);
    grade->addWidget(lblVersaoDll_, 4, 0, 1, 2);

    connect(edtValidador_, &TCampoArquivo::Escolhido, this, [this](const QString& caminho) {
        edtValidador_->DefinirTexto(caminho);
    });
    connect(btnExecutaValidador_, &QPushButton::clicked, this, [this] { Proteger([this] { ExecutarValidador(); }); });
    connect(btnSintegraInternet_, &QPushButton::clicked, this,
            [] { AbrirComShell(kEnderecoSintegra, "", "", EstadoJanela::Normal); });
    return aba;
}

QWidget* TFormValidadorXraZQ::CriarAbaGeracao() {
    auto* aba = new QWidget(this);
    auto* grade = new QGridLayout(aba);

    rgArquivo_ = Grupo(QStringLiteral(" &Arquivo "), aba);
    auto* arquivoLinhas = new QVBoxLayout(rgArquivo_);
    auto* rbInternet = new QRadioButton(QStringLiteral("Internet"), rgArquivo_);
    auto* rbXar = new QRadioButton(QStringLiteral("XARVirtual"), rgArquivo_);
    rbXar->setChecked(true);
    arquivoLinhas->addWidget(rbInternet);
    arquivoLinhas->addWidget(rbXar);
    rgArquivo_->setEnabled(false);

    auto* rgDeclaracao = Grupo(QStringLiteral(" &Declaração "), aba);
    auto* declaracaoLinhas = new QVBoxLayout(rgDeclaracao);
    rbGim_ = new QRadioButton(QStringLiteral("GIM"), rgDeclaracao);
    rbGim_->setObjectName(QStringLiteral("rbGim"));
    rbDadosAnuais_ = new QRadioButton(QStringLiteral("Dados Anuais"), rgDeclaracao);
    rbDadosAnuais_->setObjectName(QStringLiteral("rbDadosAnuais"));
    rbGim_->setChecked(true);
    declaracaoLinhas->addWidget(rbGim_);
    declaracaoLinhas->addWidget(rbDadosAnuais_);

    auto* gbPeriodo = Grupo(QStringLiteral(" &Período "), aba);
    gbPeriodo->setToolTip(kDicaPeriodo);
    auto* periodoLinhas = new QVBoxLayout(gbPeriodo);
    edtPeriodo_ = new QLineEdit(gbPeriodo);
    edtPeriodo_->setObjectName(QStringLiteral("edtPeriodo"));
    edtPeriodo_->setInputMask(kMascaraGim);
    edtPeriodo_->setToolTip(kDicaPeriodo);
    edtPeriodo_->setMaximumWidth(90);
    edtPeriodo_->installEventFilter(this);
    periodoLinhas->addWidget(edtPeriodo_);
    periodoLinhas->addStretch();
    gbPeriodo->setFocusProxy(edtPeriodo_);

    auto* gbFinalidade = Grupo(QStringLiteral(" &Finalidade "), aba);
    auto* finalidadeLinhas = new QVBoxLayout(gbFinalidade);
    chkNormal_ = new QCheckBox(QStringLiteral("Declaração &Normal"), gbFinalidade);
    chkNormal_->setObjectName(QStringLiteral("chkNormal"));
    chkNormal_->setChecked(true);
    chkRetificadora_ = new QCheckBox(QStringLiteral("Declaração &Retificadora"), gbFinalidade);
    chkRetificadora_->setObjectName(QStringLiteral("chkRetificadora"));
    chkRetificadora_->setEnabled(false);
    finalidadeLinhas->addWidget(chkNormal_);
    finalidadeLinhas->addWidget(chkRetificadora_);

    auto* rgRegime = Grupo(QStringLiteral(" &Regime"), aba);
    auto* regimeLinhas = new QVBoxLayout(rgRegime);
    rbRegimeNormal_ = new QRadioButton(QStringLiteral("Normal"), rgRegime);
    rbRegimeNormal_->setObjectName(QStringLiteral("rbRegimeNormal"));
    rbSimples_ = new QRadioButton(QStringLiteral("Simples Nacional"), rgRegime);
    rbSimples_->setObjectName(QStringLiteral("rbSimples"));
    rbSimples_->setChecked(true);
    regimeLinhas->addWidget(rbRegimeNormal_);
    regimeLinhas->addWidget(rbSimples_);

    auto* opcoes = new QHBoxLayout;
    for (QGroupBox* grupo : {rgArquivo_, rgDeclaracao, gbPeriodo, gbFinalidade, rgRegime}) opcoes->addWidget(grupo);
    grade->addLayout(opcoes, 0, 0, 1, 3);

    auto* lblPastaMidias = new QLabel(QStringLiteral("Pasta dos arquivos gerados pelo Validador Sintegra"), aba);
    edtPastaMidias_ = new TCampoArquivo({true, QStringLiteral("Pasta de arquivos validados pelo Sintegra"), {}, {}},
                                        false, aba);
    edtPastaMidias_->setObjectName(QStringLiteral("edtPastaMidias"));
    edtPastaMidias_->Caixa()->setToolTip(kDicaPastaMidias);
    btnAbrir_ = new QPushButton(QStringLiteral("&Abrir"), aba);
    btnAbrir_->setObjectName(QStringLiteral("btnAbrir"));
    grade->addWidget(lblPastaMidias, 1, 0, 1, 3);
    grade->addWidget(edtPastaMidias_, 2, 0, 1, 2);
    grade->addWidget(btnAbrir_, 2, 2);

    gradeSelecao_ = Grade(aba, QStringLiteral("gradeSelecao"));
    auto* modeloSelecao = Modelo(dm_.tblSelecao,
                                 {"Periodo", "Tipo", "Finalidade", "Inscricao", "RazaoSocial", "descRegApuracao",
                                  "DataHoraMidia", "VersaoSintegra"},
                                 this);
    modeloSelecao->DefinirTitulo(QStringLiteral("descRegApuracao"), QStringLiteral("Regime de apuração"));
    modeloSelecao_ = modeloSelecao;
    gradeSelecao_->setModel(modeloSelecao_);
    AjustarColunas(gradeSelecao_, modeloSelecao_, QStringLiteral("RazaoSocial"));
    gradeSelecao_->setToolTip(QStringLiteral("Declarações encontradas na pasta indicada"));
    navSelecao_ = new TNavegador(gradeSelecao_, true, aba);
    navSelecao_->setObjectName(QStringLiteral("navSelecao"));
    btnNaoSelecionadas_ = new QPushButton(QStringLiteral("Declarações não selecionadas"), aba);
    btnNaoSelecionadas_->setObjectName(QStringLiteral("btnNaoSelecionadas"));
    btnRelatorio_ = new QPushButton(QStringLiteral("Relatório de Conferência"), aba);
    btnRelatorio_->setObjectName(QStringLiteral("btnRelatorio"));
    btnRelatorio_->setEnabled(false);
    auto* barra = new QHBoxLayout;
    barra->addWidget(navSelecao_, 1);
    barra->addWidget(btnNaoSelecionadas_);
    barra->addWidget(btnRelatorio_);
    grade->addLayout(barra, 3, 0, 1, 3);
    grade->addWidget(gradeSelecao_, 4, 0, 1, 3);
    grade->setRowStretch(4, 1);

    auto* lblPastaDeclaracoes = new QLabel(QStringLiteral("Pasta para gravação do arquivo de declarações"), aba);
    edtPastaDeclaracoes_ = new TCampoArquivo(
        {true, QStringLiteral("Pasta para gravaçao do arquivo de declarações"), {}, {}}, false, aba);
    edtPastaDeclaracoes_->setObjectName(QStringLiteral("edtPastaDeclaracoes"));
    btnSalvar_ = new QPushButton(QStringLiteral("&Salvar"), aba);
    btnSalvar_->setObjectName(QStringLiteral("btnSalvar"));
    btnSalvar_->setEnabled(false);
    animacao_ = new QProgressBar(aba);
    animacao_->setObjectName(QStringLiteral("animacao"));
    animacao_->setRange(0, 0);
    animacao_->setTextVisible(false);
    animacao_->setMaximumWidth(80);
    animacao_->hide();
    grade->addWidget(lblPastaDeclaracoes, 5, 0, 1, 3);
    grade->addWidget(edtPastaDeclaracoes_, 6, 0);
    grade->addWidget(animacao_, 6, 1);
    grade->addWidget(btnSalvar_, 6, 2);
    grade->setColumnStretch(0, 1);
    // Focus in reading order: the grid sits below the buttons over it.
    QWidget::setTabOrder(btnRelatorio_, gradeSelecao_);
    QWidget::setTabOrder(gradeSelecao_, edtPastaDeclaracoes_->Caixa());

    connect(rbGim_, &QRadioButton::clicked, this, [this] {
        tipo_ = TTipoDeclaracao::Gim;
        AplicarMascaraPeriodo();
        EstadoBotoes();
        Proteger([this] { Filtrar(); });
    });
    connect(rbDadosAnuais_, &QRadioButton::clicked, this, [this] {
        tipo_ = TTipoDeclaracao::DadosAnuais;
        AplicarMascaraPeriodo();
        EstadoBotoes();
        Proteger([this] { Filtrar(); });
    });
    connect(edtPeriodo_, &QLineEdit::textChanged, this, &TFormValidadorXraZQ::PeriodoAlterado);
    connect(chkNormal_, &QCheckBox::clicked, this, [this](bool marcado) {
        normal_ = marcado;
        Proteger([this] { Filtrar(); });
    });
    connect(chkRetificadora_, &QCheckBox::clicked, this, [this](bool marcado) {
        retificadora_ = marcado;
        Proteger([this] { Filtrar(); });
    });
    connect(rbRegimeNormal_, &QRadioButton::clicked, this, [this] {
        regime_ = 1;
        if (AvisoRegimeNormal()) {
            TCaixas::Programa().Simples(QStringLiteral("Para o regime Normal, o maior período da entrega é 12/2015"));
        }
        Proteger([this] { Filtrar(); });
    });
    connect(rbSimples_, &QRadioButton::clicked, this, [this] {
        regime_ = 3;
        Proteger([this] { Filtrar(); });
    });
    connect(edtPastaMidias_, &TCampoArquivo::Escolhido, this, [this](const QString& pasta) {
        edtPastaMidias_->DefinirTexto(DoNucleo(IncluirBarra(ParaNucleo(pasta))));
        AbrirPastaMidias();
    });
    connect(btnAbrir_, &QPushButton::clicked, this, &TFormValidadorXraZQ::AbrirPastaMidias);
    connect(navSelecao_, &TNavegador::ExclusaoPedida, this, &TFormValidadorXraZQ::ExcluirDaSelecao);
    connect(gradeSelecao_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (atual.isValid()) dm_.tblSelecao.IrPara(static_cast<std::size_t>(atual.row()));
            });
    connect(gradeSelecao_, &QTableView::doubleClicked, this, [this] {
        if (btnRelatorio_->isEnabled()) RelatorioConferencia();
    });
    connect(btnRelatorio_, &QPushButton::clicked, this, &TFormValidadorXraZQ::RelatorioConferencia);
    connect(btnNaoSelecionadas_, &QPushButton::clicked, this, &TFormValidadorXraZQ::NaoSelecionadas);
    connect(edtPastaDeclaracoes_, &TCampoArquivo::Escolhido, this, [this](const QString& pasta) {
        configuracao_.PastaColetoria = NormalizarPastaConfig(ParaNucleo(pasta));
        edtPastaDeclaracoes_->DefinirTexto(DoNucleo(configuracao_.PastaColetoria));
        EstadoBotoes();
    });
    connect(btnSalvar_, &QPushButton::clicked, this, [this] { Proteger([this] { Salvar(); }); });
    return aba;
}

QWidget* TFormValidadorXraZQ::CriarAbaInternet() {
    auto* aba = new QWidget(this);
    auto* coluna = new QVBoxLayout(aba);
    auto* rotulo = new QLabel(QStringLiteral("&Nome do arquivo internet (.sfn), para TRANSMISSÃO e/ou IMPRESSÃO DE RECIBO"), aba);
    edtSfn_ = new TCampoArquivo({false, QStringLiteral("Seleção do arquivo NoldeNET"),
                                 QStringLiteral("Arquivos NoldeNET (*.sfn)"), {}},
                                true, aba);
    edtSfn_->setObjectName(QStringLiteral("edtSfn"));
    rotulo->setBuddy(edtSfn_->Caixa());
    btnTransmitir_ = new QPushButton(QStringLiteral("&Transmitir"), aba);
    btnTransmitir_->setObjectName(QStringLiteral("btnTransmitir"));
    btnTransmitir_->setEnabled(false);
    btnTransmitir_->hide();
    auto* linhaSfn = new QHBoxLayout;
    linhaSfn->addWidget(edtSfn_, 1);
    linhaSfn->addWidget(btnTransmitir_);
    lblDeclaracoes_ = new QLabel(QStringLiteral("Declarações:"), aba);
    lblDeclaracoes_->setObjectName(QStringLiteral("lblDeclaracoes"));
    lblArquivo_ = new QLabel(QStringLiteral("Arquivo: "), aba);
    lblArquivo_->setObjectName(QStringLiteral("lblArquivo"));
    coluna->addWidget(rotulo);
    coluna->addLayout(linhaSfn);
    coluna->addWidget(lblDeclaracoes_);
    coluna->addWidget(lblArquivo_);

    // Receipts panel.
    painelRecibos_ = new QWidget(aba);
    painelRecibos_->setObjectName(QStringLiteral("painelRecibos"));
    auto* recibos = new QVBoxLayout(painelRecibos_);
    recibos->setContentsMargins(0, 0, 0, 0);
    auto* tituloRecibos = new QLabel(QStringLiteral("Comprovantes de transmissão"), painelRecibos_);
    tituloRecibos->setFont(Negrito(tituloRecibos->font()));
    gradeRecibos_ = Grade(painelRecibos_, QStringLiteral("gradeRecibos"));
    gradeRecibos_->setToolTip(QStringLiteral("Marque os comprovantes de entrega \nde declaração que deseja imprimir."));
    auto* modeloRecibos = Modelo(dm_.tblNoldeNet,
                                 {"Imprimir", "Inscricao", "RazaoSocial", "Finalidade", "DataHoraRecibo", "Situacao",
                                  "CodigoRecibo"},
                                 this);
    modeloRecibos->DefinirMarcar([this](std::size_t linha, bool marcado) {
        dm_.tblNoldeNet.IrPara(linha);
        dm_.DefinirImprimir(marcado);
        EscolhidosAlterados();
    });
    modeloRecibos_ = modeloRecibos;
    gradeRecibos_->setModel(modeloRecibos_);
    AjustarColunas(gradeRecibos_, modeloRecibos_, QStringLiteral("RazaoSocial"));
    navRecibos_ = new TNavegador(gradeRecibos_, false, painelRecibos_);
    navRecibos_->setObjectName(QStringLiteral("navRecibos"));
    chkTodos_ = new QCheckBox(QStringLiteral("Todos"), painelRecibos_);
    chkTodos_->setObjectName(QStringLiteral("chkTodos"));
    btnRelatorioConferencia_ = new QPushButton(QStringLiteral("&Relatório conferência "), painelRecibos_);
    btnRelatorioConferencia_->setObjectName(QStringLiteral("btnRelatorioConferencia"));
    btnRelatorioConferencia_->setEnabled(false);
    btnImprimirComprovantes_ = new QPushButton(QStringLiteral("&Imprimir comprovantes escolhidos"), painelRecibos_);
    btnImprimirComprovantes_->setObjectName(QStringLiteral("btnImprimirComprovantes"));
    btnImprimirComprovantes_->setEnabled(false);
    auto* barraRecibos = new QHBoxLayout;
    barraRecibos->addWidget(navRecibos_, 1);
    barraRecibos->addWidget(chkTodos_);
    barraRecibos->addWidget(btnRelatorioConferencia_);
    barraRecibos->addWidget(btnImprimirComprovantes_);
    recibos->addWidget(tituloRecibos);
    recibos->addLayout(barraRecibos);
    recibos->addWidget(gradeRecibos_, 1);
    painelRecibos_->hide();

    // Records panel, in the same place.
    painelRegistros_ = new QWidget(aba);
    painelRegistros_->setObjectName(QStringLiteral("painelRegistros"));
    auto* registros = new QVBoxLayout(painelRegistros_);
    registros->setContentsMargins(0, 0, 0, 0);
    auto* tituloRegistros = new QLabel(QStringLiteral("Declarações a transmitir"), painelRegistros_);
    tituloRegistros->setFont(Negrito(tituloRegistros->font()));
    gradeRegistros_ = Grade(painelRegistros_, QStringLiteral("gradeRegistros"));
    modeloRegistros_ = Modelo(dm_.tblTransmissao, {"Inscricao", "TamanhoDados", "CodigoDados"}, this);
    gradeRegistros_->setModel(modeloRegistros_);
    AjustarColunas(gradeRegistros_, modeloRegistros_, QStringLiteral("CodigoDados"));
    navRegistros_ = new TNavegador(gradeRegistros_, false, painelRegistros_);
    registros->addWidget(tituloRegistros);
    registros->addWidget(navRegistros_);
    registros->addWidget(gradeRegistros_, 1);
    painelRegistros_->hide();

    coluna->addWidget(painelRecibos_, 1);
    coluna->addWidget(painelRegistros_, 1);
    coluna->addStretch();

    connect(edtSfn_, &TCampoArquivo::Escolhido, this, &TFormValidadorXraZQ::AbrirSfn);
    connect(gradeRecibos_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (atual.isValid()) dm_.tblNoldeNet.IrPara(static_cast<std::size_t>(atual.row()));
            });
    connect(gradeRecibos_, &QTableView::clicked, modeloRecibos_, &TModeloTabelaBase::Alternar);
    connect(gradeRecibos_, &QTableView::doubleClicked, this, [this](const QModelIndex& indice) {
        if (indice.column() != 0) ImprimirRecibo();
    });
    connect(chkTodos_, &QCheckBox::clicked, this, &TFormValidadorXraZQ::MarcarTodos);
    connect(btnImprimirComprovantes_, &QPushButton::clicked, this, [this] { ImprimirRecibos(true); });
    connect(btnRelatorioConferencia_, &QPushButton::clicked, this, [this] { ImprimirRecibos(false); });
    return aba;
}

QWidget* TFormValidadorXraZQ::CriarAbaXarVirtual() {
    auto* aba = new QWidget(this);
    auto* coluna = new QVBoxLayout(aba);
    auto* rotulo = new QLabel(
        QStringLiteral("Nome do arquivo de RECIBOS DE APRESENTAÇÃO, gerado para ser entregue via XARVIRTUAL"), aba);
    edtZipRecibos_ = new TCampoArquivo(
        {false, QStringLiteral("Seleção de arquivo de recibos"), QStringLiteral("Recibos Coletoria (*.zip *.ZIP)"), {}},
        true, aba);
    edtZipRecibos_->setObjectName(QStringLiteral("edtZipRecibos"));
    lstPdfs_ = new QListWidget(aba);
    lstPdfs_->setObjectName(QStringLiteral("lstPdfs"));
    lstPdfs_->setToolTip(QStringLiteral("Lista de recibos encontrados no arquivo de recibos\n\nPara visualizar um "
                                        "recibo, dê um duplo clique sobre o nome do mesmo."));
    btnImprimirRecibo_ = new QPushButton(QStringLiteral("&Imprimir recibo selecionado"), aba);
    btnImprimirRecibo_->setObjectName(QStringLiteral("btnImprimirRecibo"));
    btnImprimirRecibo_->setEnabled(false);
    coluna->addWidget(rotulo);
    coluna->addWidget(edtZipRecibos_);
    coluna->addWidget(lstPdfs_, 1);
    coluna->addWidget(btnImprimirRecibo_, 0, Qt::AlignRight);

    connect(edtZipRecibos_, &TCampoArquivo::Escolhido, this, &TFormValidadorXraZQ::AbrirZipRecibos);
    connect(lstPdfs_, &QListWidget::itemDoubleClicked, this, &TFormValidadorXraZQ::AbrirPdf);
    connect(btnImprimirRecibo_, &QPushButton::clicked, this, &TFormValidadorXraZQ::AbrirPdf);
    return aba;
}

QWidget* TFormValidadorXraZQ::CriarAbaSobre() {
    auto* aba = new QWidget(this);
    auto* coluna = new QVBoxLayout(aba);
    auto* brasao = new QPushButton(aba);
    brasao->setObjectName(QStringLiteral("imgBrasao"));
    brasao->setFlat(true);
    brasao->setIcon(QIcon(QStringLiteral(":/brasao.svg")));
    brasao->setIconSize(QSize(120, 140));
    brasao->setToolTip(QStringLiteral("Governo do Estado de ZQ (duplo clique)"));
    brasao->installEventFilter(this);
    creditos_ = new TCreditosRolantes(
        {QStringLiteral("Governo do Estado de ZQ"), QStringLiteral("Secretaria de Estado da Receita"),
         QStringLiteral("Receita Estadual"), QString(), QStringLiteral("Validador XRA-ZQ"),
         QStringLiteral("Geração do arquivo de declarações para a XAR Virtual"),
         QStringLiteral("Impressão de comprovantes de transmissão"), QString(),
         QStringLiteral("Atendimento ao contribuinte: www.receita.zq.gov.br")},
        aba);
    creditos_->setObjectName(QStringLiteral("pnlCreditos"));
    creditos_->setToolTip(QStringLiteral("Secretaria de Estado da Receita (duplo clique)"));
    lblVersaoPrograma_ = new QLabel(aba);
    lblVersaoPrograma_->setObjectName(QStringLiteral("lblVersaoPrograma"));
    lblVersaoPrograma_->setFont(Negrito(lblVersaoPrograma_->font()));
    auto* linha = new QHBoxLayout;
    linha->addWidget(brasao);
    linha->addWidget(creditos_, 1);
    coluna->addLayout(linha, 1);
    coluna->addWidget(lblVersaoPrograma_, 0, Qt::AlignCenter);
    connect(creditos_, &TCreditosRolantes::DuploClique, this,
            [] { AbrirComShell(kEnderecoReceita, "", "", EstadoJanela::Normal); });
    return aba;
}

// ---- activation ----

void TFormValidadorXraZQ::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        // Our own message boxes and file dialogs hand the activation back without a new activation flow:
        // the period or purposes the user just set would be lost to the stored ones at every box.
        const QWidget* ativa = QApplication::activeWindow();
        voltaDeCaixa_ = qobject_cast<const QMessageBox*>(ativa) != nullptr || qobject_cast<const QFileDialog*>(ativa) != nullptr;
        return;
    }
    if (std::exchange(voltaDeCaixa_, false)) return;
    Ativar();
}

void TFormValidadorXraZQ::Ativar() {
    if (ativando_) return;
    ativando_ = true;
    struct Fim {
        bool& ativando;
        ~Fim() { ativando = false; }
    } fim{ativando_};

    std::string dll;
    if (!Proteger([&] {
            TProgramaValidadorSintegra programa(configuracao_.ValidadorSintegra);
            configuracao_.ValidadorSintegra = programa.CaminhoValidador();
            dll = programa.CaminhoDll();
        })) {
        return;
    }
    if (dll.empty()) {
        close();
        emit Encerrar();
        return;
    }
    if (const auto versao = PlataformaAtual().VersaoDoArquivo(CaminhoNativo(dll))) {
        lblVersaoDll_->setText(QStringLiteral("%1 - Versão %2 - %3")
                                   .arg(DoNucleo(NomeDllPosValidacao()), DoNucleo(*versao), DataDoArquivo(dll)));
    }
    const QString validador = DoNucleo(configuracao_.ValidadorSintegra);
    edtValidador_->DefinirTexto(ArquivoExiste(validador) ? validador : kNaoInformado);

    if (!ativadoUmaVez_) {
        TCursorEspera espera;
        setEnabled(false);
        if (dm_.DadosAnuaisEncontrados() && !dm_.GimEncontrada()) {
            tipo_ = TTipoDeclaracao::DadosAnuais;
            periodoGuardado_ = QString::number(AnoAnterior());
        } else {
            tipo_ = TTipoDeclaracao::Gim;
            periodoGuardado_ = DoNucleo(PeriodoAnteriorDe("-"));
        }
        normal_ = normalGuardado_ = true;
        retificadora_ = retificadoraGuardado_ = false;
        periodo_ = periodoGuardado_;
        (tipo_ == TTipoDeclaracao::Gim ? rbGim_ : rbDadosAnuais_)->setChecked(true);
        AplicarMascaraPeriodo();
        ativadoUmaVez_ = true;
        setEnabled(true);
    }
    Proteger([this] { FluxoTipoArquivo(); });
}

void TFormValidadorXraZQ::FluxoTipoArquivo() {
    normal_ = normalGuardado_;
    retificadora_ = retificadoraGuardado_;
    periodo_ = periodoGuardado_;
    chkRetificadora_->setEnabled(true);
    chkRetificadora_->setChecked(retificadora_);
    chkNormal_->setChecked(normal_);
    AplicarMascaraPeriodo();
    edtPastaDeclaracoes_->DefinirTexto(DoNucleo(configuracao_.PastaColetoria));
    Filtrar();
}

bool TFormValidadorXraZQ::AvisoRegimeNormal() const {
    // Only when the period in the box cannot be delivered under the Normal regime.
    const QString texto = edtPeriodo_->text();
    if (PeriodoVazio(ParaNucleo(texto))) return true;
    return texto >= (tipo_ == TTipoDeclaracao::Gim ? QStringLiteral("2016-01") : QStringLiteral("2016"));
}

void TFormValidadorXraZQ::AplicarMascaraPeriodo() {
    suprimirPeriodo_ = true;
    const QString mascara = tipo_ == TTipoDeclaracao::Gim ? kMascaraGim : kMascaraDadosAnuais;
    if (edtPeriodo_->inputMask() != mascara) {
        edtPeriodo_->clear();
        edtPeriodo_->setInputMask(mascara);
        const int digitos = Digitos(periodo_);
        if ((tipo_ == TTipoDeclaracao::Gim && digitos != 6) || (tipo_ == TTipoDeclaracao::DadosAnuais && digitos != 4)) {
            periodo_.clear();
        }
    }
    edtPeriodo_->setText(periodo_);
    suprimirPeriodo_ = false;
}

void TFormValidadorXraZQ::PeriodoAlterado(const QString& texto) {
    if (suprimirPeriodo_ || texto == periodo_) return;
    const int digitos = Digitos(texto);
    const bool completo = tipo_ == TTipoDeclaracao::Gim ? (digitos == 0 || digitos == 6) : digitos == 4;
    if (completo) SaidaPeriodo();
}

bool TFormValidadorXraZQ::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edtPeriodo_ && evento->type() == QEvent::FocusOut) {
        const QWidget* destino = QApplication::focusWidget();
        if (destino != btnFechar_ && destino != btnSalvar_ && isActiveWindow()) SaidaPeriodo();
    } else if (objeto->objectName() == QStringLiteral("imgBrasao") && evento->type() == QEvent::MouseButtonDblClick) {
        AbrirComShell(kEnderecoGoverno, "", "", EstadoJanela::Normal);
        return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

bool TFormValidadorXraZQ::SaidaPeriodo() {
    const bool ok = Proteger([this] {
        periodo_ = edtPeriodo_->text();
        EstadoBotoes();
        const std::string periodo = ParaNucleo(periodo_);
        if (PeriodoVazio(periodo)) {
            if (regime_ == 1) {
                TCaixas::Programa().Simples(
                    QStringLiteral("Para a geração de arquivos para o regime Normal, o maior período da entrega é 12/2015"));
            }
        } else {
            ValidarPeriodo(periodo);
        }
        Filtrar();
    });
    if (!ok) edtPeriodo_->setFocus();
    return ok;
}

void TFormValidadorXraZQ::ValidarPeriodo(const std::string& periodo) const {
    if (tipo_ == TTipoDeclaracao::DadosAnuais) {
        zq::ValidarAno(periodo, std::to_string(AnoDe()));
    } else {
        zq::ValidarPeriodo(periodo, FormatarPeriodo("-"));
    }
}

TFiltroDeclaracoes TFormValidadorXraZQ::Filtro() const {
    TFiltroDeclaracoes filtro;
    filtro.Tipo = tipo_;
    filtro.Periodo = PeriodoVazio(ParaNucleo(periodo_)) ? std::string() : ParaNucleo(periodo_);
    filtro.Regime = regime_;
    filtro.Normal = normal_;
    filtro.Retificadora = retificadora_;
    return filtro;
}

void TFormValidadorXraZQ::Filtrar() {
    if (!ativadoUmaVez_ || !PastaExiste(edtPastaMidias_->Texto())) return;
    dm_.SelecionarDeclaracoes(Filtro());
    RecarregarSelecao();
}

void TFormValidadorXraZQ::RecarregarSelecao() {
    Sincronizar(gradeSelecao_, modeloSelecao_, dm_.tblSelecao);
    EstadoBotoes();
}

void TFormValidadorXraZQ::EstadoBotoes() {
    const bool comLinhas = !dm_.tblSelecao.Vazia();
    btnRelatorio_->setEnabled(comLinhas);
    btnSalvar_->setEnabled(comLinhas);
}

// ---- generation tab ----

void TFormValidadorXraZQ::AbrirPastaMidias() {
    regime_ = rbRegimeNormal_->isChecked() ? 1 : 3;
    const std::string pasta = IncluirBarra(ParaNucleo(edtPastaMidias_->Texto()));
    edtPastaMidias_->DefinirTexto(DoNucleo(pasta));
    {
        TCursorEspera espera;
        const bool ok = Proteger([&] { dm_.CarregarPastaMidias(pasta); });
        RecarregarSelecao();
        if (!ok) return;
    }
    Proteger([this] { Filtrar(); });
}

void TFormValidadorXraZQ::ExcluirDaSelecao(int linha) {
    if (!TCaixas::Programa().Pergunta(QStringLiteral("Confirma exclusão do registro?"), false)) return;
    dm_.tblSelecao.Remover(static_cast<std::size_t>(linha));
    RecarregarSelecao();
}

void TFormValidadorXraZQ::RelatorioConferencia() {
    if (dm_.tblSelecao.Vazia()) return;
    Previsualizar([this] { relatorios_.Conferencia(dm_, this); });
}

void TFormValidadorXraZQ::NaoSelecionadas() {
    if (!Proteger([this] { dm_.ListarNaoSelecionadas(Filtro()); })) return;
    TfrmListaDeclNaoSelecionadas janela(dm_.tblResProces, this);
    janela.exec();
}

void TFormValidadorXraZQ::Salvar() {
    const std::size_t quantidade = dm_.tblSelecao.Quantidade();
    const QString quais = quantidade == 1 ? QStringLiteral("a declaração relacionada")
                                          : QStringLiteral("as %1 declarações relacionadas").arg(quantidade);
    if (!TCaixas::Programa().Pergunta(QStringLiteral("Confirma a geração do arquivo de transmissão para %1?").arg(quais),
                                      true)) {
        return;
    }
    const QString caixa = edtPastaDeclaracoes_->Texto();
    if (caixa.isEmpty()) throw Excecao(ParaNucleo(QStringLiteral("A pasta do arquivo de declarações deve ser informada!")));
    const std::string pasta = IncluirBarra(ParaNucleo(caixa));
    edtPastaDeclaracoes_->DefinirTexto(DoNucleo(pasta));
    if (!PastaExiste(DoNucleo(pasta))) {
        if (!TCaixas::Programa().Pergunta(
                QStringLiteral("A pasta do arquivo de declarações não existe. Deseja criá-la?"), true)) {
            return;
        }
        std::error_code erro;
        std::filesystem::create_directories(CaminhoNativo(pasta), erro);
        if (erro) throw ErroDeGravacao(pasta);
    }

    std::string saida;
    {
        btnSalvar_->hide();
        animacao_->show();
        TCursorEspera espera;
        struct Restaurar {
            QWidget* salvar;
            QWidget* animacao;
            ~Restaurar() {
                animacao->hide();
                salvar->show();
            }
        } restaurar{btnSalvar_, animacao_};
        const std::string prefixo = tipo_ == TTipoDeclaracao::Gim ? "Gim" : "DA";
        saida = pasta + NomeArquivoColetoria(prefixo, static_cast<int>(quantidade), AgoraLocal());
        dm_.GerarArquivoColetoria(saida, ParaNucleo(VersaoDoPrograma()));
    }
    TCaixas::Programa().Simples(QStringLiteral("Arquivo de declarações gerado com sucesso!\n     Tipo: Entrega via XAR "
                                               "Virtual\n     Nome: '%1'")
                                    .arg(DoNucleo(saida)));
    AvisoEntrega();
}

void TFormValidadorXraZQ::AvisoEntrega() {
    TCaixas::Programa().Informacao(
        QStringLiteral("A Secretaria de Estado da Receita informa: A entrega da GIM deverá ser feita, exclusivamente, "
                       "pela XAR Virtual por meio da Opção: Serviços/Declarações/Carregar GIM On-line ou via no "
                       "endereço do link %1\n\nA Receita Estadual instrui que o contribuinte após validar o arquivo "
                       "no validador Sintegra e gerar mídia, deverá ser utilizado no validador XAR-ZQ o tipo de "
                       "arquivo \"XAR Virtual ou Coletoria\" em vez de \"Internet\". Será gerado um arquivo com a "
                       "extensão \".ATFGIM\". Em seguida, acessar a XAR Virtual com login e senha na opção acima e "
                       "indicar o arquivo que contém a(s) declaração(ões).\n\nPRAZO LIMITE - O prazo de entrega da "
                       "GIM não terá adiamento. Caso seja entregue fora do prazo limite, o contribuinte está sujeito "
                       "à multa.")
            .arg(QString::fromLatin1(kEnderecoCarregarGim)));
}

// ---- internet tab ----

void TFormValidadorXraZQ::AbrirSfn(const QString& arquivo) {
    edtSfn_->DefinirTexto(arquivo);
    btnTransmitir_->hide();
    painelRecibos_->hide();
    painelRegistros_->hide();
    TCursorEspera espera;
    const std::string caminho = ParaNucleo(arquivo);
    arquivoInternet_ = caminho;

    // The labels are filled whenever the file opened, also when its receipts then fail.
    TArqDadosNoldeNet origem;
    if (!origem.Abrir(caminho)) return;  // its error box was shown
    const bool ok = Proteger([&] { dm_.ListarArquivoInternet(origem); });
    Sincronizar(gradeRecibos_, modeloRecibos_, dm_.tblNoldeNet);
    Sincronizar(gradeRegistros_, modeloRegistros_, dm_.tblTransmissao);
    EscolhidosAlterados();

    const bool anual = origem.PeriodoTexto().size() == 4;
    lblDeclaracoes_->setText(QStringLiteral("Declarações - [Tipo: %1%2]     [Quantidade: %3]")
                                 .arg(anual ? QStringLiteral("Dados Anuais ") : QStringLiteral("GIM "),
                                      DoNucleo(origem.PeriodoTexto()))
                                 .arg(origem.QuantidadeRegistros()));
    std::error_code erro;
    const auto tamanho = std::filesystem::file_size(CaminhoNativo(caminho), erro);
    const auto dataHora = DataHoraArquivo(caminho);
    lblArquivo_->setText(QStringLiteral("Arquivo - [Tamanho: %1]     [Data/Hora de geração: %2]")
                             .arg(DoNucleo(TextoTamanhoDados(erro ? 0 : static_cast<std::int64_t>(tamanho))),
                                  dataHora ? DoNucleo(TextoDataHora(*dataHora)) : QString()));
    if (!ok) return;

    if (dm_.tblNoldeNet.Vazia()) {
        const int identificador = origem.Identificador();
        if (identificador != 12 && identificador != 15 && identificador != 16) {
            TCaixas::Programa().Erro(
                QStringLiteral("Arquivo NoldeNet com identificador inválido, gerado por uma versão desatualizada do "
                               "'Validador Nolde/XRA-ZQ'.\n     Nome do arquivo: '%1'\n     Identificador: %2\n\nA fim "
                               "de poder efetuar o envio de declarações normais via internet, gere novamente o "
                               "arquivo de transmissão.\n\nAs declarações retificadoras só poderão ser apresentadas "
                               "na Repartição Fiscal.")
                    .arg(QFileInfo(arquivo).fileName())
                    .arg(identificador));
            return;
        }
        btnTransmitir_->show();
        painelRegistros_->show();
        return;
    }
    painelRecibos_->show();
    btnImprimirComprovantes_->setFocus();
}

void TFormValidadorXraZQ::EscolhidosAlterados() {
    const int escolhidos = dm_.QuantidadeEscolhidos();
    const int linhas = static_cast<int>(dm_.tblNoldeNet.Quantidade());
    btnImprimirComprovantes_->setEnabled(escolhidos > 0);
    btnRelatorioConferencia_->setEnabled(escolhidos > 0);
    const QSignalBlocker bloqueio(chkTodos_);
    chkTodos_->setChecked(linhas > 0 && escolhidos == linhas);
}

void TFormValidadorXraZQ::MarcarTodos(bool marcar) {
    dm_.EscolherTodos(marcar);
    const std::size_t atual = dm_.tblNoldeNet.Posicao();
    modeloRecibos_->Recarregar();
    if (!dm_.tblNoldeNet.Vazia()) gradeRecibos_->setCurrentIndex(modeloRecibos_->index(static_cast<int>(atual), 0));
    EscolhidosAlterados();
}

std::string TFormValidadorXraZQ::SfnDaCaixa() const {
    QString texto = edtSfn_->Texto();
    if (texto.startsWith('"')) {
        texto = texto.mid(1, texto.size() - 2);
    } else if (const auto aspas = texto.indexOf('"'); aspas >= 0) {
        texto.truncate(aspas);
    }
    return ParaNucleo(texto);
}

void TFormValidadorXraZQ::ImprimirRecibos(bool comprovantes) {
    const std::string sfn = SfnDaCaixa();
    Previsualizar([&] { relatorios_.Recibos(dm_, sfn, comprovantes, this); });
}

void TFormValidadorXraZQ::ImprimirRecibo() {
    if (dm_.tblNoldeNet.Vazia()) return;
    Previsualizar([this] { relatorios_.Recibo(dm_, arquivoInternet_, this); });
}

void TFormValidadorXraZQ::Previsualizar(const std::function<void()>& relatorio) {
    Proteger(relatorio);
    statusBar()->clearMessage();
    // Closing a preview is an activation: the first activation's period and purposes come back.
    Ativar();
}

// ---- the validator, the virtual office's receipts ----

void TFormValidadorXraZQ::ExecutarValidador() {
    const QString caminho = edtValidador_->Texto();
    if (!ArquivoExiste(caminho)) throw Excecao(ParaNucleo(QStringLiteral("Programa Validador Sintegra não localizado!")));
    configuracao_.ValidadorSintegra = ParaNucleo(caminho);
    TProgramaValidadorSintegra programa(configuracao_.ValidadorSintegra);
    programa.Executar(configuracao_.ValidadorSintegra);
    abas_->setCurrentIndex(1);
}

void TFormValidadorXraZQ::AbrirZipRecibos(const QString& zip) {
    edtZipRecibos_->DefinirTexto(zip);
    lstPdfs_->clear();
    btnImprimirRecibo_->setEnabled(false);
    TCursorEspera espera;
    Proteger([&] {
        for (const auto& nome : recibosColetoria_.Extrair(ParaNucleo(zip))) lstPdfs_->addItem(DoNucleo(nome));
    });
    if (lstPdfs_->count() > 0) {
        lstPdfs_->setCurrentRow(0);
        btnImprimirRecibo_->setEnabled(true);
    }
}

void TFormValidadorXraZQ::AbrirPdf() {
    const QListWidgetItem* item = lstPdfs_->currentItem();
    if (item == nullptr) return;
    Proteger([&] { recibosColetoria_.Abrir(ParaNucleo(item->text())); });
}

void TFormValidadorXraZQ::TrazerParaFrente() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    showNormal();
    raise();
    activateWindow();
}

}  // namespace zq::janela
