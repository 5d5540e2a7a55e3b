#include <chrono>

#include "critique/handlers/registros88/RamosApuracao88.h"
#include "record-model/campos/Conversoes.h"

namespace zq {
namespace {

constexpr std::string_view kTitulo = "8814 - GIM EPP";

constexpr CampoEpp kCampos[] = {
    {5, 9, true, "Base de Recolhimento Apurada"},
    {14, 9, true, "Média Mensal de Entradas"},
    {23, 9, true, "Base de Recolhimento Efetiva"},
    {32, 2, false, "Percentual de Recolhimento"},
    {34, 9, true, "Imposto Devido"},
    {43, 3, false, "Número de Empregados"},
    {46, 2, false, "Crédito por Empregados"},
    {48, 9, true, "Total de Aquisições"},
    {57, 9, true, "Aquisições Internas"},
    {66, 2, false, "Crédito por Aquisições Internas"},
    {68, 2, false, "Percentual de Crédito Presumido"},
    {70, 9, true, "Valor do Crédito Presumido"},
    {79, 9, true, "Imposto a Recolher"},
    {88, 9, true, "ICMS ST por Entradas já Recolhido"},
    {97, 9, true, "ICMS ST por Entradas a Recolher"},
    {106, 9, true, "ICMS ST por Saídas Internas"},
    {115, 9, true, "ICMS Retenção Fonte"},
};

// From July 2006 the small enterprise declares its assessment in 8817.
constexpr std::chrono::year_month_day kInicio8817{std::chrono::year{2006}, std::chrono::July, std::chrono::day{1}};

}  // namespace

// The small enterprise's assessment with the presumed credit for employees and internal acquisitions.
void Ramo8814::Processar(const LinhaRegistro88& linha) {
    if (!Preparar(14, linha.texto, kTitulo, kCampos)) return;
    if (Declaracao().periodoReferencia >= kInicio8817) {
        Rejeitar("REJEIÇÃO : Usar o Reg. 8817 para informar Apuração da EPP - MP 37/06.");
    }
    Recalcular(linha.texto);
    ConferirSubstituicao(linha.texto, "8814");
}

void Ramo8814::Recalcular(const std::string& linha) {
    TGimEPP& epp = Epp();
    CompararBaseApurada(linha);
    epp.CalcularBaseEfetiva(MonetarioDoCampo(linha, 14, 9, 2));
    Comparar(linha, 23, epp.BaseEfetiva(), "REJEIÇÃO (Reg.8814): Base Recolhimento Efetiva calculada ");
    epp.CalcularImpostoDevido(PercentualRecolhimento(linha));
    Comparar(linha, 34, epp.ImpostoDevido(), "REJEIÇÃO (Reg.8814): Imposto Devido calculado ");
    epp.CalcularPercentualEmpregados(InteiroDoCampo(linha, 43, 3));
    CompararPercentual(linha, 46, epp.PercentualEmpregados(), "REJEIÇÃO (Reg.8814): Credito por Empregados calculado ");
    Comparar(linha, 48, epp.TotalAquisicoes(), "REJEIÇÃO (Reg.8814): Total de Aquisiçoes calculado ");
    Comparar(linha, 57, epp.AquisicoesInternas(), "REJEIÇÃO (Reg.8814): Aquisiçoes Internas calculado ");
    epp.CalcularPercentualAquisicoes();
    CompararPercentual(linha, 66, epp.PercentualAquisicoes(),
                       "REJEIÇÃO (Reg.8814): Credito por Aquisicoes Internas calculado ");
    epp.CalcularCreditoPresumido();
    CompararPercentual(linha, 68, epp.PercentualPresumido(),
                       "REJEIÇÃO (Reg.8814): Percentual de Credito Presumido calculado ");
    Comparar(linha, 70, epp.CreditoPresumido(), "REJEIÇÃO (Reg.8814): Credito Presumido calculado ");
    Comparar(linha, 79, epp.ImpostoARecolher(), "REJEIÇÃO (Reg.8814): Imposto a Recolher calculado ");
}

}  // namespace zq
