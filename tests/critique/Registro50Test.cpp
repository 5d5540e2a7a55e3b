// Record 50 through the exported function: the invoice rules of the record-50
// processor and the record's own failure message.

#include "support/DeclaracaoHost.h"
#include "support/Registros50a76.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;

using CasoNota = CasoRegistro<Registro50>;

Registro50 Com(void (*ajuste)(Registro50&)) { return Ajustado(ajuste); }

const std::string kIcmsInterno = "na operação dentro do estado está diferente";
const std::string kIcmsInterestadual = "na operação interestadual/exterior é superior";
const std::string kGrupo = "é um CFOP de grupo.";
const std::string kValores = "ValorContabil";

class Registro50Test : public RegistroNaDeclaracaoTest<Registro50> {};

TEST_P(Registro50Test, Relatorio) { ConferirRelatorio(); }

INSTANTIATE_TEST_SUITE_P(
    Icms, Registro50Test,
    testing::Values(
        CasoNota{"interno_dez_centavos_aceito", Com([](Registro50& n) { n.icms = 17010; }), "", kIcmsInterno},
        CasoNota{"interno_onze_centavos_rejeitado", Com([](Registro50& n) { n.icms = 17011; }),
                 "REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação dentro do estado está diferente do "
                 "valor de ICMS esperado(IE). IE = Base de cálculo(BC) x alíquota(A). ICMS informado na nota: "
                 "R$ 170,11(II). Calculado: R$ 1.000,00(BC) x 17,00%(A) = R$ 170,00(IE). Nota fiscal: 000001  Data: "
                 "10/05/2017 CFOP: 5102.",
                 ""},
        CasoNota{"interno_a_menor_rejeitado", Com([](Registro50& n) { n.icms = 16989; }),
                 "ICMS informado na nota: R$ 169,89(II).", ""},
        CasoNota{"interno_sem_aliquota_nao_confere", Com([](Registro50& n) { n.aliquota = 0; n.icms = 5; }), "",
                 kIcmsInterno},
        CasoNota{"interestadual_no_limite", Com([](Registro50& n) { n.uf = "SP"; n.cfop = 2102; n.icms = 7010; }),
                 "", kIcmsInterestadual},
        CasoNota{"interestadual_acima",
                 Com([](Registro50& n) { n.uf = "SP"; n.cfop = 2102; n.icms = 7011; n.aliquota = 700; }),
                 "REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação interestadual/exterior é superior ao "
                 "ICMS esperado(IE). IE = Base de Cálculo(BC) x aliquota esperada(AE). ICMS informado na nota: "
                 "R$ 70,11(II). Calculado: R$ 1.000,00(BC) x 7,00%(AE) = R$ 70,00(IE). UF: SP  Alíquota informada: "
                 "7,00%  CFOP: 2102  Nota fiscal: 000001  Data: 10/05/2017.",
                 ""},
        CasoNota{"importacao_acima_de_17",
                 Com([](Registro50& n) { n.uf = "EX"; n.cfop = 3102; n.icms = 18000; n.aliquota = 1800; }),
                 "Calculado: R$ 1.000,00(BC) x 17,00%(AE) = R$ 170,00(IE). UF: EX", ""},
        CasoNota{"importacao_abaixo_nunca_rejeitada",
                 Com([](Registro50& n) { n.uf = "EX"; n.cfop = 3102; n.icms = 100; }), "", kIcmsInterestadual},
        CasoNota{"saida_interestadual_nao_confere", Com([](Registro50& n) { n.uf = "SP"; n.cfop = 6102; n.icms = 1; }),
                 "", "ICMS esperado"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Cfop, Registro50Test,
    testing::Values(
        CasoNota{"grupo_5100_rejeitado", Com([](Registro50& n) { n.cfop = 5100; }),
                 "REJEIÇÃO (Reg 50): O CFOP 5100 utilizado na nota fiscal 000001 de 10/05/2017 é um CFOP de "
                 "grupo.",
                 ""},
        CasoNota{"grupo_5110_aceito", Com([](Registro50& n) { n.cfop = 5110; }), "", kGrupo},
        CasoNota{"cancelada_nao_e_conferida", Com([](Registro50& n) { n.cfop = 5100; n.situacao = 'S'; }), "", kGrupo}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Valores, Registro50Test,
    testing::Values(
        CasoNota{"diferenca_de_50_por_cento_adverte",
                 Com([](Registro50& n) { n.base = 50000; n.icms = 8500; }),
                 "ADVERTÊNCIA (Reg 50): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP 5102. Valores "
                 "encontrados: Valor contabil = 1.000,00, base de cálculo = 500,00, isentas = 0,00 e outras = 0,00. "
                 "NF: 000001 Data: 10/05/2017. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO. Se existir a certeza de que os "
                 "valores informados estão corretos, então ignore a advertência.",
                 ""},
        CasoNota{"acima_de_1000_por_cento_rejeita",
                 Com([](Registro50& n) { n.base = 1200000; n.icms = 204000; }),
                 "REJEIÇÃO (Reg 50): ValorContabil(VC) <> BaseCalculo(BC) + Isentas(I) + Outras(O) e o percentual "
                 "encontrado de 1100,00% ao resolver a expressão |{[(BC + I + O) - VC]/VC * 100}| é superior a 1000% "
                 "em uma operação com o CFOP 5102. Valores encontrados: Valor contabil = 1.000,00, base de cálculo = "
                 "12.000,00, isentas = 0,00 e outras = 0,00. NF: 000001 Data: 10/05/2017. VERIFIQUE POSSÍVEL ERRO DE "
                 "DIGITAÇÃO.",
                 ""},
        CasoNota{"total_zero_adverte", Com([](Registro50& n) { n.total = 0; }),
                 "ADVERTÊNCIA (Reg 50): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP 5102.", ""},
        CasoNota{"cfop_sem_advertencia_de_valores",
                 Com([](Registro50& n) { n.cfop = 5101; n.base = 50000; n.icms = 8500; }), "", kValores},
        CasoNota{"cfop_sem_conferencia_de_valores",
                 Com([](Registro50& n) { n.cfop = 5910; n.base = 50000; n.icms = 8500; }), "", kValores},
        CasoNota{"base_elevada", Com([](Registro50& n) { n.total = n.base = 99900001; n.icms = 16983000; }),
                 "ADVERTÊNCIA (Reg 50): Confira o valor da base de cálculo. R$ 999.000,01 - NF: 000001 Data: "
                 "10/05/2017",
                 ""},
        CasoNota{"base_no_limite", Com([](Registro50& n) { n.total = n.base = 99900000; n.icms = 16983000; }), "",
                 "Confira o valor da base"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Emitente, Registro50Test,
    testing::Values(
        CasoNota{"cnpj_invalido", Com([](Registro50& n) { n.cnpj = "11222333000182"; }),
                 "(Reg 50) CPF/CNPJ Inválido: 11222333000182 NF: 000001 Data: 10/05/2017", ""},
        CasoNota{"cpf", Com([](Registro50& n) { n.cnpj = "00012345678909"; }), "", "CPF/CNPJ Inválido"},
        CasoNota{"exterior_sem_cnpj",
                 Com([](Registro50& n) { n.cnpj = "00000000000000"; n.uf = "EX"; n.cfop = 3102; n.icms = 0; }), "",
                 "CPF/CNPJ Inválido"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(DeclaracaoHostTest, Registro50IlegivelTemSuaRejeicaoEAPassagemContinua) {
    std::string ilegivel = Registro50().Linha();
    ilegivel.replace(56, 13, "0000000ABC000");
    Registro50 grupo;
    grupo.cfop = 5100;
    const std::string relatorio = CriticarDeclaracao({ilegivel, grupo.Linha()});
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO: Reg 50: Erro ao validar nota fiscal NF: 000001 Data : 10/05/2017\r\n"));
    EXPECT_THAT(relatorio, HasSubstr("é um CFOP de grupo."));
}

}  // namespace
}  // namespace zq::teste
