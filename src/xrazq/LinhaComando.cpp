#include "xrazq/LinhaComando.h"

#include "platform/Cp1252.h"
#include "record-model/comum/Digitos.h"

namespace zq::xrazq {

const char* const kTextoUso =
    "uso: xrazq --versao\n"
    "     xrazq varrer PASTA\n"
    "     xrazq selecionar PASTA [--tipo gim|da] [--periodo TEXTO] [--regime 1|3] [--finalidades N,R]\n"
    "     xrazq motivos PASTA [--tipo gim|da] [--periodo TEXTO] [--regime 1|3] [--finalidades N,R]\n"
    "     xrazq sfn ARQUIVO.sfn\n"
    "     xrazq recibos ARQUIVO.zip\n"
    "     xrazq gerar PASTA-MIDIAS PASTA-SAIDA [--tipo gim|da] [--periodo TEXTO] [--regime 1|3] [--finalidades N,R]\n"
    "     xrazq conferencia PASTA-MIDIAS SAIDA.pdf [--tipo gim|da] [--periodo TEXTO] [--regime 1|3]\n"
    "                       [--finalidades N,R]\n"
    "     xrazq comprovantes ARQUIVO.sfn SAIDA.pdf [--conferencia] [--linha N]\n";

namespace {

TComando ComandoDe(const std::string& nome) {
    if (nome == "--versao") return TComando::Versao;
    if (nome == "varrer") return TComando::Varrer;
    if (nome == "selecionar") return TComando::Selecionar;
    if (nome == "motivos") return TComando::Motivos;
    if (nome == "gerar") return TComando::Gerar;
    if (nome == "sfn") return TComando::Sfn;
    if (nome == "recibos") return TComando::Recibos;
    if (nome == "conferencia") return TComando::Conferencia;
    if (nome == "comprovantes") return TComando::Comprovantes;
    throw EUso("comando desconhecido: " + nome);
}

// The positional arguments of a command, as the messages name them.
std::vector<std::string> Posicionais(TComando comando) {
    switch (comando) {
        case TComando::Gerar: return {"PASTA-MIDIAS", "PASTA-SAIDA"};
        case TComando::Conferencia: return {"PASTA-MIDIAS", "SAIDA.pdf"};
        case TComando::Comprovantes: return {"o ARQUIVO.sfn", "SAIDA.pdf"};
        case TComando::Sfn: return {"o ARQUIVO.sfn"};
        case TComando::Recibos: return {"o ARQUIVO.zip"};
        default: return {"a PASTA"};
    }
}

int LerLinha(const std::string& texto) {
    const auto valor = texto.size() <= 9 ? ValorDosDigitos(texto) : std::nullopt;
    if (!valor || *valor == 0) throw EUso("linha inválida: '" + texto + "' (use um número a partir de 1)");
    return static_cast<int>(*valor);
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
        if (lidos.Comando == TComando::Comprovantes && argumento == "--conferencia") {
            lidos.ModoConferencia = true;
        } else if (lidos.Comando == TComando::Comprovantes && argumento == "--linha") {
            if (i + 1 >= argumentos.size()) throw EUso("falta o valor de --linha");
            lidos.Linha = LerLinha(argumentos[++i]);
        } else if (argumento.starts_with("--")) {
            if (lidos.Comando == TComando::Comprovantes) throw EUso("opção desconhecida: " + argumento);
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
    const std::vector<std::string> faltam = Posicionais(lidos.Comando);
    if (pastas.size() < faltam.size()) {
        std::string texto = faltam[pastas.size()];
        for (std::size_t i = pastas.size() + 1; i < faltam.size(); ++i) texto += " e " + faltam[i];
        throw EUso((faltam.size() - pastas.size() > 1 ? "faltam " : "falta ") + texto);
    }
    if (pastas.size() > faltam.size()) throw EUso("argumento a mais: " + Cp1252ParaUtf8(pastas[faltam.size()]));
    lidos.Pasta = pastas[0];
    if (lidos.Comando == TComando::Gerar) lidos.PastaSaida = pastas[1];
    if (lidos.Comando == TComando::Conferencia || lidos.Comando == TComando::Comprovantes) lidos.ArquivoPdf = pastas[1];
    return lidos;
}

}  // namespace zq::xrazq
