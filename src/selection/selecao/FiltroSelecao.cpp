#include "selection/selecao/FiltroSelecao.h"

#include <algorithm>

#include "platform/Relogio.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

// The filter's period, without surrounding blanks; empty also when it is just a separator of the mask.
std::string PeriodoDoFiltro(const TFiltroDeclaracoes& filtro) {
    std::string periodo = AparaEspacos(filtro.Periodo);
    return periodo == "-" || periodo == "/" ? std::string() : periodo;
}

const char* NomeDoTipo(TTipoDeclaracao tipo) { return tipo == TTipoDeclaracao::Gim ? kTipoGim : kTipoDadosAnuais; }

bool DentroDoLimite(const std::string& periodo, const TFiltroDeclaracoes& filtro, const TLimitesPeriodo& limites) {
    return periodo <= (filtro.Tipo == TTipoDeclaracao::Gim ? limites.Gim : limites.DadosAnuais);
}

bool FinalidadePermitida(const std::string& finalidade, const TFiltroDeclaracoes& filtro) {
    return (finalidade == "N" && filtro.Normal) || (finalidade == "R" && filtro.Retificadora);
}

bool Seleciona(const TDeclaracaoSintegra& linha, const TFiltroDeclaracoes& filtro, const TLimitesPeriodo& limites) {
    const std::string periodo = PeriodoDoFiltro(filtro);
    if (AparaEspacos(filtro.Periodo).size() >= 6 &&
        (linha.Tipo != NomeDoTipo(filtro.Tipo) || linha.codRegApuracao != filtro.Regime)) {
        return false;
    }
    if (!periodo.empty() && linha.Periodo != periodo) return false;
    if (!DentroDoLimite(linha.Periodo, filtro, limites)) return false;
    return FinalidadePermitida(linha.Finalidade, filtro);
}

// Joins a reason to the text so far: alone it begins with its capital, after another with " e ".
void Acrescentar(std::string& texto, const std::string& sozinho, const std::string& emSeguida) {
    texto = texto.empty() ? sozinho : AparaEspacos(texto) + emSeguida;
}

std::string Motivos(const TDeclaracaoSintegra& linha, const TFiltroDeclaracoes& filtro,
                    const TLimitesPeriodo& limites) {
    const std::string periodo = PeriodoDoFiltro(filtro);
    const bool tipo = linha.Tipo != NomeDoTipo(filtro.Tipo);
    const bool regime = linha.codRegApuracao != 0 && linha.codRegApuracao != filtro.Regime;
    const bool periodoDiferente =
        (!periodo.empty() && linha.Periodo != periodo) || !DentroDoLimite(linha.Periodo, filtro, limites);
    const bool finalidade = !FinalidadePermitida(linha.Finalidade, filtro);

    std::string texto;
    if (tipo) texto = "Declaração não é do tipo selecionado para a transmissão";
    if (periodoDiferente && !periodo.empty()) {
        Acrescentar(texto, "Período não é igual ao selecionado para a transmissão",
                    " e o período não é igual ao selecionado para a transmissão");
    }
    if (finalidade) {
        Acrescentar(texto, "A finalidade não é igual a selecionada para a transmissão",
                    " e a finalidade não é igual a selecionada para a transmissão");
    }
    if (regime) {
        Acrescentar(texto, "O regime não é igual ao selecionado para a transmissão",
                    " e o regime não é igual ao selecionado para a transmissão");
    }
    return texto;
}

}  // namespace

TLimitesPeriodo LimitesDeHoje() {
    const auto hoje = Hoje();
    const int ano = static_cast<int>(hoje.year());
    return {Formatar("%.4d-%.2d", {ano, static_cast<unsigned>(hoje.month())}), Formatar("%.4d", {ano})};
}

void SelecionarDeclaracoes(const TTabelaSintegra& sintegra, const TFiltroDeclaracoes& filtro,
                           const TLimitesPeriodo& limites, TTabelaSintegra& selecao) {
    selecao.Esvaziar();
    for (const auto& linha : sintegra.Linhas()) {
        if (Seleciona(linha, filtro, limites)) selecao.Acrescentar(linha);
    }
    selecao.Primeiro();
}

void ListarNaoSelecionadas(const TTabelaSintegra& sintegra, const TTabelaSintegra& selecao,
                           const TFiltroDeclaracoes& filtro, const TLimitesPeriodo& limites,
                           TTabelaResProces& naoSelecionadas) {
    naoSelecionadas.Esvaziar();
    const bool comPeriodo = !PeriodoDoFiltro(filtro).empty();
    for (const auto& linha : sintegra.Linhas()) {
        const bool selecionada = std::any_of(selecao.Linhas().begin(), selecao.Linhas().end(), [&](const auto& s) {
            return s.Inscricao == linha.Inscricao && s.Finalidade == linha.Finalidade &&
                   (!comPeriodo || s.Periodo == linha.Periodo);
        });
        if (selecionada) continue;
        naoSelecionadas.Acrescentar({linha.Inscricao, linha.Periodo, linha.Finalidade, linha.RazaoSocial,
                                     Motivos(linha, filtro, limites), linha.Tipo, linha.codRegApuracao});
    }
    naoSelecionadas.Primeiro();
}

}  // namespace zq
