#pragma once
// A work folder of one's own: created with a fresh name under a parent folder, so that two processes of the
// same program never share it, and removed with everything in it when the object goes.

#include <filesystem>
#include <string>

namespace zq {

class PastaTrabalho {
public:
    // "<pai>/<prefixo>-<sufixo>", the suffix chosen so that the folder is new. Excecao when none can be made.
    PastaTrabalho(const std::filesystem::path& pai, const std::string& prefixo);
    ~PastaTrabalho();
    PastaTrabalho(const PastaTrabalho&) = delete;
    PastaTrabalho& operator=(const PastaTrabalho&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }

private:
    std::filesystem::path caminho_;
};

}  // namespace zq
