#include "critique/handlers/registros88/RamosApuracao88.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/campos/ValidacaoCampos.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr Moeda kTolerancia = Moeda::DeReais(9);
constexpr Moeda kToleranciaSubstituicao = Moeda::DeReais(3);
constexpr int kTamanhoValor = 9;

Moeda ValorDoCampo(const std::string& linha, int posicao) { return MonetarioDoCampo(linha, posicao, kTamanhoValor, 2); }

}  // namespace

bool RamoEpp::Preparar(int subtipo, const std::string& linha, std::string_view titulo,
                       std::span<const CampoEpp> campos) {
    EstadoDeclaracao& declaracao = Declaracao();
    Registrar(subtipo);
    declaracao.dadosAnuais = false;
    if (declaracao.regimeEpp) {
        declaracao.Registro88(1).presente = true;
        declaracao.Registro88(2).presente = true;
        declaracao.regimeNormal = false;
    }
    auto& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    for (const CampoEpp& campo : campos) {
        if (campo.monetario) {
            ValidarCampoMonetario(linha, campo.posicao, campo.tamanho, titulo, campo.rotulo, rejeicoes);
        } else {
            ValidarCampoInteiro(linha, campo.posicao, campo.tamanho, titulo, campo.rotulo, rejeicoes);
        }
    }
    return SemRejeicoes();
}

void RamoEpp::Comparar(const std::string& linha, int posicao, Moeda calculado, std::string_view inicio) {
    if (Abs(ValorDoCampo(linha, posicao) - calculado) <= kTolerancia) return;
    Rejeitar(std::string(inicio) + ValorDecimalSimples(calculado) + " difere do Lido: " +
             std::string(Colunas(linha, posicao, kTamanhoValor)));
}

void RamoEpp::CompararPercentual(const std::string& linha, int posicao, int calculado, std::string_view inicio) {
    const std::string_view lido = Colunas(linha, posicao, 2);
    if (InteiroDoTexto(lido) == calculado) return;
    Rejeitar(std::string(inicio) + ValorDecimalSimples(Moeda::DeReais(calculado)) + " difere do Lido: " +
             std::string(lido));
}

void RamoEpp::CompararBaseApurada(const std::string& linha) {
    const Moeda calculado = Epp().BaseApurada();
    const Moeda lido = ValorDoCampo(linha, 5);
    if (Abs(lido - calculado) <= kTolerancia) return;
    Rejeitar(Formatar("REJEIÇÃO (Reg.8814): Base Recolhimento Apurada calculada %n difere do Lido: %n. ",
                      {calculado, lido}));
}

void RamoEpp::ConferirSubstituicao(const std::string& linha, std::string_view registro) {
    const Moeda lido = ValorDoCampo(linha, 106) + ValorDoCampo(linha, 115);
    const Moeda apurado = objetos_.acumReg53.RetidoSaidas();
    if (Abs(apurado - lido) <= kToleranciaSubstituicao) return;
    Advertir(Formatar("ADVERTÊNCIA (Reg %s): Total da ST por saidas internas <> ST saidas internas Anexo V + ST "
                      "saidas internas Regime Fonte. Lido: %s Apurado: %s",
                      {registro, FormatarValor(lido), FormatarValor(apurado)}));
}

double RamoEpp::PercentualRecolhimento(const std::string& linha) { return InteiroDoCampo(linha, 32, 2) / 10.0; }

}  // namespace zq
