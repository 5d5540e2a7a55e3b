#include "critique/VersaoValidador.h"

#include <cstdint>
#include <limits>

#include "critique/EnderecoSite.h"
#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr std::uint64_t kSaturado = std::numeric_limits<std::uint64_t>::max() / 10;

std::uint64_t NumeroDosDigitos(const std::string& versao) {
    std::uint64_t numero = 0;
    for (char c : versao) {
        if (c >= '0' && c <= '9') numero = numero >= kSaturado ? kSaturado : numero * 10 + static_cast<unsigned>(c - '0');
    }
    return numero;
}

}  // namespace

void VerificarVersaoValidador(const std::filesystem::path& programaHost, const std::optional<std::string>& versaoHost,
                              MensagensCritica& mensagens) {
    if (versaoHost && NumeroDosDigitos(*versaoHost) >= NumeroDosDigitos("5.2.0.9")) return;
    const std::string padrao =
        std::string("Validador Sintegra OBSOLETO: %s - %s \r\n  Esta versão do programa Validador Sintegra está "
                    "desatualizada.\r\n  Para atualizar o programa, visite o site da XAR-ZQ <") +
        kEnderecoSiteXar +
        ">.\r\n  No menu à esquerda, procure <Declarações> e clique em <GIM>.\r\n  Na tela que abrirá, encontre a "
        "seção Arquivos para Download.";
    mensagens.ListaRejeicoes.push_back(
        Formatar(padrao, {CaminhoCp1252(programaHost.filename()), versaoHost.value_or("")}));
}

}  // namespace zq
