#include "selection/transmissao/ArqReciboNoldeNet.h"

#include <charconv>
#include <fstream>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Limites.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"
#include "selection/Mensagens.h"
#include "selection/transmissao/ArqDadosNoldeNet.h"
#include "selection/transmissao/Md5.h"

namespace zq {
namespace {

constexpr std::size_t kLinhaMinima = 45;
constexpr std::size_t kLinhaMaxima = 110;

std::vector<std::string> LerLinhas(const std::string& arquivo) {
    std::ifstream entrada(CaminhoNativo(arquivo), std::ios::binary);
    if (!entrada) throw Excecao(Formatar("Não foi possível abrir o arquivo '%s'.", {arquivo}));
    VerificarTamanhoMaximo(arquivo, kArquivoRecibosMaximo);
    std::vector<std::string> linhas;
    for (std::string linha; std::getline(entrada, linha);) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(std::move(linha));
    }
    return linhas;
}

// A whole integer text; nothing else.
bool LerInteiro(std::string_view texto, int& valor) {
    const auto fim = texto.data() + texto.size();
    const auto [ponteiro, erro] = std::from_chars(texto.data(), fim, valor);
    return !texto.empty() && erro == std::errc() && ponteiro == fim;
}

// Token by token: each ends at the next space, the spaces after it are skipped.
class Tokens {
public:
    explicit Tokens(std::string_view linha) : linha_(linha) {}
    std::string Proximo(const char* nome) {
        if (posicao_ >= linha_.size()) throw Excecao(Formatar("Recibo incompleto: falta %s.", {nome}));
        const auto espaco = linha_.find(' ', posicao_);
        const auto fim = espaco == std::string_view::npos ? linha_.size() : espaco;
        std::string token(linha_.substr(posicao_, fim - posicao_));
        posicao_ = linha_.find_first_not_of(' ', fim);
        if (posicao_ == std::string_view::npos) posicao_ = linha_.size();
        return token;
    }
    std::string_view Resto() const { return linha_.substr(posicao_); }

private:
    std::string_view linha_;
    std::size_t posicao_ = 0;
};

}  // namespace

std::string TRegReciboNoldeNet::PeriodoTexto() const {
    if (Periodo.size() != 8) return Periodo;
    if (Periodo.substr(0, 4) == Periodo.substr(4, 4)) return Periodo.substr(0, 4);
    return Periodo.substr(4, 4) + "-" + Periodo.substr(2, 2);
}

std::string TRegReciboNoldeNet::Situacao() const {
    switch (CodigoDuplicidade) {
        case 0: return "Primeira apresentação";
        case 1: return "Reapresentação (2ª via)";
        case -1: return "Fora do prazo";
        default: throw Excecao(Formatar("Código de duplicidade inválido: %d", {CodigoDuplicidade}));
    }
}

std::string TRegReciboNoldeNet::Descricao(int recuo) const {
    std::string situacao;
    try {
        situacao = Situacao();
    } catch (const Excecao& erro) {
        situacao = erro.what();
    }
    return Formatar("%0:sNumero mágico: %1:d\r%0:sPeríodo: %2:s\r%0:sInscricao: %3:s\r%0:sData: %4:s\r%0:sHora: %5:s\r"
                    "%0:sCódigo dos dados: %6:s\r%0:sCódigo do recibo: %7:s\r%0:sSituação: %8:s",
                    {std::string(static_cast<std::size_t>(std::max(recuo, 0)), ' '), NumeroMagico, PeriodoTexto(),
                     InscricaoComMascara(Inscricao), Data, Hora, CodigoDados, CodigoRecibo, situacao});
}

TArqReciboNoldeNet::TArqReciboNoldeNet(const std::string& arquivo) : caminho_(arquivo), linhas_(LerLinhas(arquivo)) {
    if (linhas_.empty()) throw Excecao("Arquivo de recibo vazio: \"" + arquivo + "\".");
    const std::string primeira = AparaEspacos(linhas_[0]);
    if (!LerInteiro(std::string_view(primeira).substr(0, primeira.find(' ')), identificador_)) identificador_ = 0;

    std::size_t maior = 0;
    std::size_t menor = 0;
    for (std::size_t i = 1; i < linhas_.size(); ++i) {
        if (linhas_[i].size() > linhas_[maior].size()) maior = i;
        if (linhas_[i].size() < linhas_[menor].size()) menor = i;
    }
    if (linhas_[maior].size() > kLinhaMaxima) {
        throw Excecao(Formatar("Arquivo de recibo inválido:\r\"%s\"\rLinha %d muito longa (%d caracteres)",
                               {arquivo, static_cast<long long>(maior + 1), static_cast<long long>(linhas_[maior].size())}));
    }
    if (linhas_[menor].size() < kLinhaMinima) {
        throw Excecao(Formatar("Arquivo de recibo inválido:\r\"%s\"\rLinha %d muito curta (%d caracteres)",
                               {arquivo, static_cast<long long>(menor + 1), static_cast<long long>(linhas_[menor].size())}));
    }
}

bool TArqReciboNoldeNet::Proximo() {
    ++indice_;
    atual_ = TRegReciboNoldeNet();
    atual_.Linha = AparaEspacos(linhas_.at(static_cast<std::size_t>(indice_)));
    Tokens tokens(atual_.Linha);
    if (!LerInteiro(tokens.Proximo("o número mágico"), atual_.NumeroMagico)) {
        throw Excecao("Recibo inválido: número mágico não numérico.");
    }
    atual_.Periodo = tokens.Proximo("o período");
    atual_.Inscricao = tokens.Proximo("a inscrição");
    atual_.Data = tokens.Proximo("a data");
    atual_.Hora = tokens.Proximo("a hora");
    atual_.CodigoDados = tokens.Proximo("o código dos dados");
    if (atual_.CodigoDados == "-1") {
        atual_.CodigoRecibo = "-1";
        atual_.CodigoDuplicidade = -1;
        throw ENoldeNetForaDoPrazo(Formatar("Exercício: %s\rData e hora da transmissão: %s %s\rInscrição estadual: %s",
                                            {atual_.Periodo, atual_.Data, atual_.Hora, InscricaoComMascara(atual_.Inscricao)}));
    }
    atual_.CodigoRecibo = tokens.Proximo("o código do recibo");
    const std::string resto = AparaEspacos(tokens.Resto());
    if (resto.empty()) {
        atual_.CodigoDuplicidade = 0;
    } else if (!LerInteiro(resto, atual_.CodigoDuplicidade)) {
        throw Excecao(Formatar("Recibo inválido: código de duplicidade '%s'.", {resto}));
    }

    const auto lugar = atual_.Linha.find(atual_.CodigoRecibo);
    const std::string autenticado = atual_.Linha.substr(0, lugar == 0 ? 0 : lugar - 1);
    atual_.CodigoConferido = TMD5::Digerir(autenticado) == atual_.CodigoRecibo;
    if (!atual_.CodigoConferido) {
        CaixasAtuais().Erro(Formatar("Erro na recuperação do arquivo de recibo \"%s\"!\r\rRecibo inválido: código incorreto!\r%s",
                                     {caminho_, atual_.Descricao(0)}));
    }
    return atual_.CodigoConferido;
}

}  // namespace zq
