#include "record-model/campos/CamposRegistro.h"

#include <algorithm>

#include "record-model/comum/Texto.h"

namespace zq {

namespace normalizacao {

void ComoLido(std::string_view texto, std::string& destino) { destino.assign(texto.data(), texto.size()); }

void Digitos(std::string_view texto, std::string& destino) { SoDigitos(texto, destino); }

void LetrasEDigitos(std::string_view texto, std::string& destino) {
    SoAlfanumericos(texto, destino);
    std::transform(destino.begin(), destino.end(), destino.begin(), MaiusculaAscii);
}

void Inscricao(std::string_view texto, std::string& destino) {
    LetrasEDigitos(texto, destino);
    if (destino.empty()) destino = "ISENTO";
}

void Aparado(std::string_view texto, std::string& destino) {
    const std::string_view aparado = Aparar(texto);
    destino.assign(aparado.data(), aparado.size());
}

void Maiusculo(std::string_view texto, std::string& destino) { Maiusculas(texto, destino); }

void AparadoMaiusculo(std::string_view texto, std::string& destino) { Maiusculas(Aparar(texto), destino); }

void Normalizado(std::string_view texto, std::string& destino) { NormalizarTexto(texto, destino); }

}  // namespace normalizacao

TCampoTexto::TCampoTexto(TRegSintegra& registro, int posicao, int tamanho, Normalizacao normalizacao,
                         Preenchimento preenchimento)
    : TCampoRegistro(&registro, posicao, tamanho), normalizacao_(normalizacao), preenchimento_(preenchimento) {}

void TCampoTexto::Set(std::string_view valor) {
    normalizacao_(valor, valor_);
    MarcarAlterado();
}

void TCampoTexto::Montar(std::string& linha) const {
    linha += preenchimento_ == Preenchimento::ZerosAEsquerda ? PreencherZeros(valor_, Tamanho())
                                                             : PreencherDireita(valor_, Tamanho(), ' ');
}

void TCampoTexto::Limpar() {
    valor_.clear();
    MarcarAlterado();
}

TCampoCaractere::TCampoCaractere(TRegSintegra& registro, int posicao, bool maiusculo)
    : TCampoRegistro(&registro, posicao, 1), maiusculo_(maiusculo) {}

void TCampoCaractere::Set(char valor) {
    valor_ = maiusculo_ && valor >= 'a' && valor <= 'z' ? static_cast<char>(valor - 'a' + 'A') : valor;
    MarcarAlterado();
}

void TCampoCaractere::Ler(std::string_view linha) {
    const std::string_view colunas = ColunasDe(linha);
    Set(colunas.empty() ? '\0' : colunas.front());
}

void TCampoCaractere::Montar(std::string& linha) const { linha += valor_ == '\0' ? ' ' : valor_; }

void TCampoData::Montar(std::string& linha) const { linha += Valor() ? DataParaTexto(*Valor()) : "00000000"; }

void TCampoCfop::SetCodigo(std::int32_t codigo) {
    cfop_.SetCodigo(codigo);
    MarcarAlterado();
}

void TCampoCfop::SetTexto(std::string_view texto) {
    cfop_.SetTexto(texto);
    MarcarAlterado();
}

void TCampoCfop::Montar(std::string& linha) const { linha += PreencherDireita(cfop_.Texto(), Tamanho(), ' '); }

}  // namespace zq
