#include "critique/handlers/ProcessadorRegistro71.h"

#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr std::size_t kTamanhoLinha = 126;

}  // namespace

void ProcessadorRegistro71::Processar(const LinhaCritica& linha) {
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    if (linha.texto.size() != kTamanhoLinha) {
        rejeicoes.push_back(Formatar("REJEIÇÃO (REG.71): A linha %d não tem 126 posições.", {linha.numero}));
    }
    try {
        registro_.SetLinha(linha.texto);
    } catch (const ERegSintegraInvalido& invalido) {
        for (const ErroRegistro& erro : invalido.Erros()) {
            if (erro.Campo == nullptr) {
                rejeicoes.push_back(erro.Texto);
            } else {
                rejeicoes.push_back(Formatar("REJEICAO (REG.%s): Campo: %s - Erro: %s.",
                                             {erro.Texto, erro.Campo->Descricao(), erro.Campo->Erro()}));
            }
        }
    } catch (const std::exception& erro) {
        rejeicoes.push_back(MensagemDe(erro));
    }
}

}  // namespace zq
