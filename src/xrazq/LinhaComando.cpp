#include "xrazq/LinhaComando.h"

#include "platform/Cp1252.h"

namespace zq::xrazq {

const char* const kTextoUso =
    "uso: xrazq --versao\n"
    "     xrazq varrer PASTA\n"
    "     xrazq selecionar PASTA [--tipo gim|da] [--periodo TEXTO] [--regime 1|3] [--finalidades N,R]\n"
    "     xrazq motivos PASTA [--tipo gim|da] [--periodo TEXTO] [--regime 1|3] [--finalidades N,R]\n"
    "     xrazq sfn ARQUIVO.sfn\n"
    "     xrazq recibos ARQUIVO.zip\n"
    "     xrazq gerar PASTA-MIDIAS PASTA-SAIDA [--tipo gim|da] [--periodo TEXTO] [--regime 1|3] [--finalidades N,R]\n";

namespace {

TComando ComandoDe(const std::string& nome) {
    if (nome == "--versao") return TComando::Versao;
    if (nome == "varrer") return TComando::Varrer;
    if (nome == "selecionar") return TComando::Selecionar;
    if (nome == "motivos") return TComando::Motivos;
    if (nome == "gerar") return TComando::Gerar;
    if (nome == "sfn") return TComando::Sfn;
    if (nome == "recibos") return TComando::Recibos;
    throw EUso("comando desconhecido: " + nome);
}

void LerFinalidades(const std::string& texto, TFiltroDeclaracoes& filtro) {
    filtro.Normal = false;
    filtro.Retificadora = false;
    std::size_t inicio = 0;
    while (inicio <= texto.size() && !texto.empty()) {
        const auto virgula = texto.find(',', inicio);
        const std::string parte = texto.substr(inicio, virgula == std::string::npos ? std::string::npos : virgula - inicio);
        if (parte == "N" || parte == "n") {
            filtro.Normal = true;
        } else if (parte == "R" || parte == "r") {
            filtro.Retificadora = true;
        } else {
            throw EUso("finalidade inválida: '" + parte + "' (use N, R ou N,R)");
        }
        if (virgula == std::string::npos) break;
        inicio = virgula + 1;
    }
}

void LerOpcao(const std::string& opcao, const std::string& valor, TFiltroDeclaracoes& filtro) {
    if (opcao == "--tipo") {
        if (valor == "gim") {
            filtro.Tipo = TTipoDeclaracao::Gim;
        } else if (valor == "da") {
            filtro.Tipo = TTipoDeclaracao::DadosAnuais;
        } else {
            throw EUso("tipo inválido: '" + valor + "' (use gim ou da)");
        }
    } else if (opcao == "--periodo") {
        filtro.Periodo = Utf8ParaCp1252(valor);
    } else if (opcao == "--regime") {
        if (valor != "1" && valor != "3") throw EUso("regime inválido: '" + valor + "' (use 1 ou 3)");
        filtro.Regime = valor == "1" ? 1 : 3;
    } else if (opcao == "--finalidades") {
        LerFinalidades(valor, filtro);
    } else {
        throw EUso("opção desconhecida: " + opcao);
    }
}

}  // namespace

TArgumentos LerArgumentos(const std::vector<std::string>& argumentos) {
    if (argumentos.empty()) throw EUso("falta o comando");
    TArgumentos lidos;
    lidos.Comando = ComandoDe(argumentos[0]);
    if (lidos.Comando == TComando::Versao) {
        if (argumentos.size() > 1) throw EUso("--versao não leva argumentos");
        return lidos;
    }
    std::vector<std::string> pastas;
    for (std::size_t i = 1; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        if (argumento.starts_with("--")) {
            if (lidos.Comando == TComando::Varrer || lidos.Comando == TComando::Sfn ||
                lidos.Comando == TComando::Recibos) {
                throw EUso(argumentos[0] + " não leva opções");
            }
            if (i + 1 >= argumentos.size()) throw EUso("falta o valor de " + argumento);
            LerOpcao(argumento, argumentos[i + 1], lidos.Filtro);
            ++i;
        } else {
            pastas.push_back(Utf8ParaCp1252(argumento));
        }
    }
    const std::size_t esperadas = lidos.Comando == TComando::Gerar ? 2 : 1;
    if (pastas.size() < esperadas) {
        throw EUso(esperadas == 2 ? "faltam PASTA-MIDIAS e PASTA-SAIDA"
                                  : lidos.Comando == TComando::Sfn     ? "falta o ARQUIVO.sfn"
                                  : lidos.Comando == TComando::Recibos ? "falta o ARQUIVO.zip"
                                                                       : "falta a PASTA");
    }
    if (pastas.size() > esperadas) throw EUso("argumento a mais: " + Cp1252ParaUtf8(pastas[esperadas]));
    lidos.Pasta = pastas[0];
    if (esperadas == 2) lidos.PastaSaida = pastas[1];
    return lidos;
}

}  // namespace zq::xrazq
