// Transmission files and their receipts, through the command line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "selection/Declaracoes.h"
#include "selection/DmValidador.h"
#include "selection/Transmissao.h"
#include "selection/Xrazq.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;
using testing::HasSubstr;

const std::string kCabecalhoRecibos =
    "Imprimir\tInscricao\tPeriodo\tTipo\tCodigoRecibo\tCodigoDados\tDataHoraRecibo\tSituacao\tCrcTxt\tTamanhoTxt\t"
    "DataHoraTxt\tArquivoTxt\tCnpj\tRazaoSocial\tFinalidade\temailTxt";

class Transmissao : public testing::Test {
protected:
    std::string Sfn() const { return (pasta_ / "decl.sfn").string(); }
    ExecucaoXrazq Abrir() { return Xrazq({"sfn", Sfn()}, temporaria_.Caminho()); }

    // A record holding the declaration's TXT, zipped with the record password.
    std::string Registro(const DeclaracaoTeste& declaracao, const std::string& nome) {
        const fs::path txt = pasta_ / nome;
        GravarArquivo(txt, declaracao.Bytes());
        return R"({"ie": ")" + declaracao.inscricao + R"(", "txt": ")" + txt.string() + R"("})";
    }
    std::vector<std::string> Escrever(int id, const std::string& periodo, const std::vector<std::string>& registros,
                                      const std::vector<std::string>& recibos = {}, bool comRecibos = true) {
        std::string json = R"({"sfn": ")" + Sfn() + R"(", "id": )" + std::to_string(id) + R"(, "periodo": ")" + periodo +
                           R"(", "registros": [)";
        for (std::size_t i = 0; i < registros.size(); ++i) json += (i ? "," : "") + registros[i];
        json += "]";
        if (comRecibos && !recibos.empty()) {
            json += R"(, "recibos": [)";
            for (std::size_t i = 0; i < recibos.size(); ++i) json += (i ? "," : "") + recibos[i];
            json += "]";
        }
        return EscreverTransmissao(json + "}");
    }
    // Three GIMs of 12/2015 with a receipt each.
    std::vector<std::string> TresGims(const std::vector<std::string>& recibos) {
        return Escrever(15, "01122015",
                        {Registro({.inscricao = "161111110", .periodo = "201512"}, "a.txt"),
                         Registro({.inscricao = "162222220", .periodo = "201512"}, "b.txt"),
                         Registro({.inscricao = "163333330", .periodo = "201512", .finalidade = '2'}, "c.txt")},
                        recibos);
    }

    PastaTeste pasta_;
    PastaTeste temporaria_;
};

TEST_F(Transmissao, SemRegistrosTemTrezeBytesENaoListaNada) {
    Escrever(15, "01122015", {});
    EXPECT_EQ(fs::file_size(Sfn()), 13u);
    const ExecucaoXrazq execucao = Abrir();
    EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.saida, "Inscricao\tTamanhoDados\tCodigoDados\n");
}

TEST_F(Transmissao, RegistrosSemReciboComTamanhoECodigo) {
    const auto codigos = Escrever(15, "01122015",
                                  {R"({"ie": "161111110", "bytes": ")" + std::string(8192, 'x') + R"("})",
                                   R"({"ie": "162222220", "bytes": ")" + std::string(8193, 'y') + R"("})",
                                   R"({"ie": "163333330", "bytes": ")" + std::string(2000000, 'z') + R"("})"});
    const ExecucaoXrazq execucao = Abrir();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Coluna("TamanhoDados"), (std::vector<std::string>{"8.192 bytes", "8 KBytes", "1.953 KBytes"}));
    EXPECT_EQ(execucao.Coluna("CodigoDados"), codigos);
    EXPECT_EQ(execucao.Coluna("Inscricao"), (std::vector<std::string>{"161111110", "162222220", "163333330"}));
}

TEST_F(Transmissao, UmByteMudadoDaDadosCorrompidos) {
    Escrever(15, "01122015", {R"({"ie": "161111110", "bytes": "abcdef"})"});
    std::string bytes = LerArquivo(Sfn());
    bytes[25] = 'X';
    GravarArquivo(Sfn(), bytes);
    const ExecucaoXrazq execucao = Abrir();
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(execucao.erros, "Erro ao carregar dados do arquivo \"" + Sfn() + "\"\nDados corrompidos!\n");
}

TEST_F(Transmissao, RecibosConferidosComRegistrosETxt) {
    const std::string antigo = "0123456789ABCDEF0123456789ABCDEF";
    const auto codigos = TresGims({R"({"ie": "161111110", "registro": 0})",
                                   R"({"ie": "162222220", "codigo": ")" + antigo + R"("})",
                                   R"({"ie": "163333330", "registro": 2, "duplicidade": 1})"});
    const ExecucaoXrazq execucao = Abrir();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Cabecalho(), kCabecalhoRecibos);
    const auto linhas = execucao.Linhas();
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].at("Imprimir"), "1");
    EXPECT_EQ(linhas[0].at("Inscricao"), "161111110");
    EXPECT_EQ(linhas[0].at("Periodo"), "2015-12");
    EXPECT_EQ(linhas[0].at("Tipo"), "GIM");
    EXPECT_EQ(linhas[0].at("CodigoDados"), codigos[0]);
    EXPECT_EQ(linhas[0].at("DataHoraRecibo"), "10/01/2016 10:20:30");
    EXPECT_EQ(linhas[0].at("Situacao"), "Primeira apresentação");
    EXPECT_EQ(linhas[0].at("ArquivoTxt"), "a.txt");
    EXPECT_EQ(linhas[0].at("TamanhoTxt"), std::to_string(DeclaracaoTeste{.inscricao = "161111110", .periodo = "201512"}.Bytes().size()));
    EXPECT_EQ(linhas[0].at("Cnpj"), "12345678000195");
    EXPECT_EQ(linhas[0].at("Finalidade"), "N");
    EXPECT_EQ(linhas[0].at("emailTxt"), "contador@exemplo.com.br");
    EXPECT_EQ(linhas[1].at("Inscricao"), "163333330");
    EXPECT_EQ(linhas[1].at("Situacao"), "Reapresentação (2ª via)");
    EXPECT_EQ(linhas[1].at("Finalidade"), "R");
    // The receipt of an earlier transmission is refused alone, with the transmission it belongs to.
    EXPECT_THAT(execucao.erros, HasSubstr("Motivo: Divergência no código autenticador de dados."));
    EXPECT_THAT(execucao.erros, HasSubstr("Empresa 2 de 3\n      Código de dados: " + codigos[1]));
    EXPECT_THAT(execucao.erros, HasSubstr("      Código dos dados: " + antigo));
}

TEST_F(Transmissao, ReciboCujoTxtNaoConfereFicaDeFora) {
    struct Caso {
        std::string registro;
        std::string mensagem;
    };
    const fs::path txt = pasta_ / "a.txt";
    GravarArquivo(txt, DeclaracaoTeste{.inscricao = "161111110", .periodo = "201512"}.Bytes());
    const std::vector<Caso> casos = {
        {R"({"ie": "169999990", "bytes": "nao e um zip"})", "Erro ao descompactar txt NoldeNet!\n   Arquivo NoldeNet: '"},
        {R"({"ie": "169999990", "txt": ")" + txt.string() + R"("})",
         "ARQUIVO TXT SINTEGRA INVÁLIDO\nDivergência Dados/Recibo/Txt NoldeNet: Inscrição estadual"},
    };
    for (const auto& caso : casos) {
        Escrever(15, "01122015", {caso.registro}, {R"({"ie": "169999990", "registro": 0})"});
        const ExecucaoXrazq execucao = Abrir();
        EXPECT_EQ(execucao.resultado, 1);
        EXPECT_THAT(execucao.erros, HasSubstr(caso.mensagem));
        EXPECT_THAT(execucao.erros, HasSubstr("O arquivo de declarações '" + Sfn() + "' não possui nenhum recibo válido!"));
    }
}

TEST_F(Transmissao, ContagemDosRecibosEscolhidosETxtConferido) {
    TresGims({R"({"ie": "161111110", "registro": 0})", R"({"ie": "162222220", "registro": 1})",
              R"({"ie": "163333330", "registro": 2})"});
    PastaTeste trabalho;
    TDmValidador dm(CaminhoCp1252(trabalho.Caminho()));
    ASSERT_NE(dm.AbrirArquivoInternet(Sfn()), nullptr);
    EXPECT_EQ(dm.QuantidadeEscolhidos(), 3);
    dm.tblNoldeNet.IrPara(1);
    dm.DefinirImprimir(false);
    EXPECT_EQ(dm.QuantidadeEscolhidos(), 2);
    EXPECT_FALSE(dm.tblNoldeNet.Linhas()[1].Imprimir);
    dm.EscolherTodos(true);
    EXPECT_EQ(dm.QuantidadeEscolhidos(), 3);

    // The extracted TXT is checked like a scanned one before it is printed.
    EXPECT_EQ(dm.ConferirTxt(dm.tblNoldeNet), dm.tblNoldeNet.Atual().PathTxt);
    GravarArquivo(CaminhoNativo(dm.tblNoldeNet.Atual().PathTxt), "outro");
    EXPECT_THROW(dm.ConferirTxt(dm.tblNoldeNet), Excecao);
}

TEST_F(Transmissao, DadosAnuaisDe2015MostradosComoAno) {
    Escrever(12, "20152015", {Registro({.periodo = "201501", .regime = Regime::DadosAnuais}, "da.txt")},
             {R"({"ie": "161234569", "registro": 0})"});
    EXPECT_EQ(LerArquivo(Sfn()).substr(5, 8), "20152015");
    const ExecucaoXrazq execucao = Abrir();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Coluna("Periodo"), std::vector<std::string>{"2015"});
    EXPECT_EQ(execucao.Coluna("Tipo"), std::vector<std::string>{"Dados Anuais"});
}

TEST_F(Transmissao, ReciboRefutadoComoUmTodo) {
    struct Caso {
        std::vector<std::string> recibos;
        std::string mensagem;
    };
    const std::vector<Caso> casos = {
        {{R"({"ie": "161111110", "registro": 0})", R"({"ie": "162222220", "registro": 1})"},
         "Motivo: Divergência na quantidade de declarações"},
        {{R"({"ie": "161111110", "registro": 0})", R"({"ie": "162222220", "codigo": "-1"})",
          R"({"ie": "163333330", "registro": 2})"},
         "Declarações REJEITADAS, por transmissão FORA DO PRAZO!"},
        {{R"({"ie": "161111110", "registro": 0, "magico": 16})", R"({"ie": "162222220", "registro": 1})",
          R"({"ie": "163333330", "registro": 2})"},
         "ARQUIVO DE RECIBO INVÁLIDO!\nMotivo: Divergência no identificador de aplicação"},
        {{R"({"ie": "161111110", "registro": 0, "duplicidade": 0, "brancos": 2})", R"({"ie": "162222220", "registro": 1})",
          R"({"ie": "163333330", "registro": 2})"},
         "Linha 1 muito longa (111 caracteres)"},
        {{R"({"ie": "161111110", "registro": 0})", R"({"linha": ")" + std::string(44, '9') + R"("})",
          R"({"ie": "163333330", "registro": 2})"},
         "Linha 2 muito curta (44 caracteres)"},
        // 45 characters pass the length check and fail as a receipt.
        {{R"({"ie": "161111110", "registro": 0})", R"({"linha": "15 01122015 162222220 10/01/2016 10:20:30 ABC"})",
          R"({"ie": "163333330", "registro": 2})"},
         "Recibo incompleto: falta o código do recibo."},
    };
    for (const auto& caso : casos) {
        TresGims(caso.recibos);
        const ExecucaoXrazq execucao = Abrir();
        EXPECT_EQ(execucao.resultado, 1) << caso.mensagem;
        EXPECT_THAT(execucao.erros, HasSubstr(caso.mensagem));
        EXPECT_EQ(execucao.saida, "");
    }
}

TEST_F(Transmissao, LinhaDeCentoEDezCaracteresAceita) {
    TresGims({R"({"ie": "161111110", "registro": 0, "duplicidade": 0, "brancos": 1})", R"({"ie": "162222220", "registro": 1})",
              R"({"ie": "163333330", "registro": 2})"});
    const ExecucaoXrazq execucao = Abrir();
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.Linhas().size(), 3u);
}

TEST_F(Transmissao, ArquivosHostisTerminamEmMensagem) {
    struct Caso {
        std::string registros;
        std::string mensagem;
    };
    const std::vector<Caso> casos = {
        {R"({"ie": "161111110", "bytes": "abc", "tamanho": -5})", "Tamanho dos dados inválido: -5 byte(s)"},
        {R"({"ie": "161111110", "bytes": "abc", "tamanho": 2000000000})", "Tamanho dos dados inválido: 2000000000 byte(s)"},
        {R"({"ie": "1611", "bytes": "", "tamanho": 0})", "Erro na leitura de registro de dados!"},
    };
    for (const auto& caso : casos) {
        Escrever(15, "01122015", {R"({"ie": "160000000", "bytes": "ok"})", caso.registros});
        const ExecucaoXrazq execucao = Abrir();
        EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
        EXPECT_EQ(execucao.Linhas().size(), 1u);
        EXPECT_THAT(execucao.erros, HasSubstr(caso.mensagem));
    }
    GravarArquivo(Sfn(), std::string("\x01\x02\x03\x04\x0F" "0112", 9));
    const ExecucaoXrazq truncado = Abrir();
    EXPECT_EQ(truncado.resultado, 1);
    EXPECT_THAT(truncado.erros, HasSubstr("Cabeçalho truncado: 9 byte(s)."));
}

// Files past their size limit are refused before they are read (sparse here: nothing is really written).
TEST_F(Transmissao, ArquivosGrandesDemaisSaoRecusadosSemLeitura) {
    TresGims({R"({"ie": "161111110", "registro": 0})", R"({"ie": "162222220", "registro": 1})",
              R"({"ie": "163333330", "registro": 2})"});
    const fs::path rcb = pasta_ / "decl.rcb";
    fs::resize_file(rcb, (std::uintmax_t{16} << 20) + 1);
    const ExecucaoXrazq recibos = Abrir();
    EXPECT_EQ(recibos.resultado, 1);
    EXPECT_THAT(recibos.erros,
                HasSubstr("O arquivo '" + rcb.string() + "' tem 16777217 bytes, acima do limite de 16777216 bytes."));

    fs::remove(rcb);
    fs::resize_file(Sfn(), (std::uintmax_t{1} << 30) + 1);
    const ExecucaoXrazq transmissao = Abrir();
    EXPECT_EQ(transmissao.resultado, 1);
    EXPECT_THAT(transmissao.erros,
                HasSubstr("O arquivo '" + Sfn() + "' tem 1073741825 bytes, acima do limite de 1073741824 bytes."));
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {

class RecibosColetoria : public testing::Test {
protected:
    ExecucaoXrazq Listar() { return Xrazq({"recibos", (pasta_ / "recibos.zip").string()}, temporaria_.Caminho()); }

    PastaTeste pasta_;
    PastaTeste temporaria_;
};

TEST_F(RecibosColetoria, ListaOsPdfsEmOrdemDeNome) {
    GravarZipComNomes(pasta_ / "recibos.zip", {{"b.pdf", "%PDF b"}, {"A.PDF", "%PDF a"}, {"leia.txt", "x"}}, "");
    const ExecucaoXrazq execucao = Listar();
    EXPECT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_EQ(execucao.saida, "A.PDF\nb.pdf\n");
    EXPECT_TRUE(fs::is_empty(temporaria_.Caminho()));
}

TEST_F(RecibosColetoria, ZipsSemPdfOuHostisTerminamEmMensagem) {
    struct Caso {
        std::vector<std::pair<std::string, std::string>> entradas;
        std::string mensagem;
    };
    const std::vector<Caso> casos = {
        {{{"leia.txt", "x"}}, "Nenhum arquivo de recibo encontrado no arquivo informado!\n"},
        {{{"../../fora.pdf", "x"}},
         "Erro ao descompactar arquivo de recibos!\n\nArquivo compactado com entrada de nome inválido: '../../fora.pdf'.\n"},
        {{{"bomba.pdf", std::string(std::size_t{32} << 20, '0')}},
         "Erro ao descompactar arquivo de recibos!\n\n"
         "Entrada 'bomba.pdf' do arquivo compactado com taxa de compressão acima de 1000 para 1.\n"},
    };
    for (const auto& caso : casos) {
        GravarZipComNomes(pasta_ / "recibos.zip", caso.entradas, "");
        const ExecucaoXrazq execucao = Listar();
        EXPECT_EQ(execucao.resultado, 1);
        EXPECT_EQ(execucao.erros, caso.mensagem);
    }
    GravarArquivo(pasta_ / "recibos.zip", "PK\x03\x04 truncado");
    const ExecucaoXrazq truncado = Listar();
    EXPECT_EQ(truncado.resultado, 1);
    EXPECT_THAT(truncado.erros, testing::StartsWith("Erro ao descompactar arquivo de recibos!\n\n"));
    EXPECT_FALSE(fs::exists(pasta_.Caminho().parent_path() / "fora.pdf"));
}

}  // namespace
}  // namespace zq
