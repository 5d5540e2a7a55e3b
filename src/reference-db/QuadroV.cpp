#include "reference-db/QuadroV.h"

#include <algorithm>

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr const char* kPrimeiroPeriodo = "200912";
constexpr const char* kInicioConferenciaSaidas = "201101";

}  // namespace

void TQuadroV::Acumular(long long codigoMunicipio, Moeda valorAdicionado, const std::string& periodo,
                        std::vector<std::string>& rejeicoes) {
    soma_ += valorAdicionado;
    ++quantidade_;
    ConferirPeriodo(periodo, rejeicoes);
    ConferirMunicipio(codigoMunicipio, rejeicoes);
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

void TQuadroV::ConferirMunicipio(long long codigoMunicipio, std::vector<std::string>& rejeicoes) {
    // The database may have been closed since the pass began.
    if (!banco_.Conectado()) {
        banco_.Conectar(true);
        banco_.AbrirTabelas();
    }
    if (!banco_.LocalizarMunicipio(codigoMunicipio)) {
        rejeicoes.push_back(Formatar(
            "REJEIÇÃO (Reg. 8829): O código do município informado %d não está na entre os códigos esperados.",
            {codigoMunicipio}));
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
