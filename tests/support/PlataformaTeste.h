#pragma once
// A platform whose temporary folder and running program a test chooses; installed for the life of the object.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Plataforma.h"

namespace zq::teste {

class PlataformaTeste final : public Plataforma {
public:
    PlataformaTeste(std::filesystem::path pastaTemporaria, std::filesystem::path programa)
        : pastaTemporaria_(std::move(pastaTemporaria)), programa_(std::move(programa)) {
        DefinirPlataforma(this);
    }
    ~PlataformaTeste() override { DefinirPlataforma(nullptr); }
    PlataformaTeste(const PlataformaTeste&) = delete;
    PlataformaTeste& operator=(const PlataformaTeste&) = delete;

    std::filesystem::path CaminhoProgramaEmExecucao() const override { return programa_; }
    std::filesystem::path PastaTemporaria() const override { return pastaTemporaria_; }
    std::optional<std::string> VersaoDoArquivo(const std::filesystem::path&) const override { return std::nullopt; }
    void MostrarMensagem(const std::string&) override {}
    void AbrirDocumento(const std::string&, const std::filesystem::path&) override {}
    std::optional<std::filesystem::path> CaminhoRegistrado(const std::string&) const override { return std::nullopt; }

private:
    std::filesystem::path pastaTemporaria_;
    std::filesystem::path programa_;
};

}  // namespace zq::teste
