#include "gim-records/detalhes/RegDetalhe.h"

#include <algorithm>
#include <stdexcept>

#include "record-model/campos/Conversoes.h"
#include "record-model/campos/ValidacaoCampos.h"

namespace zq {

TRegDetalhe::TRegDetalhe(std::string titulo, std::span<const CampoDetalhe> campos)
    : titulo_(std::move(titulo)), campos_(campos), linha_("8800") {
    for (const CampoDetalhe& campo : campos_) {
        const char preenchimento = campo.verificacao == VerificacaoCampo::Nenhuma ? ' ' : '0';
        linha_.resize(static_cast<std::size_t>(campo.posicao - 1), ' ');
        linha_.append(static_cast<std::size_t>(campo.tamanho), preenchimento);
    }
}

bool TRegDetalhe::Ler(std::string_view linha, std::vector<std::string>& rejeicoes) {
    if (!Verificar(linha, rejeicoes)) return false;
    Aceitar(linha);
    return true;
}

bool TRegDetalhe::Verificar(std::string_view linha, std::vector<std::string>& rejeicoes) const {
    bool valida = true;
    for (const CampoDetalhe& campo : campos_) {
        const int p = campo.posicao;
        const int t = campo.tamanho;
        switch (campo.verificacao) {
            case VerificacaoCampo::Nenhuma:
                continue;
            case VerificacaoCampo::Monetario:
                valida &= ValidarCampoMonetario(linha, p, t, titulo_, campo.rotulo, rejeicoes);
                break;
            case VerificacaoCampo::Inteiro:
                valida &= ValidarCampoInteiro(linha, p, t, titulo_, campo.rotulo, rejeicoes);
                break;
            case VerificacaoCampo::Inteiro64:
                valida &= ValidarCampoInteiro64(linha, p, t, titulo_, campo.rotulo, rejeicoes);
                break;
            case VerificacaoCampo::Decimal:
                valida &= ValidarCampoDecimal(linha, p, t, titulo_, campo.rotulo, campo.decimais, rejeicoes);
                break;
        }
    }
    return valida;
}

void TRegDetalhe::Aceitar(std::string_view linha) {
    linha_.assign(linha);
    ++quantidade_;
    Contar();
}

const CampoDetalhe& TRegDetalhe::Campo(int numero) const {
    const auto campo = std::find_if(campos_.begin(), campos_.end(),
                                    [numero](const CampoDetalhe& c) { return c.numero == numero; });
    if (campo == campos_.end()) {
        throw std::logic_error("campo " + std::to_string(numero) + " fora da tabela de " + titulo_);
    }
    return *campo;
}

std::string_view TRegDetalhe::ColunasDoCampo(std::string_view linha, int campo) const {
    const CampoDetalhe& c = Campo(campo);
    return Colunas(linha, c.posicao, c.tamanho);
}

std::string_view TRegDetalhe::Texto(int campo) const { return ColunasDoCampo(linha_, campo); }

std::int32_t TRegDetalhe::Inteiro(int campo) const { return InteiroDoTexto(Texto(campo)); }

std::int64_t TRegDetalhe::Inteiro64(int campo) const { return Inteiro64DoTexto(Texto(campo)); }

Moeda TRegDetalhe::Monetario(int campo) const { return MonetarioDoTexto(Texto(campo), 2); }

double TRegDetalhe::Decimal(int campo) const { return DecimalDoTexto(Texto(campo), Campo(campo).decimais); }

void ListaTanques::Acrescentar(int tanque) {
    std::string texto = std::to_string(tanque);
    if (!Contem(texto)) tanques_.push_back(std::move(texto));
}

bool ListaTanques::Contem(std::string_view tanque) const {
    return std::find(tanques_.begin(), tanques_.end(), tanque) != tanques_.end();
}

}  // namespace zq
