#pragma once
// A thin hold on SQLite: a read-only or new connection and its prepared statements, both freed with their
// objects. Failures are Excecao carrying SQLite's message.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zq {

class ConexaoSqlite {
public:
    enum class Modo { Leitura, Criacao };

    // Excecao when the file cannot be opened, or in reading mode is not a database.
    ConexaoSqlite(const std::filesystem::path& arquivo, Modo modo);
    ~ConexaoSqlite();
    ConexaoSqlite(const ConexaoSqlite&) = delete;
    ConexaoSqlite& operator=(const ConexaoSqlite&) = delete;

    sqlite3* Handle() const { return banco_; }
    // Runs statements that return no rows.
    void Executar(const std::string& sql);
    std::string UltimoErro() const;

private:
    sqlite3* banco_ = nullptr;
};

class ConsultaSqlite {
public:
    ConsultaSqlite(const ConexaoSqlite& conexao, std::string_view sql);
    ~ConsultaSqlite();
    ConsultaSqlite(const ConsultaSqlite&) = delete;
    ConsultaSqlite& operator=(const ConsultaSqlite&) = delete;

    // Each binding starts the statement again (earlier bindings stay).
    void Vincular(int parametro, std::string_view texto);
    void Vincular(int parametro, long long valor);
    void VincularNulo(int parametro);
    // True while there is a row.
    bool Proxima();
    void Reiniciar();
    // Frees the statement now; Excecao when SQLite reports a failure of it.
    void Finalizar();

    int Colunas() const;
    std::string NomeColuna(int coluna) const;
    // std::nullopt for NULL.
    std::optional<std::string> Texto(int coluna) const;

private:
    const ConexaoSqlite& conexao_;
    sqlite3_stmt* consulta_ = nullptr;
};

}  // namespace zq
