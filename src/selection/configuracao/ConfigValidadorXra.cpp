#include "selection/configuracao/ConfigValidadorXra.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Ini.h"
#include "selection/configuracao/RemocaoAoTerminar.h"

namespace zq {
namespace {

constexpr const char* kSecao = "Config";

bool LetraAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A new folder of this process's own below the system's temporary folder.
std::string CriarPastaPropria() {
    const auto plataforma = &PlataformaAtual();
    const auto programa = plataforma->CaminhoProgramaEmExecucao().stem().string();
    std::error_code erro;
    std::filesystem::create_directories(plataforma->PastaTemporaria(), erro);
    std::string modelo = (plataforma->PastaTemporaria() / ((programa.empty() ? "ValidadorXraZQ" : programa) +
                                                            "-XXXXXX")).string();
    if (::mkdtemp(modelo.data()) == nullptr) return {};
    return IncluirBarra(CaminhoCp1252(modelo));
}

}  // namespace

std::string NormalizarPastaConfig(const std::string& pasta) {
    if (pasta.empty()) return pasta;
    if (pasta.back() == ':' || pasta.back() == '\\' || pasta.back() == kBarraPasta) return pasta;
    if (pasta.size() == 1 && LetraAscii(pasta[0])) return pasta + ":\\";
    return pasta + kBarraPasta;
}

TConfigValidadorXra::TConfigValidadorXra() : pastaTrabalho_(CriarPastaPropria()) {
    if (!pastaTrabalho_.empty()) RemoverAoTerminar(CaminhoNativo(pastaTrabalho_).string());
    const TUsoIni uso;
    PastaColetoria = NormalizarPastaConfig(LerIni(kSecao, "PastaColetoria", "A:\\"));
    PastaSintegra = NormalizarPastaConfig(LerIni(kSecao, "PastaSintegra", "A:\\"));
    NomeArqInternet = LerIni(kSecao, "NomeArqInternet", "*.sfn");
    ValidadorSintegra = LerIni(kSecao, "ValidadorSintegra", "");
    NomeArqRecibosColetoria = LerIni(kSecao, "NomeArqRecibosColetoria", "A:\\*.zip");
}

TConfigValidadorXra::~TConfigValidadorXra() {
    try {
        const TUsoIni uso;
        GravarIni(kSecao, "PastaColetoria", PastaColetoria);
        GravarIni(kSecao, "PastaSintegra", PastaSintegra);
        GravarIni(kSecao, "NomeArqInternet", NomeArqInternet);
        GravarIni(kSecao, "ValidadorSintegra", ValidadorSintegra);
        GravarIni(kSecao, "NomeArqRecibosColetoria", NomeArqRecibosColetoria);
    } catch (const std::exception&) {
        // A read-only program folder keeps the previous choices; the work folder goes anyway.
    }
    if (pastaTrabalho_.empty()) return;
    ApagarPasta(pastaTrabalho_, false);
    EsquecerRemocao(CaminhoNativo(pastaTrabalho_).string());
}

}  // namespace zq
