#include "critique/handlers/registros88/Ramos88.h"

#include <array>

#include "platform/Relogio.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/ValidacaoCampos.h"

namespace zq {
namespace {

// The last year of annual data this library knows.
constexpr int kUltimoAnoDadosAnuais = 2018;
// Annual data of a year are due by March of the next one.
constexpr unsigned kUltimoMesEntrega = 3;

constexpr std::string_view kTitulo = "8806 - Dados Anuais";

struct CampoMonetario {
    int posicao;
    std::string_view descricao;
};

constexpr std::array<CampoMonetario, 8> kCampos{{
    {19, "Estoque Tributável"},
    {32, "Estoque Não Tributável"},
    {45, "Estoque Substituição Tributária"},
    {58, "Saldo em Caixa"},
    {71, "Saldo em Bancos"},
    {84, "Despesas com Pessoal"},
    {97, "Outros Impostos e Encargos"},
    {110, "Despesas Gerais"},
}};

}  // namespace

// The annual data: stocks, cash and expenses of a year.
void Ramo8806::Processar(const LinhaRegistro88& linha) {
    EstadoDeclaracao& declaracao = Declaracao();
    Registrar(6);
    if (declaracao.dadosAnuais) declaracao.regimeNormal = false;
    Exigir(5, "REJEIÇÃO (Reg.8806): Não Existe Registro 8805");

    const std::string_view ano = Colunas(linha.texto, 14, 4);
    if (ano.size() == 4 && SoDigitosDecimais(ano)) {
        ConferirAno(std::stoi(std::string(ano)));
    } else {
        Rejeitar("REJEIÇÃO (Reg.8806): Valor informado no campo Periodo é inválido: " + std::string(ano));
    }
    const std::string_view tipo = Colunas(linha.texto, 18, 1);
    if (tipo != "N" && tipo != "R") Rejeitar("REJEIÇÃO (Reg.8806): Não informado tipo da GIM (Normal/Retificado)");
    ValidarCampos(linha.texto);
}

void Ramo8806::ConferirAno(int ano) {
    const EstadoDeclaracao& declaracao = Declaracao();
    const int anoReferencia = declaracao.anoReferencia;
    if (ano > kUltimoAnoDadosAnuais) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8806): Período dos Dados Anuais deve ser menor ou igual a %d",
                          {kUltimoAnoDadosAnuais}));
    }
    if (ano < anoReferencia - 1) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8806): Período dos Dados Anuais menor que %d. Informado no arquivo: %d",
                          {anoReferencia - 1, ano}));
    }
    const int anoCorrente = static_cast<int>(Hoje().year());
    if (ano == anoCorrente && !(declaracao.dadosAnuais && anoReferencia == ano)) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8806): Período dos dados anuais não pode ser igual ao ano corrente. O ano "
                          "corrente no computador é %d.",
                          {anoCorrente}));
    }
    if (anoReferencia == ano + 1 && declaracao.mesReferencia > kUltimoMesEntrega) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8806): Prazo para entrega dos dados anuais do exercício %d já passou.",
                          {anoReferencia - 1}));
    }
}

// Every field is checked, whatever the result of the others.
void Ramo8806::ValidarCampos(const std::string& linha) {
    for (const CampoMonetario& campo : kCampos) {
        ValidarCampoMonetario(linha, campo.posicao, 13, kTitulo, campo.descricao, contexto_.mensagens.ListaRejeicoes);
    }
}

}  // namespace zq
