#include "critique/handlers/ProcessadorRegistro88.h"

#include <algorithm>
#include <stdexcept>

#include "critique/handlers/registros88/Ramo8829.h"
#include "critique/handlers/registros88/Ramos88.h"
#include "critique/handlers/registros88/RamosDetalhe88.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/TextoParaInteiro.h"

namespace zq {
namespace {

constexpr std::size_t kTamanhoLinha = 126;

// Details of operations, meaningless without national records.
bool ExigeMovimento(int subtipo) {
    return (subtipo >= 19 && subtipo <= 25) || subtipo == 27 || subtipo == 28 || subtipo == 50;
}

bool DetalheMensal(int subtipo) { return subtipo >= 19 && subtipo <= 50; }

template <class Ramo>
void Registrar(TabelaRamos88& ramos, int subtipo, ContextoCritica& contexto, ObjetosDeclaracao& objetos) {
    ramos[static_cast<std::size_t>(subtipo)] = std::make_unique<Ramo>(contexto, objetos);
}

}  // namespace

ProcessadorRegistro88::ProcessadorRegistro88(ContextoCritica& contexto, ObjetosDeclaracao& objetos)
    : contexto_(contexto), registros88_(objetos.registros88) {
    Registrar<Ramo8801>(ramos_, 1, contexto, objetos);
    Registrar<Ramo8802>(ramos_, 2, contexto, objetos);
    Registrar<Ramo8803>(ramos_, 3, contexto, objetos);
    Registrar<Ramo8804>(ramos_, 4, contexto, objetos);
    Registrar<Ramo8805>(ramos_, 5, contexto, objetos);
    Registrar<Ramo8806>(ramos_, 6, contexto, objetos);
    Registrar<Ramo8815>(ramos_, 15, contexto, objetos);
    Registrar<Ramo8816>(ramos_, 16, contexto, objetos);
    Registrar<Ramo8829>(ramos_, 29, contexto, objetos);
    Registrar<Ramo8850>(ramos_, 50, contexto, objetos);
    RegistrarRamosDetalhe(ramos_, contexto, objetos);
}

void ProcessadorRegistro88::Processar(const LinhaCritica& linha) {
    const std::string& texto = linha.texto;
    ++contexto_.declaracao.quantidade88;
    if (texto.size() != kTamanhoLinha) {
        contexto_.mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg. %s) : O tamanho do registro está incorreto. O registro deve ter 126 posições. A "
                     "linha do arquivo é a de número %d.",
                     {Colunas(texto, 1, 4), linha.numero}));
    }
    const int subtipo = TextoParaInteiro(Colunas(texto, 3, 2));  // not a number: the pass ends
    AnotarSubtipo(subtipo);
    ConferirTipoDeDeclaracao(subtipo);

    const std::size_t errosAntes = registros88_.Erros().size();
    registros88_.Adicionar(texto);
    if (Ramo88* ramo = ramos_[static_cast<std::size_t>(subtipo)].get()) {
        const std::span<const ErroRegistro> erros(registros88_.Erros());
        ramo->Processar(LinhaRegistro88{texto, linha.numero, erros.subspan(errosAntes)});
    }
}

void ProcessadorRegistro88::AnotarSubtipo(int subtipo) {
    std::vector<int>& subtipos = contexto_.declaracao.subtipos88;
    if (std::find(subtipos.begin(), subtipos.end(), subtipo) == subtipos.end()) subtipos.push_back(subtipo);
}

void ProcessadorRegistro88::ConferirTipoDeDeclaracao(int subtipo) {
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    if (contexto_.semMovimento && ExigeMovimento(subtipo)) {
        rejeicoes.push_back(Formatar("REJEIÇÃO: Detalhe %d não permitido em uma GIM sem movimento", {subtipo}));
    }
    if (contexto_.declaracao.dadosAnuais && DetalheMensal(subtipo)) {
        rejeicoes.push_back(Formatar("REJEIÇÃO: Detalhe %d não permitido em uma GIM dados anuais", {subtipo}));
    }
}

}  // namespace zq
