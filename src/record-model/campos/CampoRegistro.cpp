#include "record-model/campos/CampoRegistro.h"

#include <stdexcept>

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

TCampoRegistro::TCampoRegistro(TRegSintegra* registro, int posicao, int tamanho)
    : registro_(registro), posicao_(posicao), tamanho_(tamanho) {
    ValidarColunas(posicao, tamanho);
    if (registro_ != nullptr) registro_->Registrar(*this);
}

void TCampoRegistro::SetColunas(int posicao, int tamanho) {
    ValidarColunas(posicao, tamanho);
    posicao_ = posicao;
    tamanho_ = tamanho;
}

void TCampoRegistro::MarcarAlterado() {
    if (registro_ != nullptr) registro_->SetAlterado(true);
}

// Columns are fixed by the record classes: a field outside its line is a fault of the class.
void TCampoRegistro::ValidarColunas(int posicao, int tamanho) const {
    const int primeiraColuna = registro_ != nullptr ? static_cast<int>(registro_->Tipo().size()) + 1 : 1;
    if (posicao < primeiraColuna || tamanho < 0) {
        throw std::invalid_argument(
            Formatar("Campo na coluna %d, de tamanho %d, fora da linha do registro", {posicao, tamanho}));
    }
}

}  // namespace zq
