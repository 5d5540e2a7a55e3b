#include "selection/transmissao/RecibosColetoria.h"

#include <algorithm>
#include <filesystem>

#include "platform/Plataforma.h"
#include "platform/Processos.h"
#include "platform/Registro.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Texto.h"
#include "selection/Mensagens.h"
#include "selection/varredura/MidiaSintegra.h"

namespace zq {
namespace {

bool ArquivoExiste(const std::string& arquivo) {
    std::error_code erro;
    return !arquivo.empty() && std::filesystem::is_regular_file(CaminhoNativo(arquivo), erro);
}

}  // namespace

TRecibosColetoria::TRecibosColetoria(const std::string& pastaTrabalho)
    : pasta_(IncluirBarra(pastaTrabalho) + "Coletoria" + kBarraPasta) {}

std::vector<std::string> TRecibosColetoria::Extrair(const std::string& zip) {
    std::error_code erro;
    std::filesystem::create_directories(CaminhoNativo(pasta_ + "Temp"), erro);
    ApagarArquivos(pasta_, "*.*");
    try {
        TArquivoZip arquivo(zip, "");
        VerificarEntradasConfiaveis(arquivo);
        arquivo.Extrair(pasta_, "*.pdf");
    } catch (const std::exception& falha) {
        ApagarArquivos(pasta_, "*.*");
        throw Excecao(std::string("Erro ao descompactar arquivo de recibos!\r\r") + falha.what());
    }
    std::vector<std::string> nomes;
    ListarArquivos(pasta_, "*.pdf", nomes, false, false, false);
    if (nomes.empty()) throw Excecao("Nenhum arquivo de recibo encontrado no arquivo informado!");
    std::sort(nomes.begin(), nomes.end(),
              [](const std::string& a, const std::string& b) { return Maiusculas(a) < Maiusculas(b); });
    return nomes;
}

bool TRecibosColetoria::Abrir(const std::string& nome) {
    if (nome.empty()) return false;
    const std::string pdf = pasta_ + nome;
    if (leitorPdf_.empty()) {
        const auto leitor = LerValorRegistro(kHkeyLocalMachine,
                                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AcroRd32.exe");
        if (leitor && ArquivoExiste(*leitor)) leitorPdf_ = *leitor;
    }
    if (!leitorPdf_.empty()) return AbrirComShell(leitorPdf_, "\"" + pdf + "\"", "", EstadoJanela::Normal);
    const bool abrir = CaixasAtuais().Confirmar(
        "     Para visualizar e/ou imprimir os arquivos de recibo é necessário ter instalado o programa de "
        "visualização, Adobe Acrobat Reader, que pode ser obtido gratuitamente, a partir do endereço eletrônico "
        "'http://www.adobe.com.br'.\r     Se você possui o programa instalado em seu computador, escolha-o para abrir o "
        "arquivo de recibo, caso contrário, obtenha e instale o programa para poder acessar os recibos de suas "
        "declarações.");
    return abrir && AbrirComShell(pdf, "", "", EstadoJanela::Normal);
}

}  // namespace zq
