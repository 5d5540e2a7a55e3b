#include "reference-db/DTMMorvanta.h"

#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"
#include "reference-db/ErrosBanco.h"
#include "reference-db/PacoteMorvanta.h"
#include "reference-db/ValoresBanco.h"

namespace zq {
namespace {

constexpr const char* kConexaoJet = "JET";

constexpr const char* kFalhaConexao =
    "Não foi possível realizar a conexão com a Base de Dados. Provavelmente a instalação da MorVanta não ocorreu "
    "com sucesso. Por favor, instale-a novamente.";

struct DefinicaoConjunto {
    const char* tabela;
    const char* erroAbrir;
    const char* erroFechar;
};

// In the order they are opened and closed.
constexpr DefinicaoConjunto kConjuntos[] = {
    {"municipio", "Erro ao tentar abrir a tabela dos municípios. Mensagem: ",
     "Erro ao tentar fechar a tabela dos municípios. Mensagem: "},
    {"IDContribuinte", "Erro ao tentar abrir a tabela dos contribuintes. Mensagem: ",
     "Erro ao tentar fechar a tabela dos contribuintes. Mensagem: "},
    {"datahoraatualizacao", "Erro ao tentar abrir a tabela de atualização. Mensagem: ",
     "Erro ao tentar fechar a tabela de atualização. Mensagem: "},
    {"ContribCriticaICMSReg50Especial",
     "Erro ao tentar abrir a tabela de contribuinte crítica especial registro 50. Mensagem: ",
     "Erro ao tentar fechar a tabela de contribuinte crítica especial registro 50. Mensagem: "},
    {"contribuinteSPED", "Erro ao tentar abrir a tabela de contribuintes do SPED. Mensagem: ",
     "Erro ao tentar fechar a tabela de contribuintes do SPED. Mensagem: "},
    {"validadedadosEFD", "Erro ao tentar abrir a tabela validadedadosEFD do SPED. Mensagem: ",
     "Erro ao tentar fechar a tabela validadedadosEFD. Mensagem: "},
    {"contribuinteEntregaNormal", "Erro ao tentar abrir a tabela contribuinteEntregaNormal. Mensagem: ",
     "Erro ao tentar fechar a tabela contribuinteEntregaNormal. Mensagem: "},
};

constexpr std::size_t kMunicipio = 0;
constexpr std::size_t kEntregaNormal = 6;

std::string NomeSemExtensao(const std::string& nome) { return std::filesystem::path(nome).stem().string(); }

std::string TextoObrigatorio(const ConsultaSqlite& consulta, int coluna) {
    auto texto = consulta.Texto(coluna);
    if (!texto) throw Excecao(Formatar("a coluna %s está vazia", {consulta.NomeColuna(coluna)}));
    return *texto;
}

}  // namespace

struct TDTMMorvanta::ConjuntoDados {
    const DefinicaoConjunto& definicao;
    std::unique_ptr<ConsultaSqlite> consulta;
};

TDTMMorvanta::TDTMMorvanta(const std::filesystem::path& pacote, const std::filesystem::path& pastaTemporaria,
                           const std::string& nomeHost)
    : pacote_(pacote), arqBanco_(pacote, pastaTemporaria, NomeSemExtensao(nomeHost), kNomeBaseBanco, kSenhaZip) {}

TDTMMorvanta::~TDTMMorvanta() = default;

std::string TDTMMorvanta::Conectar(bool verificarPacote) {
    if (Conectado()) return kConexaoJet;
    std::error_code erro;
    if (verificarPacote && !std::filesystem::is_regular_file(pacote_, erro)) {
        throw ErroArqBanco(Formatar("REJEIÇÃO: O arquivo '%s' não foi localizado. Provavelmente a Morvanta não foi "
                                    "instalada com sucesso. Por favor, instale a Morvanta novamente.",
                                    {CaminhoCp1252(pacote_)}));
    }
    try {
        conexao_ = std::make_unique<ConexaoSqlite>(arqBanco_.ArquivoBanco(), ConexaoSqlite::Modo::Leitura);
    } catch (const Excecao&) {
        throw ErroNaConexao(kFalhaConexao);
    }
    return kConexaoJet;
}

ConexaoSqlite& TDTMMorvanta::Conexao() {
    if (!conexao_) throw ErroNaConexao(kFalhaConexao);
    return *conexao_;
}

void TDTMMorvanta::AbrirTabelas() {
    ConexaoSqlite& conexao = Conexao();
    conjuntos_.clear();
    for (const DefinicaoConjunto& definicao : kConjuntos) {
        try {
            auto consulta = std::make_unique<ConsultaSqlite>(conexao, std::string("select * from ") + definicao.tabela);
            consulta->Proxima();
            conjuntos_.push_back({definicao, std::move(consulta)});
        } catch (const Excecao& falha) {
            throw Excecao(definicao.erroAbrir + std::string(falha.what()));
        }
    }
    try {
        consultaMunicipio_ = std::make_unique<ConsultaSqlite>(conexao, "select 1 from municipio where codigo = ?");
    } catch (const Excecao& falha) {
        throw Excecao(kConjuntos[kMunicipio].erroAbrir + std::string(falha.what()));
    }
    try {
        consultaEntregaNormal_ = std::make_unique<ConsultaSqlite>(
            conexao,
            "select nrInscrEstadual, norazaosocial, dtIniPermissao, dtFinalPermissao from contribuinteEntregaNormal "
            "where nrInscrEstadual = ?");
    } catch (const Excecao& falha) {
        throw Excecao(kConjuntos[kEntregaNormal].erroAbrir + std::string(falha.what()));
    }
}

void TDTMMorvanta::FecharTabelas() {
    if (!Conectado()) return;
    consultaMunicipio_.reset();
    consultaEntregaNormal_.reset();
    std::vector<ConjuntoDados> conjuntos = std::move(conjuntos_);
    conjuntos_.clear();
    for (ConjuntoDados& conjunto : conjuntos) {
        try {
            conjunto.consulta->Finalizar();
        } catch (const Excecao& falha) {
            throw Excecao(conjunto.definicao.erroFechar + std::string(falha.what()));
        }
    }
    conexao_.reset();
}

bool TDTMMorvanta::LocalizarMunicipio(long long codigo) {
    if (!consultaMunicipio_) throw ErroNaConexao(kFalhaConexao);
    try {
        consultaMunicipio_->Vincular(1, codigo);
        return consultaMunicipio_->Proxima();
    } catch (const Excecao& falha) {
        throw ErroExeSql(Formatar("Erro selecionando em municipio. Erro: %s.", {falha.what()}));
    }
}

std::optional<TContribEntregaNormal> TDTMMorvanta::LocalizarContribEntregaNormal(const std::string& inscricao) {
    if (!consultaEntregaNormal_) throw ErroNaConexao(kFalhaConexao);
    try {
        ConsultaSqlite& consulta = *consultaEntregaNormal_;
        consulta.Vincular(1, inscricao);
        if (!consulta.Proxima()) return std::nullopt;
        return TContribEntregaNormal{TextoObrigatorio(consulta, 0), consulta.Texto(1).value_or(""),
                                     DataDoBanco(TextoObrigatorio(consulta, 2)),
                                     DataDoBanco(TextoObrigatorio(consulta, 3))};
    } catch (const Excecao& falha) {
        throw ErroExeSql(Formatar("Erro selecionando em contribuinteEntregaNormal. Erro: %s.", {falha.what()}));
    }
}

std::vector<TContribValidRegraEspecial> TDTMMorvanta::SelecionarRegraEspecial() {
    try {
        ConsultaSqlite consulta(Conexao(), "select nrInscrEstadual, percentual from ContribCriticaICMSReg50Especial");
        std::vector<TContribValidRegraEspecial> lista;
        while (consulta.Proxima()) {
            lista.push_back({TextoObrigatorio(consulta, 0), DecimalDoBanco(TextoObrigatorio(consulta, 1))});
        }
        return lista;
    } catch (const ErroNaConexao&) {
        throw;
    } catch (const Excecao& falha) {
        throw ErroExeSql(Formatar("Erro selecionando em ContribCriticaICMSReg50Especial. Erro: %s.", {falha.what()}));
    }
}

TValidadeDadosEfd TDTMMorvanta::SelecionarValidadeEfd() {
    try {
        ConsultaSqlite consulta(Conexao(),
                                "select dtinicio, dtfinal, dhinicial from validadedadosEFD where dhfinal IS NULL "
                                "order by sqValidadeDadosEFD");
        if (!consulta.Proxima()) throw Excecao("nenhuma validade em aberto (dhfinal vazio)");
        return TValidadeDadosEfd{DataDoBanco(TextoObrigatorio(consulta, 0)), DataDoBanco(TextoObrigatorio(consulta, 1)),
                                 DataDoBanco(TextoObrigatorio(consulta, 2))};
    } catch (const ErroNaConexao&) {
        throw;
    } catch (const Excecao& falha) {
        throw ErroExeSql(Formatar("Erro selecionando em validadedadosEFD. Erro: %s.", {falha.what()}));
    }
}

}  // namespace zq
