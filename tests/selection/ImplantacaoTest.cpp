// The deployment of the post-validation library into the national validator's folder, and its start.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"
#include "platform/Relogio.h"
#include "selection/Mensagens.h"
#include "selection/validador/ProgramaValidadorSintegra.h"
#include "support/PastaTeste.h"
#include "support/PlataformaTeste.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace zq::teste;

const std::string kChave = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ValidadorSintegra";

fs::file_time_type Em(int dia) {
    return std::chrono::file_clock::from_sys(std::chrono::sys_seconds{std::chrono::sys_days{std::chrono::year{2018} / 3 / dia}} +
                                             std::chrono::hours{12});
}

class CaixasGravadas final : public TCaixasMensagem {
public:
    CaixasGravadas() { DefinirCaixas(this); }
    ~CaixasGravadas() override { DefinirCaixas(nullptr); }
    CaixasGravadas(const CaixasGravadas&) = delete;
    CaixasGravadas& operator=(const CaixasGravadas&) = delete;
    void Informacao(const std::string& texto) override { informacoes.push_back(Cp1252ParaUtf8(texto)); }
    void Erro(const std::string& texto) override { erros.push_back(Cp1252ParaUtf8(texto)); }

    std::vector<std::string> informacoes;
    std::vector<std::string> erros;
};

// The program's folder with its library of 04/03/2018, a registry of its own and today at 15/06/2018.
class Implantacao : public testing::Test {
protected:
    Implantacao() : plataforma_(programa_.Caminho(), programa_ / "ValidadorXraZQ") {
        setenv("TZ", "UTC", 1);
        tzset();
        setenv("ZQ_REGISTRO", (registro_ / "registro.reg").c_str(), 1);
        FixarHoje(std::chrono::year{2018} / 6 / 15);
        GravarArquivo(Dll(programa_.Caminho()), "biblioteca nova");
        fs::last_write_time(Dll(programa_.Caminho()), Em(4));
    }
    ~Implantacao() override {
        unsetenv("ZQ_REGISTRO");
        FixarHoje(std::nullopt);
    }

    static fs::path Dll(const fs::path& pasta) { return pasta / NomeDllPosValidacao(); }

    // A validator installed in a folder of its own, with or without a library there.
    fs::path Validador(const std::string& nome, const std::string& dll = "", int dia = 0) {
        const fs::path pasta = instalacoes_ / nome;
        fs::create_directories(pasta);
        GravarArquivo(pasta / "ValidadorSintegra", "#!/bin/sh\nexit 7\n");
        fs::permissions(pasta / "ValidadorSintegra", fs::perms::owner_all);
        if (!dll.empty()) {
            GravarArquivo(Dll(pasta), dll);
            fs::last_write_time(Dll(pasta), Em(dia));
        }
        return pasta / "ValidadorSintegra";
    }

    void Registrar(const std::vector<std::pair<int, fs::path>>& entradas) {
        std::string texto = "; registro de teste\n";
        for (const auto& [ano, caminho] : entradas) {
            texto += "[" + kChave + std::to_string(ano) + ".exe]\n@=\"" + caminho.string() + "\"\n";
        }
        GravarArquivo(registro_ / "registro.reg", texto);
    }

    PastaTeste programa_;
    PastaTeste instalacoes_;
    PastaTeste registro_;
    PlataformaTeste plataforma_;
    CaixasGravadas caixas_;
};

TEST_F(Implantacao, MesmaDataHoraNaoCopiaNemAvisa) {
    const fs::path validador = Validador("v", "biblioteca antiga", 4);
    const TProgramaValidadorSintegra programa(validador.string());
    EXPECT_EQ(LerArquivo(Dll(validador.parent_path())), "biblioteca antiga");
    EXPECT_TRUE(caixas_.informacoes.empty());
    EXPECT_EQ(programa.CaminhoValidador(), validador.string());
    EXPECT_EQ(programa.CaminhoDll(), Dll(programa_.Caminho()).string());
}

TEST_F(Implantacao, DestinoMaisNovoNaoESubstituido) {
    const fs::path validador = Validador("v", "biblioteca do futuro", 5);
    const TProgramaValidadorSintegra programa(validador.string());
    EXPECT_EQ(LerArquivo(Dll(validador.parent_path())), "biblioteca do futuro");
    EXPECT_TRUE(caixas_.informacoes.empty());
}

TEST_F(Implantacao, DestinoAusenteECopiadoComSuaDataHora) {
    const fs::path validador = Validador("v");
    const TProgramaValidadorSintegra programa(validador.string());
    EXPECT_EQ(LerArquivo(Dll(validador.parent_path())), "biblioteca nova");
    EXPECT_EQ(fs::last_write_time(Dll(validador.parent_path())), Em(4));
    ASSERT_EQ(caixas_.informacoes.size(), 1u);
    EXPECT_EQ(caixas_.informacoes[0], "Atualização da DLL de pós-validação do 'Validador Sintegra'.\r\r"
                                      "     Pasta da atualização: '" + validador.parent_path().string() + "'\r"
                                      "     DLL anterior: < NÃO localizada >\r"
                                      "     DLL atualizada: Versão: 1.0.0.0 - Data: 04/03/2018");
}

TEST_F(Implantacao, DestinoMaisAntigoESubstituidoEAvisaAVersaoAnterior) {
    const fs::path validador = Validador("v", "biblioteca antiga", 2);
    const TProgramaValidadorSintegra programa(validador.string());
    EXPECT_EQ(LerArquivo(Dll(validador.parent_path())), "biblioteca nova");
    ASSERT_EQ(caixas_.informacoes.size(), 1u);
    EXPECT_NE(caixas_.informacoes[0].find("     DLL anterior: Versão: 1.0.0.0 - Data: 02/03/2018\r"), std::string::npos)
        << caixas_.informacoes[0];
}

// Without its package beside the host every critique fails, so the package goes with the library.
TEST_F(Implantacao, PacoteDeReferenciaVaiComABiblioteca) {
    struct Caso {
        const char* nome;
        bool nossoPacote;
        int diaNosso;
        const char* pacoteLa;  // nullptr: none there
        int diaLa;
        const char* esperadoLa;  // nullptr: none there afterwards
    };
    const Caso casos[] = {
        {"ausenteLa", true, 4, nullptr, 0, "pacote novo"},
        {"maisAntigoLa", true, 4, "pacote antigo", 2, "pacote novo"},
        {"mesmaDataLa", true, 4, "pacote de lá", 4, "pacote de lá"},
        {"maisNovoLa", true, 4, "pacote do futuro", 5, "pacote do futuro"},
        {"semPacoteNoPrograma", false, 0, "pacote de lá", 2, "pacote de lá"},
        {"nenhumPacote", false, 0, nullptr, 0, nullptr},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const fs::path nosso = programa_ / "Morvanta.cri";
        fs::remove(nosso);
        if (caso.nossoPacote) {
            GravarArquivo(nosso, "pacote novo");
            fs::last_write_time(nosso, Em(caso.diaNosso));
        }
        // The library there is as new as ours: the package alone decides.
        const fs::path validador = Validador(caso.nome, "biblioteca nova", 4);
        const fs::path la = validador.parent_path() / "Morvanta.cri";
        if (caso.pacoteLa) {
            GravarArquivo(la, caso.pacoteLa);
            fs::last_write_time(la, Em(caso.diaLa));
        }
        const TProgramaValidadorSintegra programa(validador.string());
        if (caso.esperadoLa) {
            EXPECT_EQ(LerArquivo(la), caso.esperadoLa);
        } else {
            EXPECT_FALSE(fs::exists(la));
        }
        EXPECT_TRUE(caixas_.informacoes.empty());
    }
}

TEST_F(Implantacao, RegistroDoAnoCorrenteApontandoArquivoApagado) {
    const fs::path morto = instalacoes_ / "apagado" / "ValidadorSintegra";
    Registrar({{2018, morto}});
    const TProgramaValidadorSintegra programa("");
    EXPECT_EQ(programa.CaminhoValidador(), morto.string());
    EXPECT_FALSE(fs::exists(instalacoes_ / "apagado"));
    EXPECT_TRUE(caixas_.informacoes.empty());
}

TEST_F(Implantacao, RegistroDosDoisAnosImplantaNosDoisEFicaComOCorrente) {
    const fs::path anterior = Validador("2017");
    const fs::path corrente = Validador("2018");
    Registrar({{2018, corrente}, {2017, anterior}, {2016, Validador("2016")}});
    const TProgramaValidadorSintegra programa(CaminhoCp1252(instalacoes_ / "desinstalado"));
    EXPECT_EQ(programa.CaminhoValidador(), corrente.string());
    EXPECT_TRUE(fs::exists(Dll(anterior.parent_path())));
    EXPECT_TRUE(fs::exists(Dll(corrente.parent_path())));
    EXPECT_FALSE(fs::exists(Dll(instalacoes_ / "2016")));
    EXPECT_EQ(caixas_.informacoes.size(), 2u);
}

TEST_F(Implantacao, ValidadorNaoInstaladoFicaComoConfigurado) {
    const TProgramaValidadorSintegra programa("/opt/nenhum/ValidadorSintegra2018");
    EXPECT_EQ(programa.CaminhoValidador(), "/opt/nenhum/ValidadorSintegra2018");
    EXPECT_TRUE(caixas_.informacoes.empty());
    EXPECT_TRUE(caixas_.erros.empty());
}

TEST_F(Implantacao, BibliotecaAusenteNaPastaDoPrograma) {
    fs::remove(Dll(programa_.Caminho()));
    const fs::path validador = Validador("v");
    const TProgramaValidadorSintegra programa(validador.string());
    EXPECT_EQ(programa.CaminhoDll(), "");
    EXPECT_FALSE(fs::exists(Dll(validador.parent_path())));
    EXPECT_EQ(caixas_.erros, std::vector<std::string>{
                                 "DLL de pós-validação Sintegra não localizada na pasta do 'Validador XRA-ZQ': '" +
                                 NomeDllPosValidacao() + "'.\r\rReinstale o 'Validador XRA-ZQ' e tente novamente."});
}

TEST_F(Implantacao, ExecutarImplantaEsperaEDevolveOCodigoDeSaida) {
    const fs::path validador = Validador("v");
    TProgramaValidadorSintegra programa("");
    EXPECT_EQ(programa.Executar(validador.string()), 7);
    EXPECT_TRUE(fs::exists(Dll(validador.parent_path())));
    EXPECT_EQ(programa.Executar(CaminhoCp1252(instalacoes_ / "nao-existe")), -1);
}

}  // namespace
}  // namespace zq
