#include "critique/handlers/registros88/Ramo88.h"

#include <algorithm>
#include <cstdint>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {

void RamoRegistro88::RejeitarOuAdiar(std::string mensagem) {
    RegraEspecial& regra = *objetos_.complementos.regraEspecial;
    if (regra.Existe()) {
        regra.Adiar(std::move(mensagem));
    } else {
        Rejeitar(std::move(mensagem));
    }
}

void RamoRegistro88::Registrar(int subtipo) {
    Ocorrencia88& ocorrencia = Declaracao().Registro88(subtipo);
    ocorrencia.presente = true;
    ++ocorrencia.quantidade;
}

void RamoRegistro88::Exigir(int subtipo, const char* rejeicao) {
    Ocorrencia88& ocorrencia = Declaracao().Registro88(subtipo);
    if (ocorrencia.presente) return;
    Rejeitar(rejeicao);
    ocorrencia.presente = true;
}

void RamoRegistro88::RelatarErros(const LinhaRegistro88& linha) {
    for (const ErroRegistro& erro : linha.erros) {
        if (erro.Campo == nullptr) {
            Rejeitar(erro.Texto);
        } else {
            Rejeitar(Formatar("REJEICAO (REG.%s): Campo: %s - Erro: %s.",
                              {erro.Texto, erro.Campo->Descricao(), erro.Campo->Erro()}));
        }
    }
}

Moeda RamoRegistro88::DebitosApurados() const {
    const EstadoDeclaracao& declaracao = contexto_.declaracao;
    return declaracao.debitosSaidas50e76 + declaracao.debitosSaidas70 + declaracao.debitos60 +
           objetos_.reg61Acumulado.ValorIcms();
}

std::string_view ColunasAparadas(std::string_view linha, int posicao, int tamanho) {
    return Aparar(Colunas(linha, posicao, tamanho));
}

bool SoDigitosDecimais(std::string_view texto) {
    return !texto.empty() && std::all_of(texto.begin(), texto.end(), IsDigito);
}

std::string ValorDecimalSimples(Moeda valor) {
    const std::int64_t unidades = valor.Unidades();
    const std::uint64_t magnitude =
        unidades < 0 ? 0 - static_cast<std::uint64_t>(unidades) : static_cast<std::uint64_t>(unidades);
    const auto escala = static_cast<std::uint64_t>(Moeda::kEscala);
    std::string texto = unidades < 0 ? "-" : "";
    texto += std::to_string(magnitude / escala);
    std::string fracao = std::to_string(magnitude % escala);
    fracao.insert(0, 4 - fracao.size(), '0');
    fracao.erase(fracao.find_last_not_of('0') + 1);
    if (!fracao.empty()) texto += ',' + fracao;
    return texto;
}

}  // namespace zq
