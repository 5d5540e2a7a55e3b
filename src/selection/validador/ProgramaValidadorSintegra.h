#pragma once
// The national SINTEGRA validator as the program sees it: where it is installed, the deployment of our
// post-validation library and its reference package ("Morvanta.cri") into its folder whenever our copy is
// newer, and its start.

#include <string>

namespace zq {

// The file name of the post-validation library on this system ("Morvanta.dll" on Windows).
std::string NomeDllPosValidacao();

class TProgramaValidadorSintegra {
public:
    // Checks the library shipped beside the program (an error box and an empty library path when it is
    // missing), locates the validator (the configured path, else the registry entries of last year and this
    // year) and deploys the library to it. A failing copy raises Excecao.
    explicit TProgramaValidadorSintegra(const std::string& validadorConfigurado);

    // The validator's executable, to be written back into the configuration.
    const std::string& CaminhoValidador() const { return caminhoValidador_; }
    // The shipped library; empty when it is missing.
    const std::string& CaminhoDll() const { return caminhoDll_; }

    // Deploys the library again, starts the validator (`validador` replaces the current one when given) and
    // waits for its end, letting the window process its events. Its exit code; -1 when it cannot start.
    int Executar(const std::string& validador = "");

private:
    void Implantar();

    std::string caminhoValidador_;
    std::string caminhoDll_;
};

}  // namespace zq
