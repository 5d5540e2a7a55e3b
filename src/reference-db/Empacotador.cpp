#include "reference-db/Empacotador.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "reference-db/ArqBanco.h"
#include "reference-db/CifraDeslocamento.h"
#include "reference-db/PacoteMorvanta.h"
#include "reference-db/PastaTrabalho.h"
#include "reference-db/Sqlite.h"

namespace zq {
namespace fs = std::filesystem;

namespace {

constexpr const char* kArquivoEsquema = "schema.sql";
constexpr const char* kExtensaoLinhas = ".tsv";
constexpr const char* kNulo = "\\N";

std::string LerTexto(const fs::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    if (!entrada) throw Excecao(Formatar("Não foi possível ler o arquivo '%s'.", {CaminhoCp1252(arquivo)}));
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

void GravarTexto(const fs::path& arquivo, const std::string& texto) {
    TGravacaoSegura gravacao(CaminhoCp1252(arquivo));
    {
        std::ofstream saida(gravacao.Temporario(), std::ios::binary);
        saida << texto;
        if (!saida.flush()) throw ErroDeGravacao(CaminhoCp1252(arquivo));
    }
    gravacao.Confirmar();
}

std::string Identificador(const std::string& nome) {
    std::string citado = "\"";
    for (char c : nome) citado += c == '"' ? std::string("\"\"") : std::string(1, c);
    return citado + "\"";
}

std::vector<std::string> Tabelas(const ConexaoSqlite& banco) {
    ConsultaSqlite consulta(banco, "select name from sqlite_master where type = 'table' order by rowid");
    std::vector<std::string> tabelas;
    while (consulta.Proxima()) tabelas.push_back(consulta.Texto(0).value_or(""));
    return tabelas;
}

// One field of a row line; std::nullopt for "\N".
std::optional<std::string> DecodificarCampo(const std::string& campo) {
    if (campo == kNulo) return std::nullopt;
    std::string texto;
    for (std::size_t i = 0; i < campo.size(); ++i) {
        if (campo[i] != '\\' || i + 1 == campo.size()) {
            texto += campo[i];
            continue;
        }
        switch (campo[++i]) {
            case 't': texto += '\t'; break;
            case 'n': texto += '\n'; break;
            case 'r': texto += '\r'; break;
            case '\\': texto += '\\'; break;
            default: throw Excecao(Formatar("sequência de escape inválida '\\%s'", {std::string(1, campo[i])}));
        }
    }
    return texto;
}

std::string CodificarCampo(const std::optional<std::string>& valor) {
    if (!valor) return kNulo;
    std::string campo;
    for (char c : *valor) {
        switch (c) {
            case '\t': campo += "\\t"; break;
            case '\n': campo += "\\n"; break;
            case '\r': campo += "\\r"; break;
            case '\\': campo += "\\\\"; break;
            default: campo += c;
        }
    }
    return campo;
}

std::vector<std::string> Separar(const std::string& linha) {
    std::vector<std::string> campos;
    std::size_t inicio = 0;
    for (;;) {
        const auto tab = linha.find('\t', inicio);
        campos.push_back(linha.substr(inicio, tab == std::string::npos ? std::string::npos : tab - inicio));
        if (tab == std::string::npos) return campos;
        inicio = tab + 1;
    }
}

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        auto fim = texto.find('\n', inicio);
        if (fim == std::string::npos) fim = texto.size();
        std::string linha = texto.substr(inicio, fim - inicio);
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(std::move(linha));
        inicio = fim + 1;
    }
    return linhas;
}

void CarregarLinhas(ConexaoSqlite& banco, const std::string& tabela, const fs::path& arquivo) {
    const std::vector<std::string> linhas = Linhas(LerTexto(arquivo));
    const auto erroNaLinha = [&](std::size_t numero, const std::string& motivo) {
        return Excecao(Formatar("%s, linha %d: %s", {CaminhoCp1252(arquivo), static_cast<long long>(numero), motivo}));
    };
    if (linhas.empty()) throw erroNaLinha(1, "falta a linha com os nomes das colunas");
    const std::vector<std::string> colunas = Separar(linhas.front());
    std::string nomes;
    std::string parametros;
    for (const std::string& coluna : colunas) {
        nomes += (nomes.empty() ? "" : ", ") + Identificador(coluna);
        parametros += parametros.empty() ? "?" : ", ?";
    }
    std::optional<ConsultaSqlite> insercao;
    try {
        insercao.emplace(banco, "insert into " + Identificador(tabela) + " (" + nomes + ") values (" + parametros + ")");
    } catch (const Excecao& falha) {
        throw erroNaLinha(1, falha.what());
    }
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        if (linhas[i].empty()) continue;
        try {
            const std::vector<std::string> campos = Separar(linhas[i]);
            if (campos.size() != colunas.size()) {
                throw Excecao(Formatar("%d campos, esperados %d", {campos.size(), colunas.size()}));
            }
            for (std::size_t c = 0; c < campos.size(); ++c) {
                const auto valor = DecodificarCampo(campos[c]);
                const int parametro = static_cast<int>(c + 1);
                if (valor) {
                    insercao->Vincular(parametro, *valor);
                } else {
                    insercao->VincularNulo(parametro);
                }
            }
            insercao->Proxima();
            insercao->Reiniciar();
        } catch (const Excecao& falha) {
            throw erroNaLinha(i + 1, falha.what());
        }
    }
}

void CriarBanco(const fs::path& pastaFontes, const fs::path& arquivoBanco) {
    ConexaoSqlite banco(arquivoBanco, ConexaoSqlite::Modo::Criacao);
    const fs::path esquema = pastaFontes / kArquivoEsquema;
    try {
        banco.Executar(LerTexto(esquema));
    } catch (const Excecao& falha) {
        throw Excecao(Formatar("%s: %s", {CaminhoCp1252(esquema), falha.what()}));
    }
    const std::vector<std::string> tabelas = Tabelas(banco);
    const std::set<std::string> conhecidas(tabelas.begin(), tabelas.end());
    for (const auto& item : fs::directory_iterator(pastaFontes)) {
        if (item.path().extension() == kExtensaoLinhas && !conhecidas.contains(item.path().stem().string())) {
            throw Excecao(Formatar("%s: nenhuma tabela com esse nome em %s",
                                   {CaminhoCp1252(item.path()), kArquivoEsquema}));
        }
    }
    banco.Executar("begin");
    for (const std::string& tabela : tabelas) {
        const fs::path linhas = pastaFontes / (tabela + kExtensaoLinhas);
        if (fs::exists(linhas)) CarregarLinhas(banco, tabela, linhas);
    }
    banco.Executar("commit");
}

std::string Esquema(const ConexaoSqlite& banco) {
    ConsultaSqlite consulta(banco, "select sql from sqlite_master where sql is not null order by rowid");
    std::string texto;
    while (consulta.Proxima()) texto += (texto.empty() ? "" : "\n") + consulta.Texto(0).value_or("") + ";\n";
    return texto;
}

std::string LinhasDaTabela(const ConexaoSqlite& banco, const std::string& tabela) {
    ConsultaSqlite consulta(banco, "select * from " + Identificador(tabela) + " order by rowid");
    std::string texto;
    for (int c = 0; c < consulta.Colunas(); ++c) texto += (c ? "\t" : "") + consulta.NomeColuna(c);
    texto += '\n';
    while (consulta.Proxima()) {
        for (int c = 0; c < consulta.Colunas(); ++c) texto += (c ? "\t" : "") + CodificarCampo(consulta.Texto(c));
        texto += '\n';
    }
    return texto;
}

}  // namespace

void EmpacotarReferencia(const fs::path& pastaFontes, const fs::path& pacote) {
    PastaTrabalho pasta(PlataformaAtual().PastaTemporaria(), "morvanta-cri");
    const fs::path banco = pasta.Caminho() / kNomeArquivoBanco;
    CriarBanco(pastaFontes, banco);
    const fs::path zip = pasta.Caminho() / (std::string(kNomeBaseBanco) + ".zip");
    CompactarArquivos({CaminhoCp1252(banco)}, CaminhoCp1252(zip), kSenhaZip);
    CifraDeslocamento(kChaveCifra).Cifrar(zip);

    TGravacaoSegura gravacao(CaminhoCp1252(pacote));
    std::error_code erro;
    fs::copy_file(zip, gravacao.Temporario(), fs::copy_options::overwrite_existing, erro);
    if (erro) throw ErroDeGravacao(CaminhoCp1252(pacote));
    gravacao.Confirmar();
}

void DesempacotarReferencia(const fs::path& pacote, const fs::path& pastaFontes) {
    TArqBanco arquivo(pacote, PlataformaAtual().PastaTemporaria(), "morvanta-cri", kNomeBaseBanco, kSenhaZip);
    ConexaoSqlite banco(arquivo.ArquivoBanco(), ConexaoSqlite::Modo::Leitura);
    fs::create_directories(pastaFontes);
    GravarTexto(pastaFontes / kArquivoEsquema, Esquema(banco));
    for (const std::string& tabela : Tabelas(banco)) {
        GravarTexto(pastaFontes / (tabela + kExtensaoLinhas), LinhasDaTabela(banco, tabela));
    }
}

}  // namespace zq
