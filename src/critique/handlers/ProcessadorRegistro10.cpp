#include "critique/handlers/ProcessadorRegistro10.h"

#include "record-model/Conversoes.h"
#include "record-model/NumeroOuZero.h"

namespace zq {
namespace {

// The reference month of record 10 (columns 108-113); 12/1990 where its digits are missing.
std::chrono::year_month Referencia(const std::string& linha) {
    const int ano = NumeroOuZero(Colunas(linha, 108, 4));
    const int mes = NumeroOuZero(Colunas(linha, 112, 2));
    return std::chrono::year{ano > 0 ? ano : 1990} / std::chrono::month{static_cast<unsigned>(mes > 0 ? mes : 12)};
}

}  // namespace

void ProcessadorRegistro10::Processar(const LinhaCritica& linha) {
    contexto_.semMovimento = true;
    contexto_.cabecalho.referencia = Referencia(linha.texto);
    registro10_.SetLinha(linha.texto);
    contexto_.cabecalho.inscricaoEstadual = registro10_.InscricaoEstadual();
    contexto_.cabecalho.razaoSocial = registro10_.RazaoSocial();
}

}  // namespace zq
