#pragma once
// TDTMMorvanta: the reference database of one critique call. Its creation unpacks the package into a work
// folder of the call; Conectar opens the database file; AbrirTabelas opens the seven tables; the lookups
// read them; FecharTabelas and the destruction close everything, and the work folder goes with the object.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "reference-db/ArqBanco.h"
#include "reference-db/RegistrosReferencia.h"
#include "reference-db/Sqlite.h"

namespace zq {

class TDTMMorvanta {
public:
    // The database password of the original Access file. SQLite has none: the package, ciphered and
    // protected by the ZIP password, guards the file instead.
    static constexpr const char* kSenhaBanco = "RunLatek582";

    // Unpacks `pacote` into a new work folder under `pastaTemporaria`, named after the host program
    // (`nomeHost`, without extension). Excecao with the message of the failing step (see TArqBanco).
    TDTMMorvanta(const std::filesystem::path& pacote, const std::filesystem::path& pastaTemporaria,
                 const std::string& nomeHost);
    ~TDTMMorvanta();
    TDTMMorvanta(const TDTMMorvanta&) = delete;
    TDTMMorvanta& operator=(const TDTMMorvanta&) = delete;

    // The kind of connection: "JET" (the SQLite file is open), or ErroNaConexao when it cannot be opened.
    // Nothing is done when already connected. With the package check, ErroArqBanco when the package is
    // no longer in its place.
    std::string Conectar(bool verificarPacote);
    bool Conectado() const { return conexao_ != nullptr; }

    // Each raises Excecao with the table's own open or close text followed by the cause.
    void AbrirTabelas();
    // Only when connected; the connection is closed last.
    void FecharTabelas();

    bool LocalizarMunicipio(long long codigo);
    std::optional<TContribEntregaNormal> LocalizarContribEntregaNormal(const std::string& inscricao);
    // ErroExeSql "Erro selecionando em ContribCriticaICMSReg50Especial. Erro: <cause>."
    std::vector<TContribValidRegraEspecial> SelecionarRegraEspecial();
    // The current row of validadedadosEFD (dhfinal not filled).
    // ErroExeSql "Erro selecionando em validadedadosEFD. Erro: <cause>.", also when there is no such row.
    TValidadeDadosEfd SelecionarValidadeEfd();

private:
    struct ConjuntoDados;

    ConexaoSqlite& Conexao();

    std::filesystem::path pacote_;
    TArqBanco arqBanco_;
    std::unique_ptr<ConexaoSqlite> conexao_;
    std::vector<ConjuntoDados> conjuntos_;
    std::unique_ptr<ConsultaSqlite> consultaMunicipio_;
    std::unique_ptr<ConsultaSqlite> consultaEntregaNormal_;
};

}  // namespace zq
