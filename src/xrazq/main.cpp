// xrazq: the taxpayer's program without its window, for accountants and scripts.
//   exit 0 the job completed, 1 it stopped with an error (on standard error), 2 usage error.

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "platform/Plataforma.h"
#include "reports/desenho/DesenhoRelatorio.h"
#include "reports/preparacao/RelatoriosValidador.h"
#include "record-model/comum/Excecao.h"
#include "selection/DmValidador.h"
#include "platform/Cp1252.h"
#include "record-model/arquivos/Arquivos.h"
#include "selection/configuracao/ConfigValidadorXra.h"
#include "selection/transmissao/ArquivoGimAtf.h"
#include "selection/transmissao/RecibosColetoria.h"
#include "selection/varredura/DataHoraArquivo.h"
#include "record-model/comum/Formatador.h"
#include "xrazq/LinhaComando.h"
#include "xrazq/SaidaTerminal.h"

namespace {

using namespace zq;

// A failure whose message the core has already shown.
struct TSemMensagem {};
using namespace zq::xrazq;

const std::vector<std::string> kColunasSintegra = {
    "ArquivoTxt",    "Inscricao",      "Cnpj",        "Tipo",       "Finalidade", "Periodo",       "RazaoSocial",
    "DataHoraMidia", "VersaoSintegra", "DataHoraTxt", "TamanhoTxt", "CrcTxt",     "codRegApuracao"};

std::vector<std::string> ColunasSelecao() {
    std::vector<std::string> colunas = kColunasSintegra;
    colunas.push_back("descRegApuracao");
    return colunas;
}

const std::vector<std::string> kColunasMotivos = {"inscricao",    "periodo",  "finalidade", "razaoSocial",
                                                  "tpDeclaracao", "tpRegime", "descRegime", "mensagem"};

std::string VersaoDoPrograma() {
    const auto versao = PlataformaAtual().VersaoDoArquivo(PlataformaAtual().CaminhoProgramaEmExecucao());
    if (!versao) throw Excecao(Utf8ParaCp1252("Versão do programa não encontrada."));
    return *versao;
}

// The virtual-office file of the selection, in the output folder under its own name; its path.
std::string Gerar(TDmValidador& dm, const TArgumentos& argumentos) {
    const std::string prefixo = argumentos.Filtro.Tipo == TTipoDeclaracao::Gim ? "Gim" : "DA";
    const std::string saida =
        IncluirBarra(argumentos.PastaSaida) +
        NomeArquivoColetoria(prefixo, static_cast<int>(dm.tblSelecao.Quantidade()), AgoraLocal());
    dm.GerarArquivoColetoria(saida, VersaoDoPrograma());
    return saida;
}

const std::vector<std::string> kColunasTransmissao = {"Inscricao", "TamanhoDados", "CodigoDados"};
const std::vector<std::string> kColunasRecibos = {
    "Imprimir",    "Inscricao",  "Periodo",     "Tipo",       "CodigoRecibo", "CodigoDados", "DataHoraRecibo", "Situacao",
    "CrcTxt",      "TamanhoTxt", "DataHoraTxt", "ArquivoTxt", "Cnpj",         "RazaoSocial", "Finalidade",     "emailTxt"};

// A transmission file's receipts or records; an error when it cannot be loaded (its box is already out).
void AbrirSfn(TDmValidador& dm, const std::string& arquivo) {
    if (!dm.AbrirArquivoInternet(arquivo)) throw TSemMensagem();
    if (!dm.tblNoldeNet.Vazia()) {
        EscreverTabela(std::cout, dm.tblNoldeNet, kColunasRecibos);
    } else {
        EscreverTabela(std::cout, dm.tblTransmissao, kColunasTransmissao);
    }
}

// Writes the report's PDF with a window-less Qt (the offscreen platform unless another is asked for), and prints
// its path.
void GravarPdf(const TDocumentoRelatorio& documento, const std::string& arquivo) {
    // Qt's notices about the desktop it does not have (XDG_RUNTIME_DIR, platform plugins) are not the user's.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& mensagem) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::cerr << mensagem.toStdString() << '\n';
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int quantidade = 1;
    char nome[] = "xrazq";
    char* argumentos[] = {nome, nullptr};
    const QGuiApplication aplicacao(quantidade, argumentos);
    std::setlocale(LC_ALL, "C");  // Qt takes the machine's locale; the core's texts never depend on it
    GravarPdfRelatorio(documento, QString::fromStdString(Cp1252ParaUtf8(arquivo)));
    std::cout << Cp1252ParaUtf8(arquivo) << '\n';
}

TIdentificacaoPrograma Programa() { return {.Titulo = "Validador XAR-ZQ", .Versao = VersaoDoPrograma()}; }

// The receipt print of the chosen receipts of a transmission file, or of the one at `--linha`, or the
// conference report of those declarations.
TDocumentoRelatorio Comprovantes(TDmValidador& dm, const TArgumentos& argumentos) {
    if (!dm.AbrirArquivoInternet(argumentos.Pasta)) throw TSemMensagem();
    if (dm.tblNoldeNet.Vazia()) {
        throw Excecao(Utf8ParaCp1252("O arquivo '") + argumentos.Pasta +
                      Utf8ParaCp1252("' não tem arquivo de recibos (.rcb): não há comprovantes a imprimir."));
    }
    TRelatoriosValidador relatorios(dm, Programa());
    const auto modo = argumentos.ModoConferencia ? TModoRecibos::Conferencia : TModoRecibos::Recibos;
    if (argumentos.Linha == 0) return relatorios.RecibosEscolhidos(argumentos.Pasta, modo);
    if (static_cast<std::size_t>(argumentos.Linha) > dm.tblNoldeNet.Quantidade()) {
        throw Excecao(Formatar(Utf8ParaCp1252("Linha %d não existe: o arquivo tem %d recibos aceitos."),
                               {argumentos.Linha, dm.tblNoldeNet.Quantidade()}));
    }
    dm.tblNoldeNet.IrPara(static_cast<std::size_t>(argumentos.Linha - 1));
    if (modo == TModoRecibos::Recibos) return relatorios.ReciboAtual(argumentos.Pasta);
    dm.EscolherTodos(false);
    dm.tblNoldeNet.IrPara(static_cast<std::size_t>(argumentos.Linha - 1));
    dm.DefinirImprimir(true);
    return relatorios.RecibosEscolhidos(argumentos.Pasta, modo);
}

void Executar(const TArgumentos& argumentos) {
    if (argumentos.Comando == TComando::Versao) {
        std::cout << VersaoDoPrograma() << '\n';
        return;
    }
    const TConfigValidadorXra configuracao;
    TDmValidador dm(configuracao.PastaTrabalho());
    if (argumentos.Comando == TComando::Sfn) {
        AbrirSfn(dm, argumentos.Pasta);
        return;
    }
    if (argumentos.Comando == TComando::Comprovantes) {
        GravarPdf(Comprovantes(dm, argumentos), argumentos.ArquivoPdf);
        return;
    }
    if (argumentos.Comando == TComando::Recibos) {
        for (const auto& nome : TRecibosColetoria(configuracao.PastaTrabalho()).Extrair(argumentos.Pasta)) {
            std::cout << Cp1252ParaUtf8(nome) << '\n';
        }
        return;
    }
    dm.CarregarPastaMidias(argumentos.Pasta);
    switch (argumentos.Comando) {
        case TComando::Varrer:
            EscreverTabela(std::cout, dm.tblSintegra, kColunasSintegra);
            break;
        case TComando::Selecionar:
            dm.SelecionarDeclaracoes(argumentos.Filtro);
            EscreverTabela(std::cout, dm.tblSelecao, ColunasSelecao());
            break;
        case TComando::Motivos:
            dm.SelecionarDeclaracoes(argumentos.Filtro);
            dm.ListarNaoSelecionadas(argumentos.Filtro);
            EscreverTabela(std::cout, dm.tblResProces, kColunasMotivos);
            break;
        case TComando::Gerar:
            dm.SelecionarDeclaracoes(argumentos.Filtro);
            std::cout << Cp1252ParaUtf8(Gerar(dm, argumentos)) << '\n';
            break;
        case TComando::Conferencia: {
            dm.SelecionarDeclaracoes(argumentos.Filtro);
            if (dm.tblSelecao.Vazia()) throw Excecao(Utf8ParaCp1252("Nenhuma declaração selecionada."));
            GravarPdf(TRelatoriosValidador(dm, Programa()).ConferenciaSelecao(), argumentos.ArquivoPdf);
            break;
        }
        case TComando::Versao:
        case TComando::Sfn:
        case TComando::Recibos:
        case TComando::Comprovantes:
            break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    TArgumentos argumentos;
    try {
        argumentos = LerArgumentos(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const EUso& erro) {
        std::cerr << "xrazq: " << erro.what() << '\n' << kTextoUso;
        return 2;
    }
    TCaixasTerminal caixas;
    DefinirCaixas(&caixas);
    try {
        Executar(argumentos);
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const TSemMensagem&) {
        return 1;
    } catch (const std::exception& erro) {
        caixas.Erro(erro.what());
        return 1;
    }
}
