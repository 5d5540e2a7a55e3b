// xrazq: the taxpayer's program without its window, for accountants and scripts.
//   exit 0 the job completed, 1 it stopped with an error (on standard error), 2 usage error.

#include <iostream>
#include <string>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/comum/Excecao.h"
#include "selection/DmValidador.h"
#include "selection/configuracao/ConfigValidadorXra.h"
#include "xrazq/LinhaComando.h"
#include "xrazq/SaidaTerminal.h"

namespace {

using namespace zq;
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

int Versao() {
    const auto versao = PlataformaAtual().VersaoDoArquivo(PlataformaAtual().CaminhoProgramaEmExecucao());
    if (!versao) {
        std::cerr << "Versão do programa não encontrada.\n";
        return 1;
    }
    std::cout << *versao << '\n';
    return 0;
}

void Executar(const TArgumentos& argumentos) {
    const TConfigValidadorXra configuracao;
    TDmValidador dm(configuracao.PastaTrabalho());
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
        case TComando::Versao:
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
    if (argumentos.Comando == TComando::Versao) return Versao();

    TCaixasTerminal caixas;
    DefinirCaixas(&caixas);
    try {
        Executar(argumentos);
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const std::exception& erro) {
        caixas.Erro(erro.what());
        return 1;
    }
}
