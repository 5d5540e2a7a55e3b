#include "critique/handlers/registros88/RamosApuracao88.h"

namespace zq {

// The GIM of a Simples Nacional taxpayer, in place of the normal regime's 8801 and 8802.
void Ramo8818::Processar(const LinhaRegistro88& linha) {
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    // Without an 8804 the earlier lines took the declaration for a normal one and missed its records.
    if (Declaracao().Registro88(4).quantidade == 0) rejeicoes = TGimSN::FiltrarAusencias(rejeicoes);
    AdotarRegimeSimples();
    if (objetos_.complementos.simplesNacional->Ler(linha.texto, rejeicoes)) Verificar();
}

void Ramo8818::AdotarRegimeSimples() {
    EstadoDeclaracao& declaracao = Declaracao();
    declaracao.regimeSimples = true;
    declaracao.dadosAnuais = false;
    declaracao.regimeNormal = false;
    for (const int subtipo : {1, 2, 4}) declaracao.Registro88(subtipo).presente = true;
}

void Ramo8818::Verificar() {
    const TGimSN& simples = *objetos_.complementos.simplesNacional;
    const DadosRegistro10& registro10 = Registro10();
    const EstadoDeclaracao& declaracao = Declaracao();
    const TAcumReg53& registros53 = objetos_.acumReg53;
    MensagensGimSN mensagens{contexto_.mensagens.ListaRejeicoes, contexto_.mensagens.ListaAdvertencias};

    simples.VerificarInscricao(registro10.inscricao, mensagens);
    simples.VerificarPeriodo(registro10.periodo, mensagens);
    simples.VerificarTipo(std::string(1, registro10.tipoEntrega), mensagens);
    simples.VerificarRegime(mensagens);
    simples.VerificarQuantidade(mensagens);
    simples.VerificarEntradas(mensagens);
    const Moeda retidoFonte = registros53.RetidoSaidasSemAntecipacao();
    simples.VerificarRetidoFonte(retidoFonte, mensagens);
    simples.VerificarSubstituicaoSaida(registros53.RetidoSaidas() - retidoFonte, mensagens);
    simples.VerificarCategoria(mensagens);
    simples.VerificarFilial(registro10.cnpj, mensagens);
    simples.VerificarMatriz(registro10.cnpj, mensagens);
    simples.VerificarMovimento(declaracao.quantidade50, declaracao.quantidade60M, declaracao.quantidade76,
                               declaracao.quantidade70, declaracao.quantidade61, mensagens);
}

}  // namespace zq
