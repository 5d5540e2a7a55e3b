#include "reference-db/Sqlite.h"

#include <sqlite3.h>

#include "record-model/comum/Excecao.h"

namespace zq {
namespace {

std::string CaminhoUtf8(const std::filesystem::path& arquivo) {
    const std::u8string texto = arquivo.u8string();
    return {reinterpret_cast<const char*>(texto.data()), texto.size()};
}

}  // namespace

ConexaoSqlite::ConexaoSqlite(const std::filesystem::path& arquivo, Modo modo) {
    const int opcoes = modo == Modo::Leitura ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(CaminhoUtf8(arquivo).c_str(), &banco_, opcoes, nullptr) != SQLITE_OK) {
        const std::string erro = banco_ ? sqlite3_errmsg(banco_) : "sem memória";
        sqlite3_close_v2(banco_);
        banco_ = nullptr;
        throw Excecao(erro);
    }
    // SQLite reads the file's header only when first asked: a file that is not a database fails here.
    if (modo == Modo::Leitura) {
        try {
            ConsultaSqlite tabelas(*this, "select count(*) from sqlite_master");
            tabelas.Proxima();
        } catch (...) {
            sqlite3_close_v2(banco_);
            banco_ = nullptr;
            throw;
        }
    }
}

ConexaoSqlite::~ConexaoSqlite() { sqlite3_close_v2(banco_); }

void ConexaoSqlite::Executar(const std::string& sql) {
    char* erro = nullptr;
    if (sqlite3_exec(banco_, sql.c_str(), nullptr, nullptr, &erro) != SQLITE_OK) {
        const std::string mensagem = erro ? erro : UltimoErro();
        sqlite3_free(erro);
        throw Excecao(mensagem);
    }
}

std::string ConexaoSqlite::UltimoErro() const { return sqlite3_errmsg(banco_); }

ConsultaSqlite::ConsultaSqlite(const ConexaoSqlite& conexao, std::string_view sql) : conexao_(conexao) {
    if (sqlite3_prepare_v2(conexao.Handle(), sql.data(), static_cast<int>(sql.size()), &consulta_, nullptr) !=
        SQLITE_OK) {
        throw Excecao(conexao.UltimoErro());
    }
}

ConsultaSqlite::~ConsultaSqlite() { sqlite3_finalize(consulta_); }

void ConsultaSqlite::Vincular(int parametro, std::string_view texto) {
    Reiniciar();
    if (sqlite3_bind_text(consulta_, parametro, texto.data(), static_cast<int>(texto.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK) {
        throw Excecao(conexao_.UltimoErro());
    }
}

void ConsultaSqlite::VincularNulo(int parametro) {
    Reiniciar();
    if (sqlite3_bind_null(consulta_, parametro) != SQLITE_OK) throw Excecao(conexao_.UltimoErro());
}

void ConsultaSqlite::Vincular(int parametro, long long valor) {
    Reiniciar();
    if (sqlite3_bind_int64(consulta_, parametro, valor) != SQLITE_OK) throw Excecao(conexao_.UltimoErro());
}

bool ConsultaSqlite::Proxima() {
    const int resultado = sqlite3_step(consulta_);
    if (resultado == SQLITE_ROW) return true;
    if (resultado == SQLITE_DONE) return false;
    throw Excecao(conexao_.UltimoErro());
}

void ConsultaSqlite::Reiniciar() { sqlite3_reset(consulta_); }

void ConsultaSqlite::Finalizar() {
    const int resultado = sqlite3_finalize(consulta_);
    consulta_ = nullptr;
    if (resultado != SQLITE_OK) throw Excecao(sqlite3_errstr(resultado));
}

int ConsultaSqlite::Colunas() const { return sqlite3_column_count(consulta_); }

std::string ConsultaSqlite::NomeColuna(int coluna) const { return sqlite3_column_name(consulta_, coluna); }

std::optional<std::string> ConsultaSqlite::Texto(int coluna) const {
    if (sqlite3_column_type(consulta_, coluna) == SQLITE_NULL) return std::nullopt;
    const auto* texto = reinterpret_cast<const char*>(sqlite3_column_text(consulta_, coluna));
    return std::string(texto, static_cast<std::size_t>(sqlite3_column_bytes(consulta_, coluna)));
}

}  // namespace zq
