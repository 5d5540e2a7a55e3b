#include "record-model/totais/AcumReg53.h"

#include <chrono>

#include "platform/Relogio.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Periodos.h"
#include "record-model/registros/Reg53.h"

namespace zq {
namespace {

constexpr std::string_view kMascara = "#,###,###,##0.00";

constexpr std::string_view kSomaMaior =
    " (Reg 8802) Campo 10 e 11:%sO ICMS subst. por entrada já recolhida  (campo 10) somado ao ICMS subst. por "
    "entrada a recolher (campo 11) está maior que o total apurado pelas operações de entradas informadas no "
    "registro 53. Se houver a certeza que a diferença está correta, então ignore a advertência. Informado "
    "(Registro 8802): Soma(campo 10: %s e Campo 11: %s) = %s. Apurado (Registro(s) 53): %s.";

constexpr std::string_view kSomaMenor =
    " (Reg 8802) Campo 10 e 11:%sO ICMS subst. por entrada já recolhida  (campo 10) somado ao ICMS subst. por "
    "entrada a recolher (campo 11) está menor que o total apurado pelas operações de entradas informadas no "
    "registro 53. Informado (Registro 8802): Soma( campo 10: %s e campo 11: %s) = %s. Apurado (Registro(s) 53): "
    "%s.";

// The check became a rejection with the GIM of 08/2012; until the month after it, earlier GIMs got a notice.
constexpr std::string_view kPeriodoDaRejeicao = "201208";

bool EmTransicao(std::string_view periodo) {
    using namespace std::chrono;
    const year_month_day fimDaTransicao = MesSeguinte(year{2012} / August / 1);
    return Hoje() < fimDaTransicao && periodo < kPeriodoDaRejeicao;
}

}  // namespace

void TAcumReg53::Acumular(const TReg53& registro) {
    const TCfop& cfop = registro.Cfop();
    const Moeda retido = registro.IcmsRetido();
    if (cfop.IsSaida() && cfop.IsInterna() && registro.Uf() == "ZQ") {
        const std::string& antecipacao = registro.CodigoAntecipacao();
        if (antecipacao == " " && (cfop.Codigo() == 5401 || cfop.Codigo() == 5403)) {
            retidoSaidasSemAntecipacao_ += retido;
        } else if (antecipacao == "5") {
            retidoSaidasAntecipacao5_ += retido;
        }
        retidoSaidas_ += retido;
    } else if (cfop.IsEntrada()) {
        retidoEntradas_ += retido;
    }
}

void TAcumReg53::Conferir8802(std::string_view periodo, Moeda campo10, Moeda campo11,
                              std::vector<std::string>& rejeicoes, std::vector<std::string>& advertencias,
                              std::vector<std::string>& avisos) const {
    const Moeda soma = campo10 + campo11;
    const Moeda apurado = retidoEntradas_;
    if (soma == apurado) return;
    const bool somaMaior = apurado <= soma;
    const auto mensagem = [&](std::string_view aviso) {
        return Formatar(somaMaior ? kSomaMaior : kSomaMenor,
                        {aviso, FormatarValor(campo10, kMascara), FormatarValor(campo11, kMascara),
                         FormatarValor(soma, kMascara), FormatarValor(apurado, kMascara)});
    };
    if (EmTransicao(periodo)) {
        if (!somaMaior) {
            avisos.push_back(
                Formatar("AVISO %s",
                         {mensagem(" (A diferença informada a seguir será REJEITADA a partir da GIM de 08/2012). ")}));
        }
    } else if (somaMaior) {
        advertencias.push_back(Formatar("ADVERTÊNCIA%s", {mensagem(" ")}));
    } else {
        rejeicoes.push_back(Formatar("REJEIÇÃO%s", {mensagem(" ")}));
    }
}

}  // namespace zq
