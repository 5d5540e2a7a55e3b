#include "selection/validador/ProgramaValidadorSintegra.h"

#include <chrono>
#include <filesystem>
#include <optional>

#include "platform/Plataforma.h"
#include "platform/Processos.h"
#include "platform/Registro.h"
#include "platform/Relogio.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Interacao.h"
#include "record-model/comum/Formatador.h"
#include "selection/Mensagens.h"
#include "selection/varredura/DataHoraArquivo.h"

namespace zq {
namespace fs = std::filesystem;

namespace {

constexpr const char* kChaveValidador = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ValidadorSintegra%s.exe";

bool ArquivoExiste(const std::string& arquivo) {
    std::error_code erro;
    return !arquivo.empty() && fs::is_regular_file(CaminhoNativo(arquivo), erro);
}

std::string PastaDe(const std::string& arquivo) { return CaminhoCp1252(CaminhoNativo(arquivo).parent_path()); }

std::string Juntar(const std::string& pasta, const std::string& nome) { return IncluirBarra(pasta) + nome; }

std::string VersaoOuPadrao(const std::string& arquivo) {
    return PlataformaAtual().VersaoDoArquivo(CaminhoNativo(arquivo)).value_or("1.0.0.0");
}

std::string DataCurta(std::chrono::local_seconds instante) {
    const std::chrono::year_month_day dia{std::chrono::floor<std::chrono::days>(instante)};
    return Formatar("%.2d/%.2d/%.4d", {static_cast<unsigned>(dia.day()), static_cast<unsigned>(dia.month()),
                                       static_cast<int>(dia.year())});
}

// Copies the file over the destination with its date-time; the destination is replaced only when the copy is
// complete.
void CopiarComDataHora(const std::string& origem, const std::string& destino) {
    TGravacaoSegura gravacao(destino);
    std::error_code erro;
    fs::copy_file(CaminhoNativo(origem), gravacao.Temporario(), fs::copy_options::overwrite_existing, erro);
    if (!erro) fs::last_write_time(gravacao.Temporario(), fs::last_write_time(CaminhoNativo(origem), erro), erro);
    if (erro) throw ErroDeGravacao(destino);
    gravacao.Confirmar();
}

// The reference package the library opens beside its host goes there with it: copied, without a word, when
// ours is newer than the one there or there is none. A program without a package beside it changes nothing.
void ImplantarPacote(const std::string& pastaPrograma, const std::string& pastaDestino) {
    constexpr const char* kPacoteReferencia = "Morvanta.cri";
    const std::string origem = Juntar(pastaPrograma, kPacoteReferencia);
    const std::string destino = Juntar(pastaDestino, kPacoteReferencia);
    const std::optional<std::chrono::local_seconds> dataNova = DataHoraArquivo(origem);
    const std::optional<std::chrono::local_seconds> dataAnterior = DataHoraArquivo(destino);
    if (dataNova && (!dataAnterior || *dataNova > *dataAnterior)) CopiarComDataHora(origem, destino);
}

}  // namespace

std::string NomeDllPosValidacao() {
#ifdef _WIN32
    return "Morvanta.dll";
#else
    return "libMorvanta.so";
#endif
}

TProgramaValidadorSintegra::TProgramaValidadorSintegra(const std::string& validadorConfigurado)
    : caminhoValidador_(validadorConfigurado) {
    const std::string pastaPrograma = CaminhoCp1252(PlataformaAtual().CaminhoProgramaEmExecucao().parent_path());
    caminhoDll_ = Juntar(pastaPrograma, NomeDllPosValidacao());
    if (!ArquivoExiste(caminhoDll_)) {
        CaixasAtuais().Erro(Formatar("DLL de pós-validação Sintegra não localizada na pasta do 'Validador XRA-ZQ': "
                                     "'%s'.\r\rReinstale o 'Validador XRA-ZQ' e tente novamente.",
                                     {NomeDllPosValidacao()}));
        caminhoDll_.clear();
        return;
    }
    if (ArquivoExiste(caminhoValidador_)) {
        Implantar();
        return;
    }
    const int anoAtual = static_cast<int>(Hoje().year());
    for (int ano : {anoAtual - 1, anoAtual}) {
        const auto caminho = LerValorRegistro(kHkeyLocalMachine, Formatar(kChaveValidador, {std::to_string(ano)}));
        if (!caminho) continue;
        caminhoValidador_ = *caminho;
        if (ArquivoExiste(caminhoValidador_)) Implantar();
    }
}

void TProgramaValidadorSintegra::Implantar() {
    if (caminhoDll_.empty() || caminhoValidador_.empty()) return;
    const std::string pastaDestino = PastaDe(caminhoValidador_);
    ImplantarPacote(PastaDe(caminhoDll_), pastaDestino);
    const std::string destino = Juntar(pastaDestino, NomeDllPosValidacao());
    const std::optional<std::chrono::local_seconds> dataNova = DataHoraArquivo(caminhoDll_);
    const std::optional<std::chrono::local_seconds> dataAnterior = DataHoraArquivo(destino);
    if (!dataNova || (dataAnterior && *dataNova <= *dataAnterior)) return;

    const std::string versaoAnterior = VersaoOuPadrao(destino);
    CopiarComDataHora(caminhoDll_, destino);

    std::string texto = Formatar("Atualização da DLL de pós-validação do 'Validador Sintegra'.\r\r"
                                 "     Pasta da atualização: '%s'\r",
                                 {pastaDestino});
    texto += "     DLL anterior: ";
    texto += dataAnterior ? Formatar("Versão: %s - Data: %s", {versaoAnterior, DataCurta(*dataAnterior)})
                          : std::string("< NÃO localizada >");
    texto += Formatar("\r     DLL atualizada: Versão: %s - Data: %s", {VersaoOuPadrao(caminhoDll_), DataCurta(*dataNova)});
    CaixasAtuais().Informacao(texto);
}

int TProgramaValidadorSintegra::Executar(const std::string& validador) {
    if (!validador.empty()) caminhoValidador_ = validador;
    if (ArquivoExiste(caminhoValidador_)) Implantar();
    return ExecutarEAguardar(caminhoValidador_, "", PastaDe(caminhoValidador_), EstadoJanela::Normal, [] {
        InteracaoAtual().ProcessarEventos();
        return true;
    });
}

}  // namespace zq
