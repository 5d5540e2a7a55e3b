#include "critique/handlers/ProcessadorRegistro10.h"

#include <system_error>

#include "critique/ArquivoTemporario.h"
#include "critique/EnderecoSite.h"
#include "platform/Plataforma.h"
#include "platform/Relogio.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/NumeroOuZero.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

using std::chrono::year_month;

// The months a library of this version accepts for a monthly declaration.
constexpr year_month kInicioValidade = std::chrono::year{2000} / std::chrono::January;
constexpr year_month kFimValidade = std::chrono::year{2018} / std::chrono::December;
constexpr year_month kJaneiro2005 = std::chrono::year{2005} / std::chrono::January;

// The reference month of record 10 (columns 108-113); 12/1990 where its digits are missing.
year_month Referencia(const std::string& linha) {
    const int ano = NumeroOuZero(Colunas(linha, 108, 4));
    const int mes = NumeroOuZero(Colunas(linha, 112, 2));
    return std::chrono::year{ano > 0 ? ano : 1990} / std::chrono::month{static_cast<unsigned>(mes > 0 ? mes : 12)};
}

std::string MesAno(year_month mes) {
    return Formatar("%.2d/%.4d", {static_cast<unsigned>(mes.month()), static_cast<int>(mes.year())});
}

std::string MesAno(const std::chrono::year_month_day& data) { return MesAno(data.year() / data.month()); }

}  // namespace

void ProcessadorRegistro10::Processar(const LinhaCritica& linha) {
    const std::string& texto = linha.texto;
    IniciarDeclaracao();

    EstadoDeclaracao& declaracao = contexto_.declaracao;
    const year_month referencia = Referencia(texto);
    declaracao.codigoConvenio = NumeroOuZero(Colunas(texto, 124, 1));
    declaracao.anoReferencia = static_cast<int>(referencia.year());
    declaracao.mesReferencia = static_cast<unsigned>(referencia.month());
    declaracao.periodoReferencia = referencia / std::chrono::day{1};
    contexto_.cabecalho.referencia = referencia;
    registro10_.SetLinha(texto);
    contexto_.cabecalho.inscricaoEstadual = registro10_.InscricaoEstadual();
    contexto_.cabecalho.razaoSocial = registro10_.RazaoSocial();

    if (Maiusculas(Colunas(texto, 64, 2)) == "DA") {
        declaracao.dadosAnuais = true;
        declaracao.regimeNormal = false;
        declaracao.regimeEpp = false;
        declaracao.apos012005 = true;
        declaracao.chaveGim = std::string(Aparar(Colunas(texto, 17, 14))) +
                              Formatar("%.4d%.2d", {declaracao.anoReferencia, declaracao.mesReferencia}) +
                              (registro10_.CodigoFinalidade() == '1' ? 'N' : 'R');
    } else {
        ConferirValidade(referencia);
        declaracao.apos012005 = referencia > kJaneiro2005;
    }
    ConferirCampos(texto);
    complementos_.regraEspecial->SelecionarContribuinte(registro10_.InscricaoEstadual());
}

// A fresh declaration state, and no document left over from an earlier call.
void ProcessadorRegistro10::IniciarDeclaracao() {
    contexto_.declaracao = EstadoDeclaracao{};
    contexto_.semMovimento = true;

    std::error_code erro;
    std::filesystem::remove(ArquivoTemporario(), erro);
    const auto pasta = PastaArquivoTemporario();
    std::filesystem::create_directories(pasta, erro);
    if (!std::filesystem::is_directory(pasta, erro)) {
        throw Excecao(Formatar("Não consegui criar a árvore %s.", {CaminhoCp1252(pasta)}));
    }
}

void ProcessadorRegistro10::ConferirValidade(year_month referencia) {
    if (referencia >= kInicioValidade && referencia <= kFimValidade) return;
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    rejeicoes.push_back("REJEIÇÃO: Período da GIM fora do período de validade da Morvanta.DLL. ");
    rejeicoes.push_back("Morvanta.DLL válida no período de " + MesAno(kInicioValidade) + " a " + MesAno(kFimValidade));
    rejeicoes.push_back(std::string("Para maiores informações consulte o endereço ") + kEnderecoSiteXar);
}

void ProcessadorRegistro10::ConferirCampos(const std::string& linha) {
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    const std::chrono::year_month_day hoje = Hoje();
    if (registro10_.DataInicial() && hoje < *registro10_.DataInicial()) {
        rejeicoes.push_back(Formatar("REJEIÇÃO (REG.10): O período da GIM é superir ao mês do computador. Período da "
                                     "GIM: %s. Data do computador: %s.",
                                     {MesAno(*registro10_.DataInicial()), MesAno(hoje)}));
    }
    if (!registro10_.InscricaoEstadual().starts_with("16")) {
        rejeicoes.push_back("REJEIÇÃO (REG.10): A inscrição estadual não é da Corvena");
    }
    if (registro10_.CodigoNatureza() != '3') {
        rejeicoes.push_back("REJEIÇÃO (REG.10): Natureza das informações deve ter valor \"3\"");
    }
    if (Colunas(linha, 112, 2) != Colunas(linha, 120, 2)) {
        rejeicoes.push_back("REJEIÇÃO (REG.10): Datas inicial e final devem estar no mesmo periodo!");
    }
    const char finalidade = registro10_.CodigoFinalidade();
    if (finalidade != '1' && finalidade != '2') {
        rejeicoes.push_back(Formatar("REJEIÇÃO (REG.10): Finalidade da declaração deve ser 1 ou 2 para a ZQ. A "
                                     "finalidade informada foi %s.",
                                     {Colunas(linha, 126, 1)}));
    }
    const char convenio = registro10_.CodigoConvenio();
    if (convenio != '1' && convenio != '2' && convenio != '3') {
        rejeicoes.push_back("REJEIÇÃO (REG.10): Código do Convênio inválido para ZQ");
    }
}

}  // namespace zq
