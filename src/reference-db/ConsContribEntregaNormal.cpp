#include "reference-db/ConsContribEntregaNormal.h"

#include "record-model/comum/Formatador.h"
#include "reference-db/ValoresBanco.h"

namespace zq {
namespace {

constexpr const char* kInicioEfd = "2013-01";

// "yyyy-mm" as "mm/yyyy".
std::string MesAno(const std::string& periodo) {
    return periodo.size() == 7 ? periodo.substr(5, 2) + "/" + periodo.substr(0, 4) : periodo;
}

}  // namespace

bool TConsContribEntregaNormal::PodeEntregar(const std::string& inscricao, const std::string& periodo,
                                             std::vector<std::string>& rejeicoes) {
    recusa_.clear();
    if (periodo < kInicioEfd) return true;
    atual_ = banco_.LocalizarContribEntregaNormal(inscricao);
    if (!atual_) {
        recusa_ = Formatar("A declaração do contribuinte está informando que trata-se de um contribuinte com regime "
                           "de apuração normal. A partir da referência %s, os contribuintes com regime de apuração "
                           "normal devem entregar a EFD",
                           {MesAno(kInicioEfd)});
        return false;
    }
    validadeLista_.VerificarValidade(rejeicoes);
    const std::string inicio = AnoMesDe(atual_->inicioPermissao);
    const std::string fim = AnoMesDe(atual_->fimPermissao);
    if (inicio <= periodo && periodo <= fim) return true;
    recusa_ = Formatar("A EFD é exigida para a referência %s. O contribuinte ficou desobrigado de apresentar a EFD de "
                       "%s a %s.",
                       {MesAno(periodo), MesAno(inicio), MesAno(fim)});
    return false;
}

}  // namespace zq
