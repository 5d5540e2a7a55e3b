#pragma once
// The services of the operating system that the libraries and the program use.
// Every text crossing this interface is CP1252, as on the Windows desktop.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace zq {

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Full path of the running executable (the host, for the critique library).
    virtual std::filesystem::path CaminhoProgramaEmExecucao() const = 0;
    virtual std::filesystem::path PastaTemporaria() const = 0;
    // The four-part file version ("5.2.0.9") of a binary, when it carries one.
    virtual std::optional<std::string> VersaoDoArquivo(const std::filesystem::path& arquivo) const = 0;

    // A modal "OK" box on the desktop; never blocks in automated runs.
    virtual void MostrarMensagem(const std::string& texto) = 0;
    // Starts a program with one parameter and does not wait for it ("notepad.exe" report).
    virtual void AbrirDocumento(const std::string& programa, const std::filesystem::path& documento) = 0;

    // Where a program is installed, by its executable's name ("ValidadorSintegra2018.exe"): the default
    // value of its App Paths key in the registry; nothing when it is not registered.
    virtual std::optional<std::filesystem::path> CaminhoRegistrado(const std::string& executavel) const = 0;
};

// The platform of this build; tests may put a fake in its place.
Plataforma& PlataformaAtual();
void DefinirPlataforma(Plataforma* plataforma);  // nullptr restores the real one

// CP1252 paths (what the host passes) to the file system's own form and back.
std::filesystem::path CaminhoNativo(const std::string& caminhoCp1252);
std::string CaminhoCp1252(const std::filesystem::path& caminho);

// std::fopen for a path of any system (the C library takes only narrow names).
std::FILE* AbrirArquivoC(const std::filesystem::path& arquivo, const char* modo);

}  // namespace zq
