// The virtual-office file of the selection.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/Cp1252.h"
#include "selection/Declaracoes.h"
#include "selection/Xrazq.h"
#include "selection/transmissao/ArquivoGimAtf.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

// An independent reader: checks the CRC-32, prints the version digits and the ZIP size, and writes every
// entry, decrypted with the virtual-office password, into the folder.
const char* const kLeitorPython = R"(
import io, struct, sys, zipfile, zlib
dados = open(sys.argv[1], 'rb').read()
assert struct.unpack('<I', dados[:4])[0] == zlib.crc32(dados[4:]), 'CRC'
tamanho = struct.unpack('<i', dados[8:12])[0]
assert tamanho == len(dados) - 12, 'tamanho'
print(dados[4:8].decode('ascii'))
with zipfile.ZipFile(io.BytesIO(dados[12:])) as arquivo:
    for nome in arquivo.namelist():
        open(sys.argv[2] + '/' + nome, 'wb').write(arquivo.read(nome, pwd=b'K37WtpqN%&9'))
)";

std::string LerComPython(const fs::path& atfgim, const fs::path& pasta) {
    PastaTeste roteiro;
    GravarArquivo(roteiro / "leitor.py", kLeitorPython);
    const std::string comando = "python3 " + Aspas((roteiro / "leitor.py").string()) + " " + Aspas(atfgim.string()) +
                                " " + Aspas(pasta.string()) + " >" + Aspas((roteiro / "saida").string());
    if (std::system(comando.c_str()) != 0) return "<falhou>";
    return LerArquivo(roteiro / "saida");
}

class Geracao : public testing::Test {
protected:
    void Incluir(const std::string& nome, const DeclaracaoTeste& declaracao) {
        MidiaTeste midia;
        midia.txt = declaracao.Bytes();
        GravarMidia(midias_ / nome, midia);
    }

    PastaTeste midias_;
    PastaTeste saida_;
    PastaTeste temporaria_;
};

TEST_F(Geracao, ArquivoDaSelecaoLidoPorOutroLeitorGuardaCadaTxtByteAByte) {
    const DeclaracaoTeste normal{.inscricao = "161111110", .periodo = "201512"};
    const DeclaracaoTeste retificadora{.inscricao = "161111110", .periodo = "201512", .finalidade = '2'};
    Incluir("a.zip", normal);
    Incluir("b.zip", retificadora);
    Incluir("c.zip", {.inscricao = "162222220", .periodo = "201511"});

    const ExecucaoXrazq execucao = Xrazq({"gerar", midias_.Caminho().string(), (saida_ / "nova").string(), "--periodo",
                                         "2015-12"},
                                        temporaria_.Caminho());
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_THAT(execucao.saida, testing::MatchesRegex((saida_ / "nova").string() +
                                                      "/Gim_Coletoria_[0-9]{8}-[0-9]{6}_00002\\.atfgim\n"));
    const fs::path atfgim = execucao.saida.substr(0, execucao.saida.size() - 1);

    PastaTeste lidos;
    EXPECT_EQ(LerComPython(atfgim, lidos.Caminho()), "1000\n");
    EXPECT_EQ(LerArquivo(lidos / "2015-12_161111110_31_00.txt"), normal.Bytes());
    EXPECT_EQ(LerArquivo(lidos / "2015-12_161111110_32_00.txt"), retificadora.Bytes());
    EXPECT_EQ(std::distance(fs::directory_iterator(lidos.Caminho()), fs::directory_iterator()), 2);
    EXPECT_TRUE(fs::is_empty(temporaria_.Caminho()));
}

TEST_F(Geracao, DadosAnuaisTemOPrefixoDA) {
    Incluir("a.zip", {.periodo = "201501", .regime = Regime::DadosAnuais});
    const ExecucaoXrazq execucao =
        Xrazq({"gerar", midias_.Caminho().string(), saida_.Caminho().string(), "--tipo", "da", "--periodo", "2015"},
              temporaria_.Caminho());
    ASSERT_EQ(execucao.resultado, 0) << execucao.erros;
    EXPECT_THAT(execucao.saida, testing::HasSubstr("/DA_Coletoria_"));
    EXPECT_THAT(execucao.saida, testing::EndsWith("_00001.atfgim\n"));
}

TEST_F(Geracao, SelecaoVaziaNaoGeraArquivo) {
    Incluir("a.zip", {});
    const ExecucaoXrazq execucao = Xrazq(
        {"gerar", midias_.Caminho().string(), saida_.Caminho().string(), "--periodo", "2016-01"}, temporaria_.Caminho());
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_EQ(execucao.erros, "Nenhum arquivo TXT recuperado para geração!\n");
    EXPECT_TRUE(fs::is_empty(saida_.Caminho()));
    EXPECT_TRUE(fs::is_empty(temporaria_.Caminho()));
}

TEST(ArquivoGimAtf, DigitosDaVersaoENome) {
    EXPECT_EQ(DigitosVersao("2.1.4.9"), "2149");
    EXPECT_EQ(DigitosVersao("10.2.3.4"), "1023");
    const auto agora = std::chrono::local_days{std::chrono::year{2018} / 1 / 5} + std::chrono::hours{9} +
                       std::chrono::minutes{7} + std::chrono::seconds{3};
    EXPECT_EQ(NomeArquivoColetoria("Gim", 12, agora), "Gim_Coletoria_20180105-090703_00012.atfgim");
}

TEST(ArquivoGimAtf, VersaoNosBytesQuatroASeteEFalhaSemDeixarArquivos) {
    PastaTeste trabalho;
    PastaTeste txts;
    GravarArquivo(txts / "a.txt", "conteudo");
    const std::string saida = CaminhoCp1252(trabalho / "saida" / "x.atfgim");
    GeraArquivoGimAtf({CaminhoCp1252(txts / "a.txt")}, kSenhaGimAtf, "2149", CaminhoCp1252(trabalho.Caminho()), saida);
    EXPECT_EQ(LerArquivo(CaminhoNativo(saida)).substr(4, 4), "2149");
    EXPECT_FALSE(fs::exists(trabalho / "GimAtf.temp"));
    EXPECT_FALSE(fs::exists(trabalho / "Zip" / "ZipGimAtf.temp"));

    const std::string outra = CaminhoCp1252(trabalho / "saida" / "y.atfgim");
    EXPECT_THROW(GeraArquivoGimAtf({CaminhoCp1252(txts / "nao-existe.txt")}, kSenhaGimAtf, "2149",
                                   CaminhoCp1252(trabalho.Caminho()), outra),
                 Excecao);
    EXPECT_FALSE(fs::exists(CaminhoNativo(outra)));
    EXPECT_FALSE(fs::exists(trabalho / "GimAtf.temp"));
    EXPECT_FALSE(fs::exists(trabalho / "Zip" / "ZipGimAtf.temp"));
}

}  // namespace
}  // namespace zq
