#include "record-model/registros/Reg10.h"

#include <gtest/gtest.h>

#include "platform/Relogio.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/registros/Reg11.h"

namespace zq {
namespace {

using namespace std::chrono;

// Each field filled to its width, as a line holds it.
struct Partes10 {
    std::string cnpj = "03852995000107";
    std::string inscricao = "110042490114  ";
    std::string razaoSocial = "Async Open Source                  ";
    std::string municipio = "Sao Carlos                    ";
    std::string uf = "SP";
    std::string fax = "0035015394";
    std::string dataInicial = "20070101";
    std::string dataFinal = "20070131";
    std::string codigos = "331";

    std::string Linha() const {
        return "10" + cnpj + inscricao + razaoSocial + municipio + uf + fax + dataInicial + dataFinal + codigos;
    }
};

TEST(Reg10, LeOsCamposNormalizados) {
    Partes10 partes;
    partes.cnpj = "03.852.995/01-";
    partes.inscricao = " 110.042.49-ab";
    partes.razaoSocial = "  Ação   Comércio  de Peças Ltda   ";
    partes.municipio = " São   João del-Rei            ";
    partes.municipio.resize(30);
    partes.uf = "sp";
    partes.fax = "(16)3501-5";
    ASSERT_EQ(partes.Linha().size(), 126u);

    TReg10 registro;
    registro.SetLinha(partes.Linha());
    EXPECT_EQ(registro.Cnpj(), "0385299501");
    EXPECT_EQ(registro.InscricaoEstadual(), "11004249AB");
    EXPECT_EQ(registro.RazaoSocial(), "Acao Comercio de Pecas Ltda");
    EXPECT_EQ(registro.Municipio(), "Sao Joao del-Rei");
    EXPECT_EQ(registro.Uf(), "SP");
    EXPECT_EQ(registro.Fax(), "1635015");
    EXPECT_EQ(registro.DataInicial(), year{2007} / January / 1);
    EXPECT_EQ(registro.DataFinal(), year{2007} / January / 31);
    EXPECT_EQ(registro.CodigoConvenio(), '3');
    EXPECT_EQ(registro.CodigoNatureza(), '3');
    EXPECT_EQ(registro.CodigoFinalidade(), '1');
    EXPECT_TRUE(registro.Presente());
    EXPECT_FALSE(registro.Alterado());
    // The line read comes back as it was.
    EXPECT_EQ(registro.GetLinha(), partes.Linha());
}

TEST(Reg10, ErrosDaLinha) {
    struct Caso {
        std::string linha;
        std::string mensagem;
    };
    Partes10 dataRuim;
    dataRuim.dataFinal = "20070230";
    const std::string curta = Partes10().Linha().substr(0, 125);
    const std::vector<Caso> casos{
        {dataRuim.Linha(), "Data inválida. Dia e/ou mês e/ou ano incorreto(s). Data: 20070230"},
        {curta, "(Registro 10) Linha de tamanho 125, menor que o tamanho mínimo aceitável (126)!\rConteúdo da linha: '" +
                    curta + "'"},
        {"11" + Partes10().Linha().substr(2),
         "(Registro 10) Tipo de registro diferente do esperado!\rConteúdo da linha: '11" + Partes10().Linha().substr(2) +
             "'"},
    };
    for (const auto& caso : casos) {
        TReg10 registro;
        try {
            registro.SetLinha(caso.linha);
            ADD_FAILURE() << caso.mensagem;
        } catch (const Excecao& erro) {
            EXPECT_EQ(erro.what(), caso.mensagem);
        }
    }
    EXPECT_THROW(TReg10().SetLinha(dataRuim.Linha()), EFormatoInvalido);
}

TEST(Reg10, ComporDepoisDeAlterar) {
    TReg10 registro;
    registro.SetLinha(Partes10().Linha());
    registro.SetRazaoSocial("Nova Razão Social");
    registro.SetFax("12345");
    registro.SetCnpj("123456789012345678");
    registro.SetDataFinal(year{2007} / January / 30);
    EXPECT_TRUE(registro.Alterado());
    const std::string linha = registro.GetLinha();
    Partes10 esperado;
    esperado.cnpj = "12345678901234";
    esperado.razaoSocial = "Nova Razao Social" + std::string(18, ' ');
    esperado.fax = "0000012345";
    esperado.dataFinal = "20070130";
    EXPECT_EQ(linha, esperado.Linha());
    EXPECT_FALSE(registro.Alterado());

    TReg10 vazio;
    EXPECT_EQ(vazio.GetLinha(), "");
    vazio.SetUf("zq");
    EXPECT_EQ(vazio.Uf(), "ZQ");
    const std::string soUf = vazio.GetLinha();
    ASSERT_EQ(soUf.size(), 126u);
    EXPECT_EQ(soUf.substr(95, 2), "ZQ");
    EXPECT_EQ(soUf.substr(97, 26), "0000000000" + std::string(16, '0'));
}

TEST(Reg10, TipoEntregaEConvenio) {
    const std::vector<std::tuple<std::string, char, bool, bool>> casos{
        // codes (convention, nature, purpose), delivery type, rectifying, earlier layout
        {"332", 'R', true, false}, {"331", 'N', false, false}, {"333", 'N', false, false},
        {"335", 'N', false, false}, {"132", 'R', true, true},  {"231", 'N', false, false},
    };
    for (const auto& [codigos, tipoEntrega, retificadora, convenioAntigo] : casos) {
        Partes10 partes;
        partes.codigos = codigos;
        TReg10 registro;
        registro.SetLinha(partes.Linha());
        EXPECT_EQ(registro.TipoEntrega(), tipoEntrega) << codigos;
        EXPECT_EQ(registro.IsRetificadora(), retificadora) << codigos;
        EXPECT_EQ(registro.IsConvenioAntigo(), convenioAntigo) << codigos;
    }
}

TEST(Reg10, PeriodoDaDataInicialOuDeHoje) {
    FixarHoje(year{2017} / March / 15);
    TReg10 registro;
    Partes10 partes;
    partes.dataInicial = "20161201";
    registro.SetLinha(partes.Linha());
    EXPECT_EQ(registro.PeriodoReferencia(), "2016-12");
    EXPECT_EQ(registro.AnoReferencia(), 2016);

    registro.SetDataInicial(std::nullopt);
    EXPECT_EQ(registro.PeriodoReferencia(), "2017-03");
    EXPECT_EQ(registro.AnoReferencia(), 2017);
    registro.Limpar();
    EXPECT_EQ(registro.PeriodoReferencia(), "2017-03");
    FixarHoje(std::nullopt);
}

struct Partes11 {
    std::string logradouro = "Orlando Damiano                   ";
    std::string numero = "02212";
    std::string complemento = "                      ";
    std::string bairro = "Jd Macarengo   ";
    std::string cep = "13560450";
    std::string contato = "Async Open Source           ";
    std::string telefone = "000033760125";

    std::string Linha() const { return "11" + logradouro + numero + complemento + bairro + cep + contato + telefone; }
};

TEST(Reg11, LeOsCampos) {
    TReg11 registro;
    registro.SetLinha(Partes11().Linha());
    EXPECT_EQ(registro.Logradouro(), "Orlando Damiano");
    EXPECT_EQ(registro.Numero(), 2212);
    EXPECT_EQ(registro.NumeroTexto(), "02212");
    EXPECT_EQ(registro.ComplementoEndereco(), "");
    EXPECT_EQ(registro.Bairro(), "Jd Macarengo");
    EXPECT_EQ(registro.Cep(), "13560450");
    EXPECT_EQ(registro.Contato(), "Async Open Source");
    EXPECT_EQ(registro.Telefone(), "000033760125");
    EXPECT_EQ(registro.GetLinha(), Partes11().Linha());
}

TEST(Reg11, NumeroCepETelefone) {
    struct Caso {
        std::string numero, cep, telefone;
        std::int32_t numeroLido;
        std::string numeroTexto, cepLido, telefoneLido;
    };
    const std::vector<Caso> casos{
        {"S/N  ", "13560-45", "(16)3376-125", 0, "00000", "13560450", "000163376125"},
        {" 42  ", "        ", "            ", 42, "00042", "00000000", "000000000000"},
        {"00007", "1356-045", "016337601259", 7, "00007", "13560450", "016337601259"},
        {"-0012", "abcdefgh", "55 16 337601", 0, "00000", "00000000", "005516337601"},
    };
    for (const auto& caso : casos) {
        Partes11 partes;
        partes.numero = caso.numero;
        partes.cep = caso.cep;
        partes.telefone = caso.telefone;
        TReg11 registro;
        registro.SetLinha(partes.Linha());
        EXPECT_EQ(registro.Numero(), caso.numeroLido) << caso.numero;
        EXPECT_EQ(registro.NumeroTexto(), caso.numeroTexto) << caso.numero;
        EXPECT_EQ(registro.Cep(), caso.cepLido) << caso.cep;
        EXPECT_EQ(registro.Telefone(), caso.telefoneLido) << caso.telefone;
    }
    TReg11 registro;
    registro.SetCep("123456789");
    registro.SetTelefone("+55 (16) 3376-01259");
    EXPECT_EQ(registro.Cep(), "12345678");
    EXPECT_EQ(registro.Telefone(), "551633760125");
}

TEST(Reg11, ComporDepoisDeAlterar) {
    TReg11 registro;
    registro.SetLinha(Partes11().Linha());
    registro.SetNumero(7);
    registro.SetBairro("  Centro   Histórico ");
    registro.SetTelefone("3376");
    Partes11 esperado;
    esperado.numero = "00007";
    esperado.bairro = "Centro Historic";
    esperado.telefone = "000000003376";
    EXPECT_EQ(registro.Bairro(), "Centro Historico");
    EXPECT_EQ(registro.GetLinha(), esperado.Linha());

    registro.Limpar();
    EXPECT_FALSE(registro.Presente());
    EXPECT_EQ(registro.Numero(), 0);
    EXPECT_EQ(registro.NumeroTexto(), "00000");
    EXPECT_EQ(registro.GetLinha(), "");
}

}  // namespace
}  // namespace zq
