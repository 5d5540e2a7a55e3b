#pragma once
// The program's window: the national validator, the generation of the virtual-office file from the scanned
// media, the transmission files with their receipts, the virtual office's PDF receipts, and the credits.
// The data work is the data module's; the window keeps the user's choices and the order of the steps.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "selection/DmValidador.h"
#include "selection/configuracao/ConfigValidadorXra.h"
#include "selection/selecao/FiltroSelecao.h"
#include "selection/transmissao/RecibosColetoria.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace zq::janela {

class TCampoArquivo;
class TCreditosRolantes;
class TModeloTabelaBase;
class TNavegador;

// The reports the window previews; the window only says which and when.
class TRelatorios {
public:
    virtual ~TRelatorios() = default;
    // The conference report of the current row of tblSelecao.
    virtual void Conferencia(TDmValidador& dm, QWidget* pai) = 0;
    // The chosen receipts of a ".sfn": their print (`comprovantes`) or their conference report.
    virtual void Recibos(TDmValidador& dm, const std::string& arquivoSfn, bool comprovantes, QWidget* pai) = 0;
    // The receipt of the current row of tblNoldeNet.
    virtual void Recibo(TDmValidador& dm, const std::string& arquivoSfn, QWidget* pai) = 0;
};

class TFormValidadorXraZQ final : public QMainWindow {
    Q_OBJECT
public:
    TFormValidadorXraZQ(TConfigValidadorXra& configuracao, TDmValidador& dm, TRelatorios& relatorios,
                        QWidget* pai = nullptr);
    ~TFormValidadorXraZQ() override;

    // The activation flow (also run by every activation of the window).
    void Ativar();
    // Brings the window to the front at a second start of the program.
    void TrazerParaFrente();

    // Window state, as the flows left it.
    TTipoDeclaracao TipoDeclaracao() const { return tipo_; }
    const QString& Periodo() const { return periodo_; }
    bool FinalidadeNormal() const { return normal_; }
    bool FinalidadeRetificadora() const { return retificadora_; }
    int Regime() const { return regime_; }

signals:
    // The program must end (the library is missing).
    void Encerrar();

protected:
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* CriarAbaSintegra();
    QWidget* CriarAbaGeracao();
    QWidget* CriarAbaInternet();
    QWidget* CriarAbaXarVirtual();
    QWidget* CriarAbaSobre();

    // Runs a flow; its failure reaches the user in an error box.
    template <class F>
    bool Proteger(F&& fluxo);

    void FluxoTipoArquivo();
    void AplicarMascaraPeriodo();
    bool AvisoRegimeNormal() const;
    void PeriodoAlterado(const QString& texto);
    bool SaidaPeriodo();
    void ValidarPeriodo(const std::string& periodo) const;
    void Filtrar();
    void EstadoBotoes();
    TFiltroDeclaracoes Filtro() const;
    void RecarregarSelecao();

    void AbrirPastaMidias();
    void ExcluirDaSelecao(int linha);
    void RelatorioConferencia();
    void NaoSelecionadas();
    void Salvar();
    void AvisoEntrega();

    void AbrirSfn(const QString& arquivo);
    void EscolhidosAlterados();
    void MarcarTodos(bool marcar);
    std::string SfnDaCaixa() const;
    void ImprimirRecibos(bool comprovantes);
    void ImprimirRecibo();

    void ExecutarValidador();
    void AbrirZipRecibos(const QString& zip);
    void AbrirPdf();

    void Previsualizar(const std::function<void()>& relatorio);

    TConfigValidadorXra& configuracao_;
    TDmValidador& dm_;
    TRelatorios& relatorios_;
    TRecibosColetoria recibosColetoria_;

    TTipoDeclaracao tipo_ = TTipoDeclaracao::Gim;
    QString periodo_;
    bool normal_ = true;
    bool retificadora_ = false;
    int regime_ = 3;
    QString periodoGuardado_;
    bool normalGuardado_ = true;
    bool retificadoraGuardado_ = false;
    bool ativadoUmaVez_ = false;
    bool ativando_ = false;
    bool voltaDeCaixa_ = false;
    bool suprimirPeriodo_ = false;
    std::string arquivoInternet_;

    QTabWidget* abas_ = nullptr;
    QPushButton* btnFechar_ = nullptr;
    // "&Sintegra"
    TCampoArquivo* edtValidador_ = nullptr;
    QPushButton* btnExecutaValidador_ = nullptr;
    QPushButton* btnSintegraInternet_ = nullptr;
    QLabel* lblVersaoDll_ = nullptr;
    // "&Geração"
    QGroupBox* rgArquivo_ = nullptr;
    QRadioButton* rbGim_ = nullptr;
    QRadioButton* rbDadosAnuais_ = nullptr;
    QLineEdit* edtPeriodo_ = nullptr;
    QCheckBox* chkNormal_ = nullptr;
    QCheckBox* chkRetificadora_ = nullptr;
    QRadioButton* rbRegimeNormal_ = nullptr;
    QRadioButton* rbSimples_ = nullptr;
    TCampoArquivo* edtPastaMidias_ = nullptr;
    QPushButton* btnAbrir_ = nullptr;
    TNavegador* navSelecao_ = nullptr;
    QPushButton* btnNaoSelecionadas_ = nullptr;
    QPushButton* btnRelatorio_ = nullptr;
    QTableView* gradeSelecao_ = nullptr;
    TModeloTabelaBase* modeloSelecao_ = nullptr;
    TCampoArquivo* edtPastaDeclaracoes_ = nullptr;
    QPushButton* btnSalvar_ = nullptr;
    QProgressBar* animacao_ = nullptr;
    // "&Internet"
    TCampoArquivo* edtSfn_ = nullptr;
    QPushButton* btnTransmitir_ = nullptr;
    QLabel* lblDeclaracoes_ = nullptr;
    QLabel* lblArquivo_ = nullptr;
    QWidget* painelRecibos_ = nullptr;
    QWidget* painelRegistros_ = nullptr;
    QTableView* gradeRecibos_ = nullptr;
    TModeloTabelaBase* modeloRecibos_ = nullptr;
    TNavegador* navRecibos_ = nullptr;
    QTableView* gradeRegistros_ = nullptr;
    TModeloTabelaBase* modeloRegistros_ = nullptr;
    TNavegador* navRegistros_ = nullptr;
    QCheckBox* chkTodos_ = nullptr;
    QPushButton* btnRelatorioConferencia_ = nullptr;
    QPushButton* btnImprimirComprovantes_ = nullptr;
    // "&XARVirtual"
    TCampoArquivo* edtZipRecibos_ = nullptr;
    QListWidget* lstPdfs_ = nullptr;
    QPushButton* btnImprimirRecibo_ = nullptr;
    // "So&bre"
    TCreditosRolantes* creditos_ = nullptr;
    QLabel* lblVersaoPrograma_ = nullptr;
};

// The web addresses the window opens.
inline constexpr const char* kEnderecoSintegra = "http://www.sintegra.gov.br/";
inline constexpr const char* kEnderecoGoverno = "https://www.zq.gov.br/";
inline constexpr const char* kEnderecoReceita = "https://www.receita.zq.gov.br/";
inline constexpr const char* kEnderecoCarregarGim =
    "https://www.receita.zq.gov.br/xar/xarvirtual/declaracoes/carregar-gim-on-line";

// The program's file version "a.b.c.d" and its file's date "dd/mm/yyyy"; "1.0.0.0" without one.
QString VersaoDoPrograma();
QString DataDoArquivo(const std::string& arquivo);

}  // namespace zq::janela
