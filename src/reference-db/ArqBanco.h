#pragma once
// TArqBanco: the package unpacked into a work folder of the call. The copy of the package is deciphered, its
// ZIP extracted with the password, and the first entry is the database file. The work folder and everything
// in it go with the object, also when the unpacking fails half-way.

#include <filesystem>
#include <memory>
#include <string>

#include "reference-db/PastaTrabalho.h"

namespace zq {

class TArqBanco {
public:
    // `pacote` the package file; the work folder is made under `pastaTemporaria` with `prefixoPasta` in its
    // name. Excecao with the message of the failing step:
    //   "Arquivo <pacote> não localizado."
    //   "Erro de desencriptação: <cause>"
    //   "Erro ao descompactar arquivo '<zip>':\r<cause>"
    TArqBanco(const std::filesystem::path& pacote, const std::filesystem::path& pastaTemporaria,
              const std::string& prefixoPasta, const std::string& nomeBase, const std::string& senhaZip);

    const std::filesystem::path& ArquivoBanco() const { return arquivoBanco_; }

private:
    void Decifrar(const std::filesystem::path& pacote, const std::filesystem::path& zip);

    PastaTrabalho pasta_;
    std::filesystem::path arquivoBanco_;
};

}  // namespace zq
