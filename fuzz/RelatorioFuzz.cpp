// The conference report's data: a TXT read and totalled as the report reads it, its row filled and both
// reports' pages described from that row (the receipt print with the row's codes left null).

#include <chrono>
#include <cstdint>

#include "AmbienteFuzz.h"
#include "record-model/comum/Excecao.h"
#include "reports/conferencia/QRepRecibo.h"
#include "reports/dados/ArquivoGimSintegra.h"
#include "reports/recibos/QRRecNoldeNet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static zq::fuzz::PlataformaFuzz plataforma;
    // One instance reads every declaration in turn, as in the program.
    static zq::TArquivoGimSintegra arquivo;
    const auto txt = zq::fuzz::GravarEntrada(dados, tamanho, "declaracao.txt");
    try {
        arquivo.Acumular(txt.string());
        zq::TLinhaRelatorio linha;
        arquivo.Preencher(linha);
        zq::TTabelaRelatorio tabela = zq::CriarTblRelatorio();
        tabela.Acrescentar(linha);
        const std::chrono::local_seconds agora{};
        const zq::TIdentificacaoPrograma programa{.Titulo = "Validador XAR-ZQ", .Versao = "1.0.0.0"};
        zq::TQRepRecibo(programa, agora).Descrever(tabela);
        zq::TQRRecNoldeNet(programa, {.Nome = "decl.sfn", .Tamanho = static_cast<std::int64_t>(tamanho), .DataHora = agora}, 1, agora)
            .Descrever(tabela);
    } catch (const zq::Excecao&) {
    }
    return 0;
}
