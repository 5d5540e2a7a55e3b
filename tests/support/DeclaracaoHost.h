#pragma once
// A fixture that critiques whole declarations through the host stand-in, with
// "today" fixed at 15/06/2018 and a temporary folder of its own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "support/Host.h"
#include "support/PastaTeste.h"
#include "support/Sintegra.h"

namespace zq::teste {

class DeclaracaoHostTest : public testing::Test {
protected:
    void SetUp() override {
        Guardar("ZQ_HOJE", hojeAnterior_);
        Guardar("TMPDIR", tmpAnterior_);
        ::setenv("ZQ_HOJE", "2018-06-15", 1);
        std::filesystem::create_directory(pasta_ / "tmp");
        ::setenv("TMPDIR", (pasta_ / "tmp").c_str(), 1);
    }
    void TearDown() override {
        Restaurar("ZQ_HOJE", hojeAnterior_);
        Restaurar("TMPDIR", tmpAnterior_);
    }

    // The report of a declaration made of `linhas`.
    std::string Criticar(const std::vector<std::string>& linhas) {
        GravarArquivo(entrada_, Arquivo(linhas));
        execucao_ = CriticarComHost(entrada_, relatorio_);
        return LerArquivo(relatorio_);
    }
    // Record 10, the records given and one record 88 at the end.
    std::string CriticarDeclaracao(const std::vector<std::string>& registros, const std::string& registro10 =
                                                                                      Registro10().Linha()) {
        std::vector<std::string> linhas{registro10};
        linhas.insert(linhas.end(), registros.begin(), registros.end());
        linhas.push_back(Registro88());
        return Criticar(linhas);
    }
    int Resultado() const { return execucao_.resultado; }

    PastaTeste pasta_;
    std::filesystem::path entrada_ = pasta_ / "declaracao.txt";
    std::filesystem::path relatorio_ = pasta_ / "relatorio.txt";

private:
    static void Guardar(const char* nome, std::optional<std::string>& valor) {
        if (const char* atual = std::getenv(nome)) valor = atual;
    }
    static void Restaurar(const char* nome, const std::optional<std::string>& valor) {
        if (valor) {
            ::setenv(nome, valor->c_str(), 1);
        } else {
            ::unsetenv(nome);
        }
    }

    std::optional<std::string> hojeAnterior_;
    std::optional<std::string> tmpAnterior_;
    ExecucaoHost execucao_;
};

// A table case of one national record in a declaration: the report must hold
// `esperado` and must not hold `ausente` (an empty text is not checked).
template <class Registro>
struct CasoRegistro {
    const char* nome;
    Registro registro;
    std::string esperado;
    std::string ausente;
};

// A record of default values changed by `ajuste`.
template <class Registro>
Registro Ajustado(void (*ajuste)(Registro&)) {
    Registro registro;
    ajuste(registro);
    return registro;
}

template <class Registro>
class RegistroNaDeclaracaoTest : public DeclaracaoHostTest,
                                 public testing::WithParamInterface<CasoRegistro<Registro>> {
protected:
    void ConferirRelatorio() {
        const auto& caso = this->GetParam();
        const std::string relatorio = CriticarDeclaracao({caso.registro.Linha()});
        if (!caso.esperado.empty()) {
            EXPECT_THAT(relatorio, testing::HasSubstr(caso.esperado));
        }
        if (!caso.ausente.empty()) {
            EXPECT_THAT(relatorio, testing::Not(testing::HasSubstr(caso.ausente)));
        }
    }
};

}  // namespace zq::teste
