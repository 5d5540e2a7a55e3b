// Records 53 to 76 through the exported function.

#include "support/Relatorios.h"
#include "support/DeclaracaoHost.h"
#include "support/Registros50a76.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

Registro60M Ecf(const std::string& numero, long long vendaBruta, bool leiauteAntigo = false) {
    Registro60M ecf;
    ecf.numero = numero;
    ecf.vendaBruta = vendaBruta;
    ecf.leiauteAntigo = leiauteAntigo;
    return ecf;
}

Registro60A Analitico(const std::string& situacao, long long valor, bool leiauteAntigo = false) {
    Registro60A analitico;
    analitico.situacao = situacao;
    analitico.valor = valor;
    analitico.leiauteAntigo = leiauteAntigo;
    return analitico;
}

// Analytic records of every situation, rates or codes, add to the sum of their ECF.
TEST_F(DeclaracaoHostTest, Registro60AnaliticosDeTodaSituacaoSomamNoEcf) {
    const std::string relatorio = CriticarDeclaracao({
        Ecf("001", 100000).Linha(), Analitico("1700", 99000).Linha(), Analitico("F", 1000).Linha(),
        Ecf("002", 100000).Linha(), Analitico("1700", 90000).Linha(), Analitico("I", 999).Linha(),
        Ecf("003", 0).Linha(),
    });
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg.60): Venda Bruta do ECF diverge da soma dos analíticos. ECF: 002 "
                                     "Data: 20170510 Lido: 1.000,00 Apurado: 909,99 Diferença: 90,01\r\n"));
    EXPECT_THAT(relatorio, Not(HasSubstr("ECF: 001")));
}

// The ECF of a record 60M is closed by the next one: a difference up to 9.00 passes.
TEST_F(DeclaracaoHostTest, Registro60DiferencasDeNoveReaisEDeNoveEUmCentavo) {
    const std::string relatorio = CriticarDeclaracao({
        Ecf("001", 100000).Linha(), Analitico("1700", 99100).Linha(),
        Ecf("002", 100000).Linha(), Analitico("1700", 99099).Linha(),
        Ecf("003", 0).Linha(),
    });
    EXPECT_THAT(relatorio, HasSubstr("ECF: 002 Data: 20170510 Lido: 1.000,00 Apurado: 990,99 Diferença: 9,01\r\n"));
    EXPECT_THAT(relatorio, Not(HasSubstr("ECF: 001")));
}

TEST_F(DeclaracaoHostTest, Registro60NoLeiauteAntigo) {
    const std::string relatorio = CriticarDeclaracao(
        {
            Ecf("007", 50000, true).Linha(), Analitico("1700", 40000, true).Linha(),
            Ecf("008", 0, true).Linha(),
        },
        Registro10Com(Registro10(), '1'));
    EXPECT_THAT(relatorio, HasSubstr("ECF: 007 Data: 20170510 Lido: 500,00 Apurado: 400,00 Diferença: 100,00\r\n"));
}

// A 60M whose gross sale cannot be read still opens its ECF: the end of the file closes it against its analytic
// records.
TEST_F(DeclaracaoHostTest, Registro60MComVendaBrutaIlegivelAbreOEcf) {
    std::string ilegivel = Ecf("001", 0).Linha();
    ilegivel.replace(57, 16, "00000000000A0000");
    const std::string relatorio = CriticarDeclaracao({ilegivel, Analitico("1700", 100000).Linha()});
    EXPECT_THAT(relatorio, HasSubstr("Erro ao processar registro 60M:Formato inválido\r\n"));
    EXPECT_THAT(relatorio, HasSubstr("Venda Bruta do ECF diverge da soma dos analíticos. ECF: 001 Data: 20170510 Lido: "
                                     "0,00 Apurado: 1.000,00 Diferença: -1.000,00\r\n"));
}

TEST_F(DeclaracaoHostTest, Registro60ASituacaoQueNaoEhNumero) {
    const std::string relatorio =
        CriticarDeclaracao({Ecf("001", 0).Linha(), Analitico("17A0", 100).Linha(), Ecf("002", 0).Linha()});
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg.60): Erro no processamento ECF: 001 Data: 20170510\r\n"));
}

TEST_F(DeclaracaoHostTest, Registro61Modelo65RepetidoNaMesmaDataESerie) {
    Registro61 nfce;
    Registro61 outraSerie = nfce;
    outraSerie.serie = "2";
    Registro61 outroModelo = nfce;
    outroModelo.modelo = "02";
    const std::string relatorio = CriticarDeclaracao(
        {nfce.Linha(), outraSerie.Linha(), outroModelo.Linha(), outroModelo.Linha(), nfce.Linha()});
    EXPECT_EQ(Ocorrencias(relatorio, "foi registrado mais de vez"), 1);
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg. 61): Registro 61 para a data 10/05/2017 e série 1 do modelo 65 "
                                     "(NFCe) foi registrado mais de vez. Deve ser informado um único registro com o "
                                     "somatório diário por série. A ocorrência foi na linha 6 do arquivo.\r\n"));
}

TEST_F(DeclaracaoHostTest, Registro61RIlegivel) {
    const std::string relatorio = CriticarDeclaracao({Linha126("61R13201700000000000001X")});
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (Reg.61): Erro no processamento:\r\n"));
}

struct CasoRegistro70 {
    const char* nome;
    std::string conhecimento;
    std::vector<std::string> esperados;
    std::vector<std::string> ausentes;
};

std::string Conhecimento(long long total, long long base, char situacao = 'N', char frete = '1') {
    Registro70 conhecimento;
    conhecimento.total = total;
    conhecimento.base = base;
    conhecimento.icms = 0;
    conhecimento.situacao = situacao;
    conhecimento.frete = frete;
    return conhecimento.Linha();
}

// `linha` with `texto` written from column `coluna`.
std::string Trocado(std::string linha, std::size_t coluna, const std::string& texto) {
    return linha.replace(coluna - 1, texto.size(), texto);
}

const std::string kValores70 = "Valores encontrados: Valor contabil = 100,00, base de cálculo = 50,00, isentas = 0,00 "
                               "e outras = 0,00. NF: 000123 Data: 10/05/2017. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO";

class Registro70Test : public DeclaracaoHostTest, public testing::WithParamInterface<CasoRegistro70> {};

TEST_P(Registro70Test, Relatorio) {
    const std::string relatorio = CriticarDeclaracao({GetParam().conhecimento});
    for (const auto& esperado : GetParam().esperados) EXPECT_THAT(relatorio, HasSubstr(esperado));
    for (const auto& ausente : GetParam().ausentes) EXPECT_THAT(relatorio, Not(HasSubstr(ausente)));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Registro70Test,
    testing::Values(
        CasoRegistro70{"total_acima_das_partes",
                       Conhecimento(10000, 5000),
                       {"REJEIÇÃO (Reg 70): ValorContabil > BaseCalculo + Isentas + Outras. " + kValores70 + "\r\n",
                        "ADVERTÊNCIA (Reg 70): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP 5353. " +
                            kValores70 + "\r\n"},
                       {"superior a 100%"}},
        CasoRegistro70{"partes_150_por_cento_acima",
                       Conhecimento(10000, 25000),
                       {"REJEIÇÃO (Reg 70): ValorContabil(VC) <> BaseCalculo(BC) + Isentas(I) + Outras(O) e o "
                        "percentual encontrado de 150,00% ao resolver a expressão |{[(BC + I + O) - VC]/VC * 100}| é "
                        "superior a 100% em uma operação com o CFOP 5353. Valores encontrados: Valor contabil = "
                        "100,00, base de cálculo = 250,00, isentas = 0,00 e outras = 0,00. NF: 000123 Data: "
                        "10/05/2017. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO\r\n"},
                       {"ValorContabil >", "ADVERTÊNCIA (Reg 70)"}},
        CasoRegistro70{"partes_iguais", Conhecimento(10000, 10000), {}, {"ValorContabil"}},
        CasoRegistro70{"total_zero_so_rejeita_se_acima", Conhecimento(0, 100), {}, {"ValorContabil"}},
        CasoRegistro70{"frete_9",
                       Conhecimento(10000, 10000, 'N', '9'),
                       {"REJEIÇÃO (Reg.70): A modalidade do frete informada não é permitida. Informada: '9' na NF "
                        "000123.\r\n"},
                       {}},
        CasoRegistro70{"cancelado_so_confere_o_frete",
                       Conhecimento(10000, 5000, 'S', '9'),
                       {"A modalidade do frete informada não é permitida. Informada: '9'"},
                       {"ValorContabil"}},
        CasoRegistro70{"situacao_nao_prevista",
                       Conhecimento(10000, 5000, 'Z'),
                       {"REJEIÇÃO (Reg.70): Foi encontrada uma situação do documento fiscal (campo 17) não prevista. A "
                        "situação encontrada foi 'Z' na NF 000123.\r\n"},
                       {"ValorContabil"}},
        // The situation is compared as read.
        CasoRegistro70{"situacao_minuscula",
                       Conhecimento(10000, 5000, 'n'),
                       {"não prevista. A situação encontrada foi 'n' na NF 000123.\r\n"},
                       {"ValorContabil"}},
        // Fields the rules do not use, or cannot read, spoil no other check.
        CasoRegistro70{"data_ilegivel_nao_esconde_situacao_nem_frete",
                       Trocado(Conhecimento(10000, 5000, 'Z', '9'), 31, "ABCDEFGH"),
                       {"A situação encontrada foi 'Z' na NF 000123.\r\n", "Informada: '9' na NF 000123.\r\n"},
                       {}},
        CasoRegistro70{"numero_nao_numerico_citado_como_lido",
                       Trocado(Conhecimento(10000, 10000, 'N', '9'), 46, "00012X"),
                       {"Informada: '9' na NF 00012X.\r\n"},
                       {}},
        CasoRegistro70{"valor_ilegivel_so_pula_os_valores",
                       Trocado(Conhecimento(10000, 5000, 'N', '9'), 56, "00000000100X0"),
                       {"Informada: '9' na NF 000123.\r\n"},
                       {"ValorContabil"}},
        CasoRegistro70{"data_que_nao_existe_citada_como_lida",
                       Trocado(Conhecimento(10000, 5000), 31, "20170231"),
                       {"REJEIÇÃO (Reg 70): ValorContabil > BaseCalculo + Isentas + Outras. Valores encontrados: "
                        "Valor contabil = 100,00, base de cálculo = 50,00, isentas = 0,00 e outras = 0,00. NF: 000123 "
                        "Data: 20170231. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO\r\n",
                        "ADVERTÊNCIA (Reg 70): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP 5353."},
                       {}},
        CasoRegistro70{"data_inconversivel",
                       Trocado(Conhecimento(10000, 5000), 31, "2017AB10"),
                       {"REJEIÇÃO (Reg 70): Não foi possivel converter a data da NF 000123 em uma data valida. A data "
                        "a ser convertida é 2017AB10\r\n",
                        "e outras = 0,00. NF: 000123 Data: 2017AB10. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO\r\n"},
                       {"ValorContabil >"}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(DeclaracaoHostTest, Registro71ComCamposInvalidos) {
    Registro71 conhecimento;
    conhecimento.dataConhecimento = "2017AB10";
    conhecimento.valorNota = "0000000000X000";
    const std::string relatorio = CriticarDeclaracao({conhecimento.Linha()});
    EXPECT_THAT(relatorio, HasSubstr("REJEICAO (REG.71): Campo: Data da emissão do conhecimento - Erro: "));
    EXPECT_THAT(relatorio, HasSubstr("REJEICAO (REG.71): Campo: Valor total da nota fiscal - Erro: "));
}

TEST_F(DeclaracaoHostTest, Registro71Curto) {
    const std::string curto = Registro71().Linha().substr(0, 120);
    const std::string relatorio = CriticarDeclaracao({curto});
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO (REG.71): A linha 2 não tem 126 posições.\r\n"));
    EXPECT_THAT(relatorio,
                HasSubstr("(Registro 71) Linha de tamanho 120, menor que o tamanho mínimo aceitável (126)!"));
}

TEST_F(DeclaracaoHostTest, Registro71Valido) {
    const std::string relatorio = CriticarDeclaracao({Registro71().Linha()});
    EXPECT_THAT(relatorio, Not(HasSubstr("REG.71")));
}

TEST_F(DeclaracaoHostTest, Registro76NoConvenioAntigoRejeitaCadaNotaNormalOuExtemporanea) {
    Registro76 normal;
    Registro76 extemporanea;
    extemporanea.situacao = 'E';
    Registro76 cancelada;
    cancelada.situacao = 'S';
    const std::string relatorio = CriticarDeclaracao({normal.Linha(), extemporanea.Linha(), cancelada.Linha()},
                                                     Registro10Com(Registro10(), '1'));
    EXPECT_EQ(Ocorrencias(relatorio, "REJEIÇÃO: Reg 76: Código do Convênio Inválido!\r\n"), 2);
}

using CasoRegistro76 = CasoRegistro<Registro76>;

Registro76 Nota76(void (*ajuste)(Registro76&)) { return Ajustado(ajuste); }

class Registro76Test : public RegistroNaDeclaracaoTest<Registro76> {};

TEST_P(Registro76Test, Relatorio) { ConferirRelatorio(); }

INSTANTIATE_TEST_SUITE_P(
    Casos, Registro76Test,
    testing::Values(
        CasoRegistro76{"diferenca_de_9_01",
                       Nota76([](Registro76& n) { n.base = 9099; }),
                       "ADVERTÊNCIA (Reg 76): ValorContabil <> BaseCalculo + Isentas + Outras. Valores encontrados: "
                       "Valor contabil = 100,00, base de cálculo = 90,99, isentas = 0,00 e outras = 0,00. NF: "
                       "0000000077 Data: 10/05/2017. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO\r\n",
                       ""},
        CasoRegistro76{"diferenca_de_9_00", Nota76([](Registro76& n) { n.base = 9100; }), "", "ValorContabil"},
        CasoRegistro76{"transferencia_de_cpf",
                       Nota76([](Registro76& n) { n.cfop = 1601; n.cnpj = "00012345678909"; }),
                       "ADVERTÊNCIA (Reg.76): Emitente/Destinatário informado pelo CNPJ/CPF:00012345678909 - "
                       "Inscrição: 161111111      na NF: 0000000077 Data: 20170510. (Não gera crédito para Tranferência) "
                       "\r\n",
                       ""},
        CasoRegistro76{"transferencia_com_credito", Nota76([](Registro76& n) { n.cfop = 5601; }), "",
                       "Não gera crédito"},
        CasoRegistro76{"cnpj_invalido",
                       Nota76([](Registro76& n) { n.cnpj = "11222333000182"; }),
                       "(Reg 50) CNPJ Inválido: 11222333000182 NF: 0000000077 Data: 20170510\r\n",
                       ""},
        CasoRegistro76{"cancelada_nao_e_examinada",
                       Nota76([](Registro76& n) { n.cnpj = "11222333000182"; n.situacao = 'S'; }), "",
                       "CNPJ Inválido"},
        // "ISENTO" is compared as read and trimmed, and quoted as read.
        CasoRegistro76{"isento_sem_credito",
                       Nota76([](Registro76& n) { n.cfop = 5601; n.inscricao = "ISENTO"; }),
                       "ADVERTÊNCIA (Reg.76): Emitente/Destinatário informado pelo CNPJ/CPF:11222333000181 - "
                       "Inscrição: ISENTO         na NF: 0000000077 Data: 20170510. (Não gera crédito para "
                       "Tranferência) \r\n",
                       ""},
        CasoRegistro76{"isento_minusculo_nao_e_isento",
                       Nota76([](Registro76& n) { n.cfop = 5601; n.inscricao = "isento"; }), "",
                       "Não gera crédito"},
        CasoRegistro76{"data_que_nao_existe_citada_como_lida",
                       Nota76([](Registro76& n) { n.base = 5000; n.data = "20170231"; }),
                       "e outras = 0,00. NF: 0000000077 Data: 20170231. VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO\r\n",
                       "Erro ao validar"},
        CasoRegistro76{"data_inconversivel",
                       Nota76([](Registro76& n) { n.base = 5000; n.data = "2017AB10"; }),
                       "REJEIÇÃO (Reg 76): Não foi possivel converter a data da NF 0000000077 em uma data valida. A "
                       "data a ser convertida é 2017AB10\r\n",
                       "Erro ao validar"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(DeclaracaoHostTest, Registro76Ilegivel) {
    std::string ilegivel = Registro76().Linha();
    ilegivel.replace(61, 13, "00000000001X0");
    const std::string relatorio = CriticarDeclaracao({ilegivel});
    EXPECT_THAT(relatorio,
                HasSubstr("REJEIÇÃO: Reg 76: Erro ao validar nota fiscal NF: 0000000077 Data: 20170510\r\n"));
}

// The rate of columns 124-125 is no field of the rules.
TEST_F(DeclaracaoHostTest, Registro76ComAliquotaIlegivelNaoEhRejeitado) {
    std::string nota = Registro76().Linha();
    nota.replace(123, 2, "X ");
    const std::string relatorio = CriticarDeclaracao({nota});
    EXPECT_THAT(relatorio, Not(HasSubstr("Reg 76")));
}

TEST_F(DeclaracaoHostTest, Registro53Ilegivel) {
    std::string ilegivel = Registro53().Linha();
    ilegivel.replace(69, 13, "000000000X000");
    const std::string relatorio = CriticarDeclaracao({ilegivel});
    EXPECT_THAT(relatorio, HasSubstr("REJEIÇÃO: Reg 53: Erro ao validar nota fiscal NF: 1 Data: 10/05/2017\r\n"));
}

TEST_F(DeclaracaoHostTest, Registro55IlegivelEncerraAPassagem) {
    const std::string relatorio = CriticarDeclaracao({Linha126("55" + std::string(14, '1') + "X")});
    EXPECT_THAT(relatorio, HasSubstr("Erro ao processar crítica específica (Registro 55 - Linha do arquivo: 2 - "));
}

}  // namespace
}  // namespace zq::teste
