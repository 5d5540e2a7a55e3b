#pragma once
// A text file read line by line. A line ends at CR LF, at a CR or at an LF; the bytes of a line pass unchanged.
//
// A file whose lines end in bare LFs is read through a copy with CR LF line ends. The copy lives in a folder of
// its own, unique to the reader, inside a folder named after the running program under the temporary folder,
// and is removed by Fechar (so also by the destructor, and when the opening fails).

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "record-model/comum/Excecao.h"

namespace zq {

class EArqTextoLeitura : public Excecao {
public:
    using Excecao::Excecao;
};

class TArqTextoLeitura {
public:
    TArqTextoLeitura();
    explicit TArqTextoLeitura(const std::string& arquivo);
    virtual ~TArqTextoLeitura();
    TArqTextoLeitura(const TArqTextoLeitura&) = delete;
    TArqTextoLeitura& operator=(const TArqTextoLeitura&) = delete;

    // Closes the file being read, then opens `arquivo` (a CP1252 path). Raises EArqTextoLeitura when the file
    // does not exist or is empty, and when it cannot be read or converted; after a failure nothing is open.
    virtual void Abrir(const std::string& arquivo);
    void Fechar();
    // No line is left to read (true when nothing is open).
    bool Eof();
    // The next line, without its line end; EArqTextoLeitura past the end of the file and for a line longer
    // than kLinhaMaximaTexto.
    const std::string& ProximaLinha();

    // The file being read: the converted copy when one was made.
    const std::string& NomeArquivo() const { return nomeArquivo_; }
    // The converted copy; empty when the file is read unchanged.
    const std::string& ArquivoConvertido() const { return arquivoConvertido_; }
    // The size of the file given to Abrir, when it was opened.
    std::int64_t TamanhoArquivo() const { return tamanhoArquivo_; }
    bool Aberto() const { return aberto_; }
    const std::string& LinhaAtual() const { return linhaAtual_; }

private:
    void AbrirLeitura();
    void CriarCopiaConvertida(const std::string& arquivo);
    void ApagarCopia();
    bool Encher();

    std::string nomeArquivo_;
    std::string arquivoConvertido_;
    std::string pastaCopia_;
    std::int64_t tamanhoArquivo_ = 0;
    bool aberto_ = false;
    std::string linhaAtual_;

    std::ifstream arquivo_;
    std::vector<char> bloco_;
    std::size_t inicio_ = 0;
    std::size_t fim_ = 0;
};

}  // namespace zq
