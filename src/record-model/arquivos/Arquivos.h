#pragma once
// Folders and files. Paths are CP1252 texts, as everywhere in the record model; a folder text ends in the
// separator once normalised by IncluirBarra.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "record-model/comum/Excecao.h"

namespace zq {

// A file or folder operation that failed.
class EArquivo : public Excecao {
public:
    using Excecao::Excecao;
};

#ifdef _WIN32
inline constexpr char kBarraPasta = '\\';
#else
inline constexpr char kBarraPasta = '/';
#endif

bool IsPontoOuPontoPonto(const std::string& nome);

// "" stays ""; a drive letter alone ("C" with '\\') becomes "C:\\"; otherwise the separator is appended
// unless already there.
std::string IncluirBarra(const std::string& pasta, char barra = kBarraPasta);
// "" stays ""; a drive letter alone becomes "C:"; a root folder ("/") stays; otherwise a final separator
// is removed.
std::string ExcluirBarra(const std::string& pasta, char barra = kBarraPasta);

// Windows wildcards, letter case ignored: '*' any run of characters, '?' exactly one; a final ".*" also
// takes names without extension, so "*.*" takes every name.
bool CombinaComMascara(const std::string& nome, const std::string& mascara);

// Deletes the files of the folder matching the mask, skipping those that cannot be deleted. True when
// nothing matched, or when no file at all is left in the folder afterwards.
bool ApagarArquivos(const std::string& pasta, const std::string& mascara);

// Appends the files of the folder matching the mask, those of the subfolders first when recursive.
// Entries carry the folder when caminhoCompleto or recursivo, else they are names alone. A missing
// folder raises EArquivo when exigirPasta, else adds nothing.
void ListarArquivos(const std::string& pasta, const std::string& mascara, std::vector<std::string>& lista,
                    bool caminhoCompleto, bool exigirPasta, bool recursivo);

// Removes the folder with everything in it. What cannot be removed stays, without an error; a missing
// folder raises EArquivo only when exigirPasta. Linked folders are unlinked, never entered.
void ApagarPasta(const std::string& pasta, bool exigirPasta);

// The first name made by filling the pattern (e.g. "2015-12_123456789_31_%.2d.txt") with 0, 1, 2, ...
// that names nothing in the folder. Returns the name without the folder.
std::string NomeLivre(const std::string& pasta, const std::string& formato);

// Refuses (Excecao naming the limit) a file larger than `limite` bytes, before it is read into memory.
void VerificarTamanhoMaximo(const std::string& arquivo, std::uint64_t limite);

// A file written under a temporary name beside its destination and put in its place only when complete,
// so that a failure never leaves a half-written file at the destination.
class TGravacaoSegura {
public:
    explicit TGravacaoSegura(const std::string& destino);
    ~TGravacaoSegura();  // removes the temporary file unless confirmed
    TGravacaoSegura(const TGravacaoSegura&) = delete;
    TGravacaoSegura& operator=(const TGravacaoSegura&) = delete;

    const std::filesystem::path& Temporario() const { return temporario_; }
    // Replaces the destination by the temporary file; EArquivo when that fails.
    void Confirmar();

private:
    std::string destino_;
    std::filesystem::path temporario_;
    bool confirmada_ = false;
};

// "Não foi possível gravar o arquivo '<arquivo>'."
EArquivo ErroDeGravacao(const std::string& arquivo);

}  // namespace zq
