#include "gim-records/detalhes/Reg8830.h"

#include <algorithm>

#include "platform/Relogio.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

using enum VerificacaoCampo;

constexpr CampoDetalhe kCampos[] = {
    {3, 5, 32},
    {4, 37, 1, Inteiro, "Tipo de entrega"},
    {5, 38, 8, Inteiro, "Data em que ocorreu a situação"},
    {6, 46, 81},
};

constexpr int kMensal = 0;
constexpr int kPrimeiraEntrega = 1;

const char* NomeDoTipo(int tipo) {
    switch (tipo) {
        case 1: return "Primeira entrega da declaração";
        case 2: return "Primeira entrega da declaração após um período inativo";
        default: return "Primeira entrega da declaração após um período de suspensão de ofício";
    }
}

// "dd/mm/yyyy", the short date form of the system's locale.
std::string DataCurta(const std::chrono::year_month_day& data) {
    return Formatar("%.2d/%.2d/%.4d", {static_cast<unsigned>(data.day()), static_cast<unsigned>(data.month()),
                                       static_cast<int>(data.year())});
}

// "yyyymm".
std::string AnoMes(const std::chrono::year_month_day& data) { return DataParaTexto(data).substr(0, 6); }

}  // namespace

TReg8830::TReg8830() : TRegDetalhe("8830 - Informação do número do recibo da GIM do mês anterior", kCampos) {}

bool TReg8830::Ler(std::string_view linha, std::string_view periodo, std::vector<std::string>& rejeicoes) {
    if (!Verificar(linha, rejeicoes)) return false;
    const std::string_view colunasData = ColunasDoCampo(linha, 5);
    std::optional<std::chrono::year_month_day> data;
    if (colunasData != kSemData) data = DataDoCampoDMA(linha, 38);
    Aceitar(linha);
    data_ = data;
    return VerificarTipo(rejeicoes) && VerificarFormaData(rejeicoes) && VerificarData(periodo, rejeicoes) &&
           VerificarQuantidade(rejeicoes) && VerificarRecibo(rejeicoes);
}

bool TReg8830::VerificarTipo(std::vector<std::string>& rejeicoes) const {
    const int tipo = TipoEntrega();
    if (tipo >= 0 && tipo <= 3) return true;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): Tipo de entrega inválida. Informado: '%d'", {tipo}));
    return false;
}

bool TReg8830::VerificarFormaData(std::vector<std::string>& rejeicoes) const {
    if (TipoEntrega() == kMensal || (data_ && DataParaTexto(*data_) >= kDataMinima)) return true;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): O formato da data informada deve ser ddmmaaaa. Data informada: "
                                 "'%s'",
                                 {Texto(5)}));
    return false;
}

// Past the date's form, a date of a type other than the monthly one is a real date.
bool TReg8830::VerificarData(std::string_view periodo, std::vector<std::string>& rejeicoes) const {
    const int tipo = TipoEntrega();
    const std::string recibo = AparaEspacos(Recibo());
    bool valida = true;
    if (tipo == kMensal) {
        if (data_) {
            rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): Para a entrega mensal a data deve ser '%s'. Informado: "
                                         "'%s'",
                                         {kSemData, DataCurta(*data_)}));
            valida = false;
        }
    } else if (tipo == kPrimeiraEntrega) {
        if (AnoMes(*data_) != periodo) {
            rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): Para a tipo de entrega 'Primeira entrega da "
                                         "declaração', o período da data deve ser igual ao período da GIM. Data "
                                         "informada: '%s'.",
                                         {DataCurta(*data_)}));
            valida = false;
        } else if (!recibo.empty()) {
            rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): Para a tipo de entrega 'Primeira entrega da declaração' "
                                         "não deve ser informado o número do recibo. Recibo informado: '%s'",
                                         {Recibo()}));
            valida = false;
        }
    } else {
        if (*data_ > Hoje()) {
            rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): A data informada não pode ser superior a hoje. "
                                         "Informado: '%s'",
                                         {DataCurta(*data_)}));
            valida = false;
        }
        if (AnoMes(*data_) > periodo) {
            rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): Para a tipo de entrega '%s' não pode ser superior a "
                                         "data do período da GIM. Data informada: '%s'.",
                                         {NomeDoTipo(tipo), DataCurta(*data_)}));
            valida = false;
        }
    }
    if (valida && tipo != kPrimeiraEntrega && recibo.empty()) {
        rejeicoes.push_back("REJEIÇÃO (Reg.8830): Para a tipo de entrega diferente de 'Primeira entrega da declaração' "
                            "deve ser informado o número do recibo");
        valida = false;
    }
    return valida;
}

bool TReg8830::VerificarQuantidade(std::vector<std::string>& rejeicoes) const {
    if (Quantidade() < 2) return true;
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): Só pode ter um registro 8830 por arquivo. Foram encontrados %d",
                                 {Quantidade()}));
    return false;
}

bool TReg8830::VerificarRecibo(std::vector<std::string>& rejeicoes) const {
    if (TipoEntrega() == kPrimeiraEntrega) return true;
    const std::string recibo = AparaEspacos(Recibo());
    const bool tamanhoCerto = recibo.size() == static_cast<std::size_t>(kTamanhoRecibo);
    if (!tamanhoCerto) {
        rejeicoes.push_back(Formatar("REJEIÇÃO (Reg.8830): O número do recibo deve ter %d dígitos. Número informado: "
                                     "'%s'.",
                                     {kTamanhoRecibo, recibo}));
    }
    const bool temDigito = std::any_of(recibo.begin(), recibo.end(), IsDigito);
    const bool temLetra = std::any_of(recibo.begin(), recibo.end(), IsLetra);
    // A receipt of the wrong length is no valid number either.
    if (!tamanhoCerto || !temDigito || !temLetra) {
        rejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8830): Informe um número de recibo válido. Número informado: '%s'.", {recibo}));
    }
    return tamanhoCerto && temDigito && temLetra;
}

void TReg8830::VerificarAusencia(std::string_view periodo, std::string_view enderecoSite,
                                 std::vector<std::string>& rejeicoes, std::vector<std::string>& avisos) {
    if (periodo < kPeriodoObrigatorio) {
        avisos.push_back(Formatar(
            "AVISO (Reg.8830): Os contribuintes com regime normal e simples nacional, a partir da referência %s/%s, "
            "deverão informar o detalhe 30 do registro 88. A ausência desse detalhe, a partir da referência "
            "mencionada, causará a rejeição do arquivo. Para maiores informações, consulte o anexo 46 no site da "
            "Receita (Acesse %s, em seguida GIM e procure a seção 'INFORMAÇÕES COMPLEMENTARES')",
            {"05", "2011", enderecoSite}));
    } else {
        rejeicoes.push_back("REJEIÇÃO (Reg.8830): O detalhe 30 do registro 88 deve ser apresentado.");
    }
}

}  // namespace zq
