#include "record-model/campos/CampoSintegra.h"

#include <utility>

#include "record-model/campos/Conversoes.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

TCampoSintegra::TCampoSintegra(TipoCampo tipo, int decimais, int tamanho, int posicao, std::string descricao)
    : TCampoSintegra(nullptr, tipo, decimais, tamanho, posicao, std::move(descricao)) {}

TCampoSintegra::TCampoSintegra(TRegSintegra& registro, TipoCampo tipo, int decimais, int tamanho, int posicao,
                               std::string descricao)
    : TCampoSintegra(&registro, tipo, decimais, tamanho, posicao, std::move(descricao)) {}

// A new descriptor holds its cleared text, valid for every kind; creating it does not make its record present.
TCampoSintegra::TCampoSintegra(TRegSintegra* registro, TipoCampo tipo, int decimais, int tamanho, int posicao,
                               std::string descricao)
    : TCampoRegistro(registro, posicao, tamanho),
      tipo_(tipo),
      decimais_(decimais),
      descricao_(std::move(descricao)),
      conteudo_(TextoLimpo()) {}

bool TCampoSintegra::LerLinha(std::string_view linha) {
    conteudo_.assign(ColunasDe(linha));
    return Validar();
}

void TCampoSintegra::SetConteudo(std::string_view texto) {
    conteudo_.assign(texto);
    MarcarAlterado();
    Validar();
}

bool TCampoSintegra::Validar() {
    erro_.clear();
    try {
        switch (tipo_) {
            case tcAlfanumerico: break;
            case tcInteiro: InteiroDoTexto(conteudo_); break;
            case tcDecimal: DecimalDoTexto(conteudo_, decimais_); break;
            case tcMonetario: MonetarioDoTexto(conteudo_, decimais_); break;
            case tcData: DataDoTexto(conteudo_); break;
        }
    } catch (const EFormatoInvalido& erro) {
        erro_ = erro.Mensagem();
    }
    return erro_.empty();
}

void TCampoSintegra::SetMonetario(Moeda valor) { Atribuir(MonetarioParaCampo(Tamanho(), decimais_, valor)); }

void TCampoSintegra::SetDecimal(double valor) { Atribuir(DecimalParaCampo(Tamanho(), decimais_, valor)); }

void TCampoSintegra::SetInteiro(std::int32_t valor) { Atribuir(InteiroParaCampo(Tamanho(), valor)); }

void TCampoSintegra::SetData(const std::chrono::year_month_day& data) { Atribuir(DataParaTexto(data)); }

Moeda TCampoSintegra::AsMonetario() const { return MonetarioDoTexto(conteudo_, decimais_); }

double TCampoSintegra::AsDecimal() const { return DecimalDoTexto(conteudo_, decimais_); }

std::int32_t TCampoSintegra::AsInteiro() const { return InteiroDoTexto(conteudo_); }

std::chrono::year_month_day TCampoSintegra::AsData() const { return DataDoTexto(conteudo_); }

void TCampoSintegra::Ler(std::string_view linha) {
    if (Registro() != nullptr) {
        Registro()->LerCampo(linha, *this);
    } else {
        LerLinha(linha);
    }
}

void TCampoSintegra::Montar(std::string& linha) const { linha += conteudo_; }

void TCampoSintegra::Limpar() {
    erro_.clear();
    Atribuir(TextoLimpo());
}

// Zeros filling the width for the number kinds, an empty text for the others.
std::string TCampoSintegra::TextoLimpo() const {
    switch (tipo_) {
        case tcInteiro: return InteiroParaCampo(Tamanho(), 0);
        case tcDecimal: return DecimalParaCampo(Tamanho(), decimais_, 0);
        case tcMonetario: return MonetarioParaCampo(Tamanho(), decimais_, Moeda());
        case tcAlfanumerico:
        case tcData: break;
    }
    return {};
}

void TCampoSintegra::Atribuir(std::string texto) {
    conteudo_ = std::move(texto);
    MarcarAlterado();
}

}  // namespace zq
