#include "record-model/campos/RegSintegra.h"

#include <algorithm>
#include <array>

#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

constexpr std::array kTiposValidos{10, 11, 50, 51, 53, 54, 55, 56, 60, 61, 70, 71, 74, 75, 76, 77, 88, 90};

// The number of the first two characters of the prefix, 0 when they are not one.
int NumeroDoTipo(std::string_view tipo) {
    const std::string_view inicio = tipo.substr(0, 2);
    if (inicio.empty() || !std::all_of(inicio.begin(), inicio.end(), IsDigito)) return 0;
    int numero = 0;
    for (char c : inicio) numero = numero * 10 + (c - '0');
    return numero;
}

}  // namespace

ERegSintegraInvalido::ERegSintegraInvalido(const std::string& tipo, const ListaErros& erros)
    : Excecao(tipo), erros_(std::make_shared<const ListaErros>(erros)) {}

TRegSintegra::TRegSintegra(std::string tipo, int tamanhoMinimo)
    : tipo_(std::move(tipo)), tamanhoMinimo_(tamanhoMinimo), numeroTipo_(NumeroDoTipo(tipo_)) {
    if (std::find(kTiposValidos.begin(), kTiposValidos.end(), numeroTipo_) == kTiposValidos.end()) {
        throw Excecao(Formatar("Tipo de registro Sintegra inválido: %d", {numeroTipo_}));
    }
}

void TRegSintegra::Limpar() {
    linha_.clear();
    LimparCampos();
    SetAlterado(false);
    presente_ = false;
    erros_.clear();
}

void TRegSintegra::SetLinha(std::string_view linha) {
    if (linha.empty()) {
        Limpar();
        return;
    }
    if (linha.substr(0, tipo_.size()) != tipo_) {
        throw Excecao(
            Formatar("(Registro %s) Tipo de registro diferente do esperado!\rConteúdo da linha: '%s'", {tipo_, linha}));
    }
    if (ExigeTamanho() && linha.size() < static_cast<std::size_t>(tamanhoMinimo_)) {
        throw Excecao(Formatar(
            "(Registro %s) Linha de tamanho %d, menor que o tamanho mínimo aceitável (%d)!\rConteúdo da linha: '%s'",
            {tipo_, linha.size(), tamanhoMinimo_, linha}));
    }
    linha_.assign(linha);
    erros_.clear();
    presente_ = true;
    LerCampos(linha_);
    if (!erros_.empty()) throw ERegSintegraInvalido(tipo_, erros_);
    SetAlterado(false);
}

std::string TRegSintegra::GetLinha() {
    if (!presente_) return {};
    if (alterado_) linha_ = tipo_ + MontarCampos();
    SetAlterado(false);
    std::string resultado = linha_;
    if (resultado.size() < static_cast<std::size_t>(tamanhoMinimo_)) {
        resultado.resize(static_cast<std::size_t>(tamanhoMinimo_), ' ');
    }
    return resultado;
}

void TRegSintegra::SetAlterado(bool alterado) {
    alterado_ = alterado;
    if (alterado) presente_ = true;
}

void TRegSintegra::LerCampo(std::string_view linha, TCampoSintegra& campo) {
    if (!campo.LerLinha(linha)) erros_.push_back({tipo_, &campo});
    SetAlterado(true);
}

void TRegSintegra::LimparCampos() {
    for (TCampoRegistro* campo : campos_) campo->Limpar();
}

// Each field at its columns, in column order, so that a text longer than its width never moves the fields
// after it (the next field writes over the excess); columns no field covers are spaces.
std::string TRegSintegra::MontarCampos() {
    std::vector<const TCampoRegistro*> ordem(campos_.begin(), campos_.end());
    std::stable_sort(ordem.begin(), ordem.end(),
                     [](const TCampoRegistro* a, const TCampoRegistro* b) { return a->Posicao() < b->Posicao(); });
    std::string corpo;
    std::string texto;
    for (const TCampoRegistro* campo : ordem) {
        if (campo->Tamanho() == 0) continue;
        texto.clear();
        campo->Montar(texto);
        const std::size_t inicio = static_cast<std::size_t>(campo->Posicao()) - 1 - tipo_.size();
        if (corpo.size() < inicio + texto.size()) corpo.resize(inicio + texto.size(), ' ');
        corpo.replace(inicio, texto.size(), texto);
    }
    return corpo;
}

void TRegSintegra::LerCampos(std::string_view linha) {
    for (TCampoRegistro* campo : campos_) {
        if (campo->Tamanho() == 0) {
            campo->Limpar();
        } else {
            campo->Ler(linha);
        }
    }
}

void TRegSintegra::AdicionarErro(std::string mensagem) { erros_.push_back({std::move(mensagem), nullptr}); }

void TRegSintegra::Registrar(TCampoRegistro& campo) { campos_.push_back(&campo); }

}  // namespace zq
