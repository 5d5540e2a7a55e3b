#include "critique/handlers/registros88/Ramos88.h"

#include <chrono>

namespace zq {
namespace {

// From 2006 the line carries the programme credits up to column 108.
constexpr std::chrono::year_month_day kCreditosProgramas{std::chrono::year{2006} / 1 / 1};

}  // namespace

// The presumed credits and the credits of government programmes.
void Ramo8815::Processar(const LinhaRegistro88& linha) {
    Registrar(15);
    RelatarErros(linha);
    const int inicioBrancos = Declaracao().periodoReferencia >= kCreditosProgramas ? 109 : 57;
    const std::string_view brancos = ColunasAparadas(linha.texto, inicioBrancos, 126 - inicioBrancos + 1);
    if (!brancos.empty()) {
        Rejeitar("REJEIÇÃO (Reg.8815): Dado inserido incorretamente. Posição deve estar em branco: " +
                 std::string(brancos));
    }
    Exigir(1, "REJEIÇÃO (Reg.8815): Não Existe Registro 8801");
    Exigir(2, "REJEIÇÃO (Reg.8815): Não Existe Registro 8802");
    Exigir(4, "REJEIÇÃO (Reg.8815): Não Existe Registro 8804");
}

}  // namespace zq
