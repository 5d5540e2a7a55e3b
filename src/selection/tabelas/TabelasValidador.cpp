#include "selection/tabelas/TabelasValidador.h"

#include <vector>

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

using CampoSintegra = TTabelaSintegra::Campo;
using CampoResProces = TTabelaResProces::Campo;

constexpr const char* kMascaraInscricao = "99.999.999-9;0;_";

TDefinicaoCampo Texto(std::string nome, int tamanho, std::string rotulo = "", std::string mascara = "") {
    return {std::move(nome), TTipoCampo::Texto, tamanho, std::move(rotulo), std::move(mascara), false, false};
}

TDefinicaoCampo Calculado(std::string nome, int tamanho, std::string rotulo = "") {
    return {std::move(nome), TTipoCampo::Texto, tamanho, std::move(rotulo), "", true, false};
}

TDefinicaoCampo Inteiro(std::string nome, bool hexadecimal = false) {
    return {std::move(nome), TTipoCampo::Inteiro, 0, "", "", false, hexadecimal};
}

TDefinicaoCampo DataHora(std::string nome) { return {std::move(nome), TTipoCampo::DataHora, 0, "", "", false, false}; }

const CampoSintegra kPathTxt{Texto("PathTxt", 255, "Arquivo TXT"),
                             [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.PathTxt; }};
const CampoSintegra kInscricao{Texto("Inscricao", 9, "Inscrição", kMascaraInscricao),
                               [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.Inscricao; }};
const CampoSintegra kCnpj{Texto("Cnpj", 14, "CNPJ", "99.999.999/9999-99;0;_"),
                          [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.Cnpj; }};
const CampoSintegra kTipo{Texto("Tipo", 12), [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.Tipo; }};
const CampoSintegra kFinalidade{Texto("Finalidade", 1),
                                [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.Finalidade; }};
const CampoSintegra kPeriodo{Texto("Periodo", 7, "Período"),
                             [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.Periodo; }};
const CampoSintegra kRazaoSocial{Texto("RazaoSocial", 35, "Razão Social"),
                                 [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.RazaoSocial; }};
const CampoSintegra kDataHoraMidia{Texto("DataHoraMidia", 19, "Validado em"),
                                   [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.DataHoraMidia; }};
const CampoSintegra kVersaoSintegra{Texto("VersaoSintegra", 10, "Validador Sintegra"),
                                    [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.VersaoSintegra; }};
const CampoSintegra kDataHoraTxt{DataHora("DataHoraTxt"),
                                 [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.DataHoraTxt; }};
const CampoSintegra kTamanhoTxt{Inteiro("TamanhoTxt"),
                                [](const TDeclaracaoSintegra& l) -> TValorCampo { return l.TamanhoTxt; }};
const CampoSintegra kCrcTxt{Inteiro("CrcTxt", true),
                            [](const TDeclaracaoSintegra& l) -> TValorCampo { return std::int64_t{l.CrcTxt}; }};
const CampoSintegra kCodRegApuracao{Inteiro("codRegApuracao"), [](const TDeclaracaoSintegra& l) -> TValorCampo {
                                        return std::int64_t{l.codRegApuracao};
                                    }};
const CampoSintegra kDescRegApuracao{Calculado("descRegApuracao", 20),
                                     [](const TDeclaracaoSintegra& l) -> TValorCampo {
                                         return DescricaoRegApuracao(l.codRegApuracao);
                                     }};

}  // namespace

std::string DescricaoRegApuracao(int codigo) {
    switch (codigo) {
        case 1: return "NORMAL";
        case 3: return "SIMPLES NACIONAL";
        case 7: return "EPP";
        default: return "";
    }
}

std::string DescricaoRegime(int codigo) {
    switch (codigo) {
        case 1: return "Normal";
        case 3: return "Simples";
        case 7: return "EPP";
        default: return "";
    }
}

TTabelaSintegra CriarTblSintegra() {
    return TTabelaSintegra({kPathTxt, kInscricao, kCnpj, kTipo, kFinalidade, kPeriodo, kRazaoSocial, kDataHoraMidia,
                            kVersaoSintegra, kDataHoraTxt, kTamanhoTxt, kCrcTxt, kCodRegApuracao});
}

TTabelaSintegra CriarTblSelecao() {
    return TTabelaSintegra({kPathTxt, kInscricao, kCnpj, kTipo, kFinalidade, kPeriodo, kRazaoSocial, kDataHoraMidia,
                            kVersaoSintegra, kCrcTxt, kTamanhoTxt, kDataHoraTxt, kCodRegApuracao, kDescRegApuracao});
}

TTabelaNoldeNet CriarTblNoldeNet() {
    using L = const TReciboNoldeNet&;
    return TTabelaNoldeNet({
        {{"Imprimir", TTipoCampo::Logico, 0, "", "", false, false},
         [](L l) -> TValorCampo { return std::int64_t{l.Imprimir ? 1 : 0}; }},
        {Texto("Inscricao", 9, "Inscrição", kMascaraInscricao), [](L l) -> TValorCampo { return l.Inscricao; }},
        {Texto("Periodo", 7, "Período"), [](L l) -> TValorCampo { return l.Periodo; }},
        {Texto("Tipo", 12), [](L l) -> TValorCampo { return l.Tipo; }},
        {Texto("CodigoRecibo", 32, "Código Autenticador do Recibo"), [](L l) -> TValorCampo { return l.CodigoRecibo; }},
        {Texto("CodigoDados", 32), [](L l) -> TValorCampo { return l.CodigoDados; }},
        {{"DataHoraRecibo", TTipoCampo::DataHora, 0, "Entregue em", "", false, false},
         [](L l) -> TValorCampo { return l.DataHoraRecibo; }},
        {Texto("Situacao", 25, "Situação"), [](L l) -> TValorCampo { return l.Situacao; }},
        {Inteiro("CrcTxt", true), [](L l) -> TValorCampo { return std::int64_t{l.CrcTxt}; }},
        {Inteiro("TamanhoTxt"), [](L l) -> TValorCampo { return l.TamanhoTxt; }},
        {DataHora("DataHoraTxt"), [](L l) -> TValorCampo { return l.DataHoraTxt; }},
        {Texto("PathTxt", 255, "Arquivo TXT"), [](L l) -> TValorCampo { return l.PathTxt; }},
        {Texto("Cnpj", 14, "CNPJ", "99.999.999/9999-99;0;_"), [](L l) -> TValorCampo { return l.Cnpj; }},
        {Texto("RazaoSocial", 35, "Razão Social"), [](L l) -> TValorCampo { return l.RazaoSocial; }},
        {Texto("Finalidade", 1), [](L l) -> TValorCampo { return l.Finalidade; }},
        {Texto("emailTxt", 40), [](L l) -> TValorCampo { return l.emailTxt; }},
    });
}

TTabelaTransmissao CriarTblTransmissao() {
    return TTabelaTransmissao({
        {Texto("Inscricao", 9, "Inscrição", kMascaraInscricao),
         [](const TRegistroTransmissao& l) -> TValorCampo { return l.Inscricao; }},
        {Texto("TamanhoDados", 20, "Tamanho dos dados"),
         [](const TRegistroTransmissao& l) -> TValorCampo { return l.TamanhoDados; }},
        {Texto("CodigoDados", 32, "Código autenticador dos dados"),
         [](const TRegistroTransmissao& l) -> TValorCampo { return l.CodigoDados; }},
    });
}

std::string TextoTamanhoDados(std::int64_t bytes) {
    if (bytes <= 8192) return Formatar("%.0n bytes", {static_cast<long long>(bytes)});
    return Formatar("%.0n KBytes", {static_cast<long long>(bytes / 1024)});
}

TTabelaResProces CriarTblResProces() {
    return TTabelaResProces({
        {Texto("inscricao", 9, "Inscrição", kMascaraInscricao),
         [](const TNaoSelecionada& l) -> TValorCampo { return l.inscricao; }},
        {Texto("periodo", 7, "Período"), [](const TNaoSelecionada& l) -> TValorCampo { return l.periodo; }},
        {Texto("finalidade", 1, "Finalidade"), [](const TNaoSelecionada& l) -> TValorCampo { return l.finalidade; }},
        {Texto("razaoSocial", 60, "Razão social"),
         [](const TNaoSelecionada& l) -> TValorCampo { return l.razaoSocial; }},
        {Texto("mensagem", 1000), [](const TNaoSelecionada& l) -> TValorCampo { return l.mensagem; }},
        {Texto("tpDeclaracao", 12, "Tipo declaração"),
         [](const TNaoSelecionada& l) -> TValorCampo { return l.tpDeclaracao; }},
        {Inteiro("tpRegime"), [](const TNaoSelecionada& l) -> TValorCampo { return std::int64_t{l.tpRegime}; }},
        {Calculado("descRegime", 16, "Regime"),
         [](const TNaoSelecionada& l) -> TValorCampo { return DescricaoRegime(l.tpRegime); }},
    });
}

}  // namespace zq
