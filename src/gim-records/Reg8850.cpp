#include "gim-records/Reg8850.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"

namespace zq {

TReg8850::TReg8850() : TRegSintegra("8850", 126) {}

void TReg8850::SetCnpjCpf(std::string_view valor) {
    cnpjCpf_.Set(valor);
    if (valor.empty() || ValidarCnpj(valor)) return;
    if (!ValidarCpf(Colunas(cnpjCpf_.Valor(), 4, 11))) {
        AdicionarErro(Formatar("REJEIÇÃO (REG.%s): CNPJ/CPF %s com o dígito verificador incorreto", {Tipo(), valor}));
    }
}

void TReg8850::SetInscricaoEstadual(std::string_view valor) {
    inscricaoEstadual_.Set(valor);
    if (inscricaoEstadual_.Valor() == "ISENTO" || uf_.Valor() != "ZQ") return;
    bool valida;
    try {
        valida = DigitoMod11Valido(Inteiro64DoTexto(inscricaoEstadual_.Valor()));
    } catch (const Excecao&) {
        AdicionarErro(Formatar("REJEIÇÃO (REG.%s):Inscrição estadual da corvena '%s' não é válida", {Tipo(), valor}));
        return;
    }
    if (!valida) {
        AdicionarErro(
            Formatar("REJEIÇÃO (REG.%s):Inscrição estadual %s com o dígito verificador incorreto", {Tipo(), valor}));
    }
}

}  // namespace zq
