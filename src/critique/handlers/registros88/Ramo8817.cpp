#include <chrono>

#include "critique/handlers/registros88/RamosApuracao88.h"
#include "record-model/campos/Conversoes.h"

namespace zq {
namespace {

constexpr std::string_view kTitulo = "8817 - GIM EPP-MP 37/06";

constexpr CampoEpp kCampos[] = {
    {5, 9, true, "Base de Recolhimento Apurada"},
    {14, 9, true, "Média Mensal de Entradas"},
    {23, 9, true, "Base de Recolhimento Efetiva"},
    {32, 2, false, "Percentual de Recolhimento"},
    {34, 9, true, "Imposto Devido"},
    {43, 9, false, "Créditos TEF/ECF"},
    {52, 9, false, "Crédito Cheque Moradia"},
    {61, 9, true, "Crédito Cheque Educação"},
    {70, 9, true, "Crédito Outorgado"},
    {79, 9, true, "Imposto a Recolher"},
    {88, 9, true, "ICMS ST por Entradas já Recolhido"},
    {97, 9, true, "ICMS ST por Entradas a Recolher"},
    {106, 9, true, "ICMS ST por Saídas Internas"},
    {115, 9, true, "ICMS Retenção Fonte"},
};

// The rule of 8817 holds for the periods from July 2006 to June 2007.
constexpr std::chrono::year_month_day kInicio{std::chrono::year{2006}, std::chrono::July, std::chrono::day{1}};
constexpr std::chrono::year_month_day kFim{std::chrono::year{2007}, std::chrono::July, std::chrono::day{1}};

Moeda Valor(const std::string& linha, int posicao) { return MonetarioDoCampo(linha, posicao, 9, 2); }

}  // namespace

// The small enterprise's assessment with the granted credits (TEF/ECF, housing and education cheques).
void Ramo8817::Processar(const LinhaRegistro88& linha) {
    if (!Preparar(17, linha.texto, kTitulo, kCampos)) return;
    ConferirPeriodo();
    Recalcular(linha.texto);
    ConferirSubstituicao(linha.texto, "8817");
}

void Ramo8817::ConferirPeriodo() {
    const std::chrono::year_month_day periodo = Declaracao().periodoReferencia;
    if (periodo >= kFim) {
        Rejeitar("REJEIÇÃO : Só é permitida a GIM de EPP (registro 8817) até 06/2007.");
    } else if (periodo < kInicio) {
        Rejeitar("REJEIÇÃO : Usar o Reg. 8814 para informar Apuração da EPP.");
    }
}

void Ramo8817::Recalcular(const std::string& linha) {
    TGimEPP& epp = Epp();
    CompararBaseApurada(linha);
    epp.CalcularBaseEfetiva(Valor(linha, 14));
    Comparar(linha, 23, epp.BaseEfetiva(), "REJEIÇÃO (Reg.8817): Base Recolhimento Efetiva calculada ");
    epp.CalcularImpostoDevido(PercentualRecolhimento(linha));
    Comparar(linha, 34, epp.ImpostoDevido(), "REJEIÇÃO (Reg.8817): Imposto Devido calculado ");
    const Moeda creditoOutorgado = Valor(linha, 43) + Valor(linha, 52) + Valor(linha, 61);
    Comparar(linha, 70, creditoOutorgado, "REJEIÇÃO (Reg.8817): Crédito Outorgado calculado ");
    Comparar(linha, 79, Abs(epp.ImpostoDevido() - creditoOutorgado),
             "REJEIÇÃO (Reg.8817): Imposto a Recolher calculado ");
}

}  // namespace zq
