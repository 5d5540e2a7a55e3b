#include "reference-db/QuadroV.h"

#include <algorithm>

#include "record-model/campos/Conversoes.h"
#include "record-model/campos/ValidacaoCampos.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr const char* kTitulo =
    "8829 - Informação sobre valores agregados para o cálculo do valor adicionado por Municípios ";
constexpr const char* kPrimeiroPeriodo = "200912";
constexpr const char* kInicioConferenciaSaidas = "201101";

}  // namespace

void TQuadroV::Ler(const std::string& linha, const std::string& inscricao, const std::string& periodo,
                   std::vector<std::string>& rejeicoes) {
    if (inscricao == kInscricaoDispensada) return;
    // Both fields are checked, whatever the first gives.
    const bool codigoValido = ValidarCampoInteiro(linha, 5, 5, kTitulo, "Código do município", rejeicoes);
    const bool valorValido =
        ValidarCampoMonetario(linha, 10, 13, kTitulo, "Valor Adicionado do município", rejeicoes);
    if (!codigoValido || !valorValido) return;

    codigoMunicipio_ = InteiroDoCampo(linha, 5, 5);
    valorAdicionado_ = MonetarioDoCampo(linha, 10, 13, 2);
    soma_ += valorAdicionado_;
    ++quantidade_;
    ConferirPeriodo(periodo, rejeicoes);
    ConferirMunicipio(rejeicoes);
}

void TQuadroV::ConferirPeriodo(const std::string& periodo, std::vector<std::string>& rejeicoes) const {
    if (periodo >= kPrimeiroPeriodo) return;
    std::string mensagem = Formatar("REJEIÇÃO (Reg. 8829): Não é permitido informar o registro 8829 para um período "
                                    "anterior a %s/%s.",
                                    {"12", "2009"});
    if (std::find(rejeicoes.begin(), rejeicoes.end(), mensagem) == rejeicoes.end()) {
        rejeicoes.push_back(std::move(mensagem));
    }
}

void TQuadroV::ConferirMunicipio(std::vector<std::string>& rejeicoes) {
    // The database may have been closed since the pass began.
    if (!banco_.Conectado()) {
        banco_.Conectar(true);
        banco_.AbrirTabelas();
    }
    if (!banco_.LocalizarMunicipio(codigoMunicipio_)) {
        rejeicoes.push_back(Formatar(
            "REJEIÇÃO (Reg. 8829): O código do município informado %d não está na entre os códigos esperados.",
            {codigoMunicipio_}));
    }
}

void TQuadroV::ConferirTotalSaidas(Moeda totalSaidas, const std::string& periodo,
                                   std::vector<std::string>& rejeicoes) const {
    if (quantidade_ == 0 || periodo < kInicioConferenciaSaidas || soma_ <= totalSaidas) return;
    rejeicoes.push_back(
        Formatar("REJEIÇÃO (Reg.8829): A soma total obtida dos valores adicionados informados é superior ao total de "
                 "saídas apurado nas saídas dos registro 50, 60, 61, 70 e 76.  Soma total dos valores adicionados "
                 "informados : %s. Total apuradado nas saídas dos registro 50, 60, 61, 70 e 76: %s.",
                 {FormatarValor(soma_, "#,###,###,##0.00"), FormatarValor(totalSaidas, "#,###,###,##0.00")}));
}

}  // namespace zq
