#pragma once
// Reference data of a test, packaged by the tool into a host folder of the test's own: a copy of the host
// stand-in and the library beside the package, so each test chooses what the critique finds there.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "reference-db/Empacotador.h"
#include "support/DeclaracaoHost.h"
#include "support/Host.h"

namespace zq::teste {

// Rows of each table, tab-separated as in data/; the tables not named are empty.
struct DadosReferencia {
    std::map<std::string, std::vector<std::string>> linhas = {
        {"municipio", {"codigo\tnome", "10014\tPorto Anhangua", "10022\tSerra Dourada do Norte"}},
        {"validadedadosEFD",
         {"sqValidadeDadosEFD\tdtinicio\tdtfinal\tdhinicial\tdhfinal", "1\t2013-01-01\t2030-12-31\t2013-01-01 08:00:00\t\\N"}},
        {"contribuinteEntregaNormal",
         {"nrInscrEstadual\tnorazaosocial\tdtIniPermissao\tdtFinalPermissao",
          "161234569\tDISTRIBUIDORA EXEMPLO\t2013-01-01\t2030-12-31"}},
    };
    std::string esquema = LerArquivo(std::filesystem::path(ZQ_DADOS_REFERENCIA) / "schema.sql");

    void Gravar(const std::filesystem::path& pasta) const {
        std::filesystem::create_directories(pasta);
        GravarArquivo(pasta / "schema.sql", esquema);
        for (const auto& [tabela, texto] : linhas) {
            std::string conteudo;
            for (const auto& linha : texto) conteudo += linha + "\n";
            GravarArquivo(pasta / (tabela + ".tsv"), conteudo);
        }
    }
};

// The schema without the CREATE TABLE of `tabela`.
inline std::string EsquemaSem(const std::string& esquema, const std::string& tabela) {
    const auto inicio = esquema.find("CREATE TABLE " + tabela + " (");
    const auto fim = esquema.find(");", inicio);
    return esquema.substr(0, inicio) + esquema.substr(fim + 2);
}

inline ExecucaoHost ExecutarHostNaPasta(const std::filesystem::path& host, const std::filesystem::path& arquivo,
                                        const std::filesystem::path& saida) {
    PastaTeste pasta;
    const auto erros = pasta / "stderr.txt";
    const std::string comando = "ASAN_OPTIONS=detect_leaks=0 '" + host.string() + "' '" + arquivo.string() + "' '" +
                                saida.string() + "' 2>'" + erros.string() + "'";
    const int estado = std::system(comando.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, LerArquivo(erros)};
}

class HostComPacoteTest : public DeclaracaoHostTest {
protected:
    void SetUp() override {
        DeclaracaoHostTest::SetUp();
        std::filesystem::create_directory(pastaHost_);
        for (const char* arquivo : {"ValidadorSintegra2018", "libMorvanta.so"}) {
            std::filesystem::copy_file(PastaBinarios() / arquivo, pastaHost_ / arquivo);
        }
    }

    void Empacotar(const DadosReferencia& dados) {
        const auto fontes = pasta_ / "dados";
        std::filesystem::remove_all(fontes);
        dados.Gravar(fontes);
        EmpacotarReferencia(fontes, Pacote());
    }

    std::string CriticarNaPasta(const std::vector<std::string>& linhas) {
        GravarArquivo(entrada_, Arquivo(linhas));
        const ExecucaoHost execucao = ExecutarHostNaPasta(pastaHost_ / "ValidadorSintegra2018", entrada_, relatorio_);
        resultado_ = execucao.resultado;
        return LerArquivo(relatorio_);
    }
    int ResultadoNaPasta() const { return resultado_; }

    std::filesystem::path Pacote() const { return pastaHost_ / "Morvanta.cri"; }
    // What the calls left in the temporary folder of the host.
    std::vector<std::string> RestosTemporarios() const {
        std::vector<std::string> restos;
        for (const auto& item : std::filesystem::directory_iterator(pasta_ / "tmp")) {
            if (item.path().filename().string().starts_with("ValidadorSintegra2018")) {
                restos.push_back(item.path().filename().string());
            }
        }
        return restos;
    }

    std::filesystem::path pastaHost_ = pasta_ / "host";

private:
    int resultado_ = -1;
};

}  // namespace zq::teste
