#include "reference-db/ArqBanco.h"

#include "platform/Plataforma.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "reference-db/CifraDeslocamento.h"
#include "reference-db/PacoteMorvanta.h"

namespace zq {
namespace {

bool ArquivoExiste(const std::filesystem::path& arquivo) {
    std::error_code erro;
    return std::filesystem::is_regular_file(arquivo, erro);
}

// The parent of the work folder, once the package is known to exist: a missing package leaves no folder behind.
const std::filesystem::path& PastaSeHouverPacote(const std::filesystem::path& pacote,
                                                 const std::filesystem::path& pastaTemporaria) {
    if (!ArquivoExiste(pacote)) throw Excecao(Formatar("Arquivo %s não localizado.", {CaminhoCp1252(pacote)}));
    return pastaTemporaria;
}

}  // namespace

TArqBanco::TArqBanco(const std::filesystem::path& pacote, const std::filesystem::path& pastaTemporaria,
                     const std::string& prefixoPasta, const std::string& nomeBase, const std::string& senhaZip)
    : pasta_(PastaSeHouverPacote(pacote, pastaTemporaria), prefixoPasta) {
    const auto zip = pasta_.Caminho() / (nomeBase + ".zip");
    Decifrar(pacote, zip);
    const std::string banco = DescompactarArquivo(CaminhoCp1252(zip), CaminhoCp1252(pasta_.Caminho()), senhaZip);
    arquivoBanco_ = CaminhoNativo(banco);
}

void TArqBanco::Decifrar(const std::filesystem::path& pacote, const std::filesystem::path& zip) {
    try {
        std::error_code erro;
        std::filesystem::copy_file(pacote, zip, std::filesystem::copy_options::overwrite_existing, erro);
        if (erro) throw Excecao(Formatar("Arquivo de entrada não encontrado: '%s'", {CaminhoCp1252(zip)}));
        CifraDeslocamento(kChaveCifra).Decifrar(zip);
    } catch (const Excecao& falha) {
        std::error_code erro;
        std::filesystem::remove(zip, erro);
        throw Excecao(Formatar("Erro de desencriptação: %s", {falha.what()}));
    }
}

}  // namespace zq
