#include "reports/recibos/QRRecNoldeNet.h"

#include <array>
#include <cstdio>
#include <filesystem>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Formatador.h"
#include "reports/descricao/FormatosRelatorio.h"
#include "reports/descricao/MontadorPaginas.h"
#include "selection/varredura/DataHoraArquivo.h"

namespace zq {

const char* const kDepartamentoDeclaracoes = "Diretoria de Informações Econômico-Fiscais";

namespace {

constexpr double kLinha = kAlturaLinha;
constexpr double kAlturaCabecalho = 80;
constexpr double kAlturaDetalhe = 14.5;
constexpr double kAlturaResumo = 30;
// The coat of arms and the header lines 5 pixels (at 96 per inch) to its right.
constexpr double kLarguraBrasao = 16, kAlturaBrasao = 19.2;
constexpr double kTextoCabecalho = kLarguraBrasao + 5 * 25.4 / 96;
// Columns of the entries: order, contributor and codes, type and accountant, regime.
constexpr double kColunaContribuinte = 14, kColunaRazao = 38, kColunaTipo = 125, kColunaRegime = 161;
constexpr double kColunaComprovante = 98, kColunaContador = 126;
constexpr double kValorInformacao = 48;

constexpr TEstiloTexto kAviso{TFonteRelatorio::Sans, 9, false};

std::string TipoDeclaracao(const TLinhaRelatorio& linha) {
    if (!linha.TipoGim) return "Dados anuais";
    return *linha.TipoGim == "N" ? "NORMAL" : "RETIFICADORA";
}

std::string Regime(const TLinhaRelatorio& linha) {
    if (!linha.TipoGim) return {};
    return linha.EhSimples.value_or(false) ? "Simples Nacional" : "Normal";
}

}  // namespace

TArquivoTransmitido TArquivoTransmitido::De(const std::string& caminho) {
    std::error_code erro;
    const auto tamanho = std::filesystem::file_size(CaminhoNativo(caminho), erro);
    const auto dataHora = DataHoraArquivo(caminho);
    if (erro || !dataHora) throw EArquivo(Formatar("Arquivo não encontrado: '%s'", {caminho}));
    const auto barra = caminho.find_last_of("/\\");
    return {barra == std::string::npos ? caminho : caminho.substr(barra + 1), static_cast<std::int64_t>(tamanho),
            *dataHora};
}

TQRRecNoldeNet::TQRRecNoldeNet(TIdentificacaoPrograma programa, TArquivoTransmitido arquivo,
                               std::size_t quantidadeRecibos, std::chrono::local_seconds agora)
    : programa_(std::move(programa)), arquivo_(std::move(arquivo)), quantidadeRecibos_(quantidadeRecibos),
      agora_(agora) {}

namespace {

class TBandasComprovante {
public:
    TBandasComprovante(TMontadorPaginas& paginas, const TArquivoTransmitido& arquivo, std::string totalPaginas,
                       std::chrono::local_seconds agora)
        : paginas_(paginas), arquivo_(arquivo), totalPaginas_(std::move(totalPaginas)), agora_(agora) {}

    void Cabecalho(const TLinhaRelatorio* atual) {
        paginas_.NovaPagina();
        const double largura = paginas_.Largura();
        TEscritorBanda banda = paginas_.Banda("cabecalho", kAlturaCabecalho);
        banda.Imagem(0, 0, kLarguraBrasao, kAlturaBrasao, "brasao");
        banda.Texto(kTextoCabecalho, 1, 120, "Secretaria de Estado da Receita da Corvena - XAR-ZQ", kSansNegrito);
        banda.Texto(kTextoCabecalho, 1 + kLinha, 120, kDepartamentoDeclaracoes);
        banda.Texto(kTextoCabecalho, 1 + 2 * kLinha, 120, "Comprovante de Transmissão de GIM e/ou Dados Anuais",
                    kSansNegrito);
        banda.Texto(largura - 50, 1, 50, TextoDataHoraRelatorio(agora_), kSans, TAlinhamento::Direita);
        banda.Texto(largura - 50, 1 + kLinha, 50,
                    "Página: " + std::to_string(paginas_.PaginaAtual()) + " " + totalPaginas_, kSans,
                    TAlinhamento::Direita);
        banda.Regua(0, 21, largura);

        banda.Texto(0, 22.5, largura, "INFORMAÇÕES SOBRE A TRANSMISSÃO:", kSansNegrito);
        std::string periodo, transmissao;
        if (atual) {
            periodo = (atual->TipoGim ? atual->AnoMesGim : atual->AnoDadosAnuais).value_or("");
            if (atual->DataHoraApresentacao) transmissao = TextoDataHoraRelatorio(*atual->DataHoraApresentacao);
        }
        Informacao(banda, 27, "Período das declarações:", periodo, kSansNegrito);
        Informacao(banda, 27 + kLinha, "Data da transmissão:", transmissao, kSansNegrito);
        banda.Texto(0, 37, largura, "INFORMAÇÕES SOBRE O ARQUIVO TRANSMITIDO:", kSansNegrito);
        Informacao(banda, 41.5, "Nome:", arquivo_.Nome, kSans);
        Informacao(banda, 41.5 + kLinha, "Tamanho:", TextoTamanhoArquivo(arquivo_.Tamanho), kSans);
        Informacao(banda, 41.5 + 2 * kLinha, "Criação:", TextoDataHoraRelatorio(arquivo_.DataHora), kSans);
        banda.Regua(0, 56, largura);
        banda.Texto(0, 57.3, largura, "O arquivo acima descrito foi transmitido, contendo as seguintes declarações:");
        banda.Regua(0, 62.5, largura);
        banda.Texto(0, 64, 15, "Ordem", kSansNegrito);
        banda.Texto(kColunaContribuinte, 64, 100, "Contribuinte", kSansNegrito);
        banda.Texto(kColunaTipo, 64, kColunaRegime - kColunaTipo - 1, "Tipo da declaração", kSansNegrito);
        banda.Texto(kColunaRegime, 64, largura - kColunaRegime, "Regime", kSansNegrito);
        banda.Texto(kColunaContribuinte, 64 + kLinha, 80, "Autenticação dos dados", kSansNegrito);
        banda.Texto(kColunaComprovante, 64 + kLinha, 90, "Autenticação do comprovante", kSansNegrito);
        banda.Texto(kColunaContribuinte, 64 + 2 * kLinha, 80, "Email", kSansNegrito);
        banda.Texto(kColunaComprovante, 64 + 2 * kLinha, 90, "Contador", kSansNegrito);
        banda.Regua(0, 78.5, largura);
    }

    void Detalhe(std::size_t ordem, const TLinhaRelatorio& linha) {
        TEscritorBanda banda = paginas_.Banda("detalhe", kAlturaDetalhe);
        char numero[24];
        std::snprintf(numero, sizeof numero, "%05zu", ordem);
        banda.Texto(0, 0.5, 15, numero);
        banda.Texto(kColunaContribuinte, 0.5, kColunaRazao - kColunaContribuinte - 1, TextoInscricao(linha.Inscricao),
                    kSansNegrito);
        banda.Texto(kColunaRazao, 0.5, kColunaTipo - kColunaRazao - 2, linha.RazaoSocial.value_or(""), kSansNegrito);
        banda.Texto(kColunaTipo, 0.5, kColunaRegime - kColunaTipo - 1, TipoDeclaracao(linha));
        banda.Texto(kColunaRegime, 0.5, paginas_.Largura() - kColunaRegime, Regime(linha));
        const double codigo = kColunaComprovante - kColunaContribuinte - 2;
        banda.Texto(kColunaContribuinte, 0.5 + kLinha, codigo, linha.CodigoDados.value_or(""), kSansNegrito);
        banda.Texto(kColunaComprovante, 0.5 + kLinha, paginas_.Largura() - kColunaComprovante,
                    linha.CodigoRecibo.value_or(""), kSansNegrito);
        banda.Texto(kColunaContribuinte, 0.5 + 2 * kLinha, codigo, linha.emailTxt.value_or(""));
        banda.Texto(kColunaComprovante, 0.5 + 2 * kLinha, kColunaContador - kColunaComprovante - 1,
                    TextoCrc(linha.CRC));
        banda.Texto(kColunaContador, 0.5 + 2 * kLinha, paginas_.Largura() - kColunaContador,
                    linha.Contador.value_or(""));
    }

    void Resumo(const std::string& frase, const std::string& programa) {
        const double largura = paginas_.Largura();
        TEscritorBanda banda = paginas_.Banda("resumo", kAlturaResumo);
        banda.Texto(0, 1, largura, frase, kSansNegrito);
        banda.Regua(0, 6.5, largura);
        banda.Texto(0, 7.5, largura, programa);
        banda.Regua(0, 12.5, largura);
        const std::array<const char*, 3> aviso = {
            "      Os recibos  estarão  disponíveis  em  até  10  dias  do  envio  de  suas  declarações  no  "
            "portal  de  serviços   on-line",
            "desta  secretaria.  Findo  este  prazo  e  os  recibos das GIMs que não foram rejeitadas não estiverem "
            "acessíveis, então",
            "procure o setor responsável.",
        };
        for (std::size_t i = 0; i < aviso.size(); ++i) {
            banda.Texto(0, 14 + static_cast<double>(i) * 4.2, largura, aviso[i], kAviso);
        }
    }

private:
    void Informacao(TEscritorBanda& banda, double y, const char* legenda, const std::string& valor,
                    TEstiloTexto estilo) {
        banda.Texto(4, y, kValorInformacao - 6, legenda);
        banda.Texto(kValorInformacao, y, paginas_.Largura() - kValorInformacao, valor, estilo);
    }

    TMontadorPaginas& paginas_;
    const TArquivoTransmitido& arquivo_;
    std::string totalPaginas_;
    std::chrono::local_seconds agora_;
};

}  // namespace

TDocumentoRelatorio TQRRecNoldeNet::Descrever(const TTabelaRelatorio& tblRelatorio) const {
    TDocumentoRelatorio documento;
    documento.Titulo = "Comprovante de Transmissão de GIM e/ou Dados Anuais";
    documento.LarguraPagina = 210;
    documento.AlturaPagina = 297;
    const auto& linhas = tblRelatorio.Linhas();
    TMontadorPaginas paginas(documento);
    TBandasComprovante bandas(paginas, arquivo_, TextoTotalPaginas(linhas.size(), kLinhasPorPagina), agora_);
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (i % kLinhasPorPagina == 0) bandas.Cabecalho(&linhas[i]);
        bandas.Detalhe(i + 1, linhas[i]);
    }
    if (linhas.empty() || paginas.Restante() < kAlturaResumo) {
        bandas.Cabecalho(linhas.empty() ? nullptr : &linhas.back());
    }
    const std::string frase =
        linhas.size() == quantidadeRecibos_
            ? Formatar("Declarações contidas no arquivo: %d", {linhas.size()})
            : Formatar("%s %d das %d contidas no arquivo",
                       {linhas.size() == 1 ? "A declaração acima representa" : "As declarações acima representam",
                        linhas.size(), quantidadeRecibos_});
    bandas.Resumo(frase, programa_.Texto());
    return documento;
}

}  // namespace zq
