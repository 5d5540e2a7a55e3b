#include "reference-db/ArqContribSPED.h"

#include "platform/Relogio.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

std::string DiaMesAno(std::chrono::year_month_day data) {
    return Formatar("%.2d/%.2d/%.4d", {static_cast<unsigned>(data.day()), static_cast<unsigned>(data.month()),
                                       static_cast<int>(data.year())});
}

}  // namespace

void TArqContribSPED::VerificarValidade(std::vector<std::string>& rejeicoes) {
    const TValidadeDadosEfd validade = banco_.SelecionarValidadeEfd();
    const auto hoje = Hoje();
    if (hoje < validade.inicio) {
        rejeicoes.push_back("A data do computador está desatualizada. Por favor, ajuste a data do computador.");
    }
    if (hoje > validade.fim) {
        rejeicoes.push_back(Formatar(
            "A lista dos contribuintes desobrigados à EFD/SPED está expirada desde o dia %s. Por favor, acesse "
            "'%s',baixe e instale a nova versão da lista .",
            {DiaMesAno(validade.fim),
             enderecoSite_ + ", GIM -> Arquivos para Download -> Lista dos desobrigados à EFD/SPED"}));
    }
}

}  // namespace zq
