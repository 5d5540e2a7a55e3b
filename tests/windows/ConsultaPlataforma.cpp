// Usage: ConsultaPlataforma versao ARQUIVO | registrado EXECUTAVEL | temporaria | programa
// Prints what the platform layer answers (UTF-8, one line); exit 1 when it has no answer.

#include <iostream>
#include <optional>
#include <string>

#include "platform/Cp1252.h"
#include "platform/Plataforma.h"

namespace {

std::string Texto(const std::filesystem::path& caminho) { return zq::Cp1252ParaUtf8(zq::CaminhoCp1252(caminho)); }

int Responder(const std::optional<std::string>& resposta) {
    if (!resposta) return 1;
    std::cout << *resposta << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto& plataforma = zq::PlataformaAtual();
    const std::string pergunta = argc > 1 ? argv[1] : "";
    if (pergunta == "versao" && argc == 3) return Responder(plataforma.VersaoDoArquivo(zq::CaminhoNativo(argv[2])));
    if (pergunta == "registrado" && argc == 3) {
        const auto caminho = plataforma.CaminhoRegistrado(argv[2]);
        return Responder(caminho ? std::optional(Texto(*caminho)) : std::nullopt);
    }
    if (pergunta == "temporaria") return Responder(Texto(plataforma.PastaTemporaria()));
    if (pergunta == "programa") return Responder(Texto(plataforma.CaminhoProgramaEmExecucao()));
    std::cerr << "Uso: ConsultaPlataforma versao ARQUIVO | registrado EXECUTAVEL | temporaria | programa\n";
    return 64;
}
