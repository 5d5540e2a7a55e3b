#pragma once
// INI files, and the program's own INI file shared with a use count: the first use opens it, the end of the
// last use frees it, so the file object lives only during a call unless a caller holds a use longer.

#include <string>
#include <vector>

namespace zq {

class TArquivoIni {
public:
    // Reads the file; a missing file has no sections.
    explicit TArquivoIni(std::string caminho);

    const std::string& Caminho() const { return caminho_; }
    // Sections and keys ignore letter case; spaces around names and values and quotes around a value are
    // dropped.
    std::string Ler(const std::string& secao, const std::string& chave, const std::string& padrao) const;
    // Rewrites the whole file at once, keeping its other lines; EArquivo when it cannot be written.
    void Gravar(const std::string& secao, const std::string& chave, const std::string& valor);

private:
    std::string caminho_;
    std::vector<std::string> linhas_;
};

// The program's INI file, fixed at start-up; by default the running program's path with ".ini".
void DefinirCaminhoIni(const std::string& caminho);

// One use of the program's INI object.
class TUsoIni {
public:
    TUsoIni();
    ~TUsoIni();
    TUsoIni(const TUsoIni&) = delete;
    TUsoIni& operator=(const TUsoIni&) = delete;

    TArquivoIni& Ini() const { return ini_; }

private:
    TArquivoIni& ini_;
};

std::string LerIni(const std::string& secao, const std::string& chave, const std::string& padrao);
void GravarIni(const std::string& secao, const std::string& chave, const std::string& valor);

}  // namespace zq
