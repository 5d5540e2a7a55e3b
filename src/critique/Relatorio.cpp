#include "critique/Relatorio.h"

#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <system_error>

#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

const std::string kSeparador = "<" + std::string(78, '-') + ">";

void AcrescentarNumeradas(std::vector<std::string>& linhas, const std::vector<std::string>& mensagens) {
    int numero = 0;
    for (const auto& mensagem : mensagens) linhas.push_back(Formatar("   %.3d - %s", {++numero, mensagem}));
}

std::string ErroGravacao(const std::filesystem::path& arquivo) {
    return Formatar("Não foi possível gravar o arquivo '%s'.", {CaminhoCp1252(arquivo)});
}

}  // namespace

std::vector<std::string> MontarRelatorio(const CabecalhoRelatorio& cabecalho, const MensagensCritica& mensagens,
                                         std::optional<long long> notasSem54) {
    std::vector<std::string> linhas{
        kSeparador,
        "GOVERNO DO ESTADO DA CORVENA",
        "SECRETARIA DE ESTADO DA RECEITA - NURVEK",
        Formatar("Crítica Específica (Registros 88) - Morvanta.DLL/Versão: %s", {cabecalho.versaoBiblioteca}),
        kSeparador,
        Formatar("Arquivo analisado: %s", {cabecalho.arquivoAnalisado}),
        Formatar("Contribuinte: %s %s",
                 {MascararInscricao(cabecalho.inscricaoEstadual, "ZQ"), Esquerda(cabecalho.razaoSocial, 33)}),
    };
    if (cabecalho.referencia) {
        linhas.push_back(Formatar("Referência : %.2d/%.4d", {static_cast<unsigned>(cabecalho.referencia->month()),
                                                             static_cast<int>(cabecalho.referencia->year())}));
    }
    if (mensagens.Vazias()) {
        linhas.push_back(kSeparador);
        linhas.push_back("Consistência dos registros da GIM-ZQ (Tipo 88) realizada com sucesso!");
    }
    if (!mensagens.ListaRejeicoes.empty()) {
        linhas.push_back(kSeparador);
        linhas.push_back(Formatar("REJEIÇÕES ENCONTRADAS: %d", {mensagens.ListaRejeicoes.size()}));
        linhas.push_back(kSeparador);
        AcrescentarNumeradas(linhas, mensagens.ListaRejeicoes);
    }
    if (!mensagens.ListaAvisos.empty()) {
        linhas.push_back(kSeparador);
        linhas.push_back(Formatar("TOTAL DE AVISOS: %d", {mensagens.ListaAvisos.size()}));
        linhas.push_back(kSeparador);
        AcrescentarNumeradas(linhas, mensagens.ListaAvisos);
    }
    if (!mensagens.ListaAdvertencias.empty()) {
        linhas.push_back(kSeparador);
        linhas.push_back(Formatar("TOTAL DE ADVERTÊNCIAS ENCONTRADAS: %d", {mensagens.ListaAdvertencias.size()}));
        if (notasSem54) {
            linhas.push_back(Formatar("ADVERTÊNCIAS DO REGISTRO 50(NF) SEM 54 (PRODUTO) E 75(CÓDIGO DO PRODUTO): %d",
                                      {*notasSem54}));
        }
        linhas.push_back(kSeparador);
        AcrescentarNumeradas(linhas, mensagens.ListaAdvertencias);
    }
    linhas.push_back(kSeparador);
    return linhas;
}

void GravarLinhas(const std::filesystem::path& arquivo, const std::vector<std::string>& linhas) {
    auto temporario = arquivo;
    temporario += Formatar(".%d.tmp", {static_cast<long>(::getpid())});
    std::FILE* saida = AbrirArquivoC(temporario, "wb");
    if (saida == nullptr) throw std::runtime_error(ErroGravacao(arquivo));
    bool gravado = true;
    for (const auto& linha : linhas) {
        gravado = gravado && std::fwrite(linha.data(), 1, linha.size(), saida) == linha.size() &&
                  std::fwrite("\r\n", 1, 2, saida) == 2;
    }
    gravado = std::fclose(saida) == 0 && gravado;
    std::error_code erro;
    if (gravado) std::filesystem::rename(temporario, arquivo, erro);
    if (!gravado || erro) {
        std::filesystem::remove(temporario, erro);
        throw std::runtime_error(ErroGravacao(arquivo));
    }
}

void GravarRelatorio(const std::filesystem::path& arquivo, const CabecalhoRelatorio& cabecalho,
                     const MensagensCritica& mensagens, std::optional<long long> notasSem54) {
    GravarLinhas(arquivo, MontarRelatorio(cabecalho, mensagens, notasSem54));
}

}  // namespace zq
