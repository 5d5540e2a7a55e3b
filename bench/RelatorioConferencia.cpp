// The conference report of a folder of declarations as "xrazq conferencia" writes it: the totals of every TXT,
// the page description of every row and the PDF, timed apart. Prints the times and the PDF's pages and size.
// Usage: bench_relatorio_conferencia [declarações [KB]]   (default: 1000 100)

#include <stdlib.h>

#include <QGuiApplication>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>

#include "GeradorMidias.h"
#include "reports/conferencia/QRepRecibo.h"
#include "reports/desenho/DesenhoRelatorio.h"
#include "reports/preparacao/RelatoriosValidador.h"
#include "selection/DmValidador.h"
#include "selection/varredura/DataHoraArquivo.h"

namespace {

namespace fs = std::filesystem;

double Segundos(std::chrono::steady_clock::time_point inicio) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

// Processor time of the process: on a shared machine the elapsed time also counts the others' work.
double SegundosProcessador() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
    const unsigned quantidade = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : 1000;
    const unsigned long kb = argc > 2 ? std::stoul(argv[2]) : 100;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argumentos = 1;
    char nome[] = "bench";
    char* valores[] = {nome, nullptr};
    const QGuiApplication aplicacao(argumentos, valores);

    const fs::path raiz = zq::bench::PastaComMidias("bench-relatorio", quantidade, kb);
    const fs::path midias = raiz / "midias";

    double apuracao = 0, descricao = 0, pdf = 0, processador = 0;
    std::size_t paginas = 0;
    {
        zq::TDmValidador dm((raiz / "trabalho").string());
        dm.CarregarPastaMidias(midias.string());
        dm.SelecionarDeclaracoes({});
        zq::TRelatoriosValidador relatorios(dm, {.Titulo = "Validador XAR-ZQ", .Versao = "1.0.0.0"});
        const double processadorInicio = SegundosProcessador();
        auto inicio = std::chrono::steady_clock::now();
        relatorios.ConferenciaSelecao();
        apuracao = Segundos(inicio);  // totals and description
        inicio = std::chrono::steady_clock::now();
        const zq::TDocumentoRelatorio documento =
            zq::TQRepRecibo({.Titulo = "Validador XAR-ZQ", .Versao = "1.0.0.0"}, zq::AgoraLocal())
                .Descrever(relatorios.tblRelatorio());
        descricao = Segundos(inicio);
        paginas = documento.Paginas.size();
        inicio = std::chrono::steady_clock::now();
        zq::GravarPdfRelatorio(documento, QString::fromStdString((raiz / "conferencia.pdf").string()));
        pdf = Segundos(inicio);
        processador = SegundosProcessador() - processadorInicio;
    }
    const auto bytes = fs::file_size(raiz / "conferencia.pdf");
    fs::remove_all(raiz);

    std::printf("apuração e descrição: %.3f s  (descrição só: %.3f s)\n", apuracao, descricao);
    std::printf("PDF:                  %.3f s  %zu páginas, %.1f MB\n", pdf, paginas, static_cast<double>(bytes) / 1e6);
    std::printf("total:                %.3f s para %u declarações (%.3f s de processador)\n", apuracao + pdf,
                quantidade, processador);
    return paginas >= quantidade ? 0 : 1;
}
