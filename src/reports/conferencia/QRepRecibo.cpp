#include "reports/conferencia/QRepRecibo.h"

#include <array>

#include "record-model/comum/Formatador.h"
#include "reports/descricao/FormatosRelatorio.h"
#include "reports/descricao/MontadorPaginas.h"

namespace zq {

namespace {

constexpr const char* kTituloRelatorio = "Relatório GIM/Dados Anuais";
constexpr const char* kSemValor = "****************";

// Amount boxes, right-aligned: after the long captions (58 characters), and in the two columns of the bands
// set out in two columns (captions of up to 25 characters at 0 and at kColunaDireita).
constexpr double kValorLongo = 144, kLarguraValor = 36;
constexpr double kValorEsquerda = 55, kLarguraValorColuna = 32;
constexpr double kColunaDireita = 92, kValorDireita = 144;
// The movement table: captions of 44 characters, then the entries and the exits.
constexpr double kEntradas = 98, kSaidas = 142, kLarguraMovimento = 38;

constexpr double kLinha = kAlturaLinha;
constexpr double kTituloSecao = 5.5;  // a section heading and the room under it

// One caption and its amount on a line of a band.
struct TCampoValor {
    const char* legenda;
    std::string valor;
};

class TBandasConferencia {
public:
    TBandasConferencia(TMontadorPaginas& paginas, const TIdentificacaoPrograma& programa)
        : paginas_(paginas), programa_(programa) {}

    void Cabecalho(std::chrono::local_seconds agora) {
        TEscritorBanda banda = paginas_.Banda("cabecalho", 4 * kLinha + 4);
        const std::array<std::string, 4> linhas = {programa_.Texto(), "Relatório de GIM e/ou Dados Anuais",
                                                   "RELATÓRIO PARA SIMPLES CONFERÊNCIA",
                                                   "<<< IMPORTANTE: NÃO VALE COMO RECIBO >>>"};
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            banda.Texto(0, static_cast<double>(i) * kLinha, 130, linhas[i], kSansNegrito);
        }
        const std::string dataHora = TextoDataHoraRelatorio(agora);
        banda.Texto(130, 0, 50, dataHora.substr(0, 10), kSans, TAlinhamento::Direita);
        banda.Texto(130, kLinha, 50, dataHora.substr(11), kSans, TAlinhamento::Direita);
        banda.Regua(0, 4 * kLinha + 2, paginas_.Largura());
    }

    void Contribuinte(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = paginas_.Banda("contribuinte", kLinha + 3);
        banda.Texto(0, 0.5, 24, "Contribuinte:");
        banda.Texto(24, 0.5, 28, TextoInscricao(linha.Inscricao), kSansNegrito);
        banda.Texto(54, 0.5, 126, linha.RazaoSocial.value_or(""), kSansNegrito);
        banda.Regua(0, kLinha + 2, paginas_.Largura());
    }

    void ResumoNormal(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = Resumo("resumoNormal", linha, " CÁLCULO DO ICMS NORMAL", 5);
        const Moeda imposto = linha.ImpostoRecolher.value_or(Moeda());
        const std::array<TCampoValor, 5> campos = {{
            {"Saldo credor do período anterior.........................:", TextoValor(linha.SaldoAnterior)},
            {"Créditos do período......................................:", TextoValor(linha.CreditosPeriodo)},
            {"(+) Total dos créditos...................................:", TextoValor(linha.TotalCreditos)},
            {"(-) Débitos do período...................................:", TextoValor(linha.DebitosPeriodo)},
            {imposto > Moeda() ? "(-) Apuração do resultado (IMPOSTO A PAGAR).....:"
                               : "(+) Apuração do resultado (SALDO CREDOR).....:",
             TextoValor(Abs(imposto))},
        }};
        CamposLongos(banda, campos);
    }

    void ResumoEpp(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = Resumo("resumoEpp", linha, " CÁLCULO DO ICMS EPP", 5);
        const std::array<TCampoValor, 4> campos = {{
            {"Base de recolhimento efetiva.............................:", TextoValor(linha.BaseRecEfetiva)},
            {"Percentual de recolhimento (%)...........................:", TextoTaxa(linha.PercentualRecolhimento)},
            {"(-) Imposto devido.......................................:", TextoValor(linha.ImpostoDevido)},
            {"(+) Crédito presumido/outorgado..........................:", TextoValor(linha.CreditoPresumido)},
        }};
        CamposLongos(banda, campos);
        const double y = kLinha + kTituloSecao + 4 * kLinha;
        const std::string legenda = "(-) Imposto a recolher..........:";
        banda.Texto(0, y, LarguraMono(legenda), legenda, {TFonteRelatorio::Mono, 10, true});
        banda.Texto(kValorLongo, y, kLarguraValor, TextoValor(linha.ImpostoRecolher), kSansNegrito,
                    TAlinhamento::Direita);
    }

    void SimplesNacional(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = Resumo("simplesNacional", linha, " DADOS DA DECLARAÇÃO SIMPLES NACIONAL", 5);
        const std::array<TCampoValor, 5> esquerda = {{
            {"Categoria..............:", linha.DescCategoria.value_or("")},
            {"Dif. Alíq..............:", TextoValor(linha.DifAliquota)},
            {"Dif. Alíq. Complementar:", TextoValor(linha.DifAliqComp)},
            {"Imposto Antecipado.....:", TextoValor(linha.ImpostoAntecipado)},
            {"ICMS Importação........:", TextoValor(linha.IcmsImportacao)},
        }};
        const std::array<TCampoValor, 5> direita = {{
            {"Faturamento............:", TextoValor(linha.Faturamento)},
            {"Total de entradas......:", TextoValor(linha.TotalEntradas)},
            {"Alíquota ICMS Simples..:", TextoPercentual(linha.AliqIcmsSimples)},
            {"FUNCEP Simples Nacional:", TextoValor(linha.FuncepSimples)},
            {"ICMS Simples Nacional..:", TextoValor(linha.IcmsSimples)},
        }};
        DuasColunas(banda, kLinha + kTituloSecao, esquerda, direita);
    }

    void MovimentoGim(const TLinhaRelatorio& linha) {
        constexpr int kLinhasMovimento = 20;
        const double tabela = kTituloSecao + 3 * kLinha + 1 + kTituloSecao;
        const double outras = tabela + kLinhasMovimento * kLinha + 1;
        TEscritorBanda banda = paginas_.Banda("movimentoGim", outras + kTituloSecao + 2 * kLinha + 2);
        Titulo(banda, 0, " CÁLCULO DO ICMS SUBSTITUIÇÃO TRIBUTÁRIA");
        const std::array<TCampoValor, 3> esquerda = {{
            {"Por entradas:", TextoValor(linha.StEntradas)},
            {"Recolhidas..:", TextoValor(linha.StEntradasJR)},
            {"A recolher..:", TextoValor(linha.StEntradasAR)},
        }};
        const std::array<TCampoValor, 3> direita = {{
            {"Total saídas internas.:", TextoValor(linha.StSaidasInternas)},
            {"ST Anexo V ...........:", TextoValor(linha.StSaidasAnexoV)},
            {"Regime Fonte..........:", TextoValor(linha.StSaidasFonte)},
        }};
        DuasColunas(banda, kTituloSecao, esquerda, direita);

        const double titulo = kTituloSecao + 3 * kLinha + 1;
        Titulo(banda, titulo, "INFORMAÇÕES ECONÔMICO-FISCAIS");
        banda.Texto(kEntradas, titulo, kLarguraMovimento, "ENTRADAS (Compras)", kSansNegrito, TAlinhamento::Direita);
        banda.Texto(kSaidas, titulo, kLarguraMovimento, "SAIDAS (Vendas)", kSansNegrito, TAlinhamento::Direita);
        struct TLinhaMovimento {
            const char* legenda;
            const TLinhaRelatorio::Valor* entradas;  // null: the column has no value
            const TLinhaRelatorio::Valor& saidas;
        };
        const std::array<TLinhaMovimento, kLinhasMovimento> linhas = {{
            {"NF - Valor contábil........................:", &linha.NFValorContabil, linha.NFValorContabilSai},
            {"NF - Base de cálculo.......................:", &linha.NFBaseCalc, linha.NFBaseCalcSai},
            {"NF - Montante do ICMS......................:", &linha.NFICMS, linha.NFIcmsSai},
            {"NF - Isentas / Não tributadas..............:", &linha.NFIsentas, linha.NFIsentasSai},
            {"NF - Outras................................:", &linha.NFOutras, linha.NFOutrasSai},
            {"Transporte - Valor contábil................:", &linha.NFTVlrContabil, linha.NFTVlrContabilSai},
            {"Transporte - Base de cálculo...............:", &linha.NFTBaseCalc, linha.NFTBaseCalcSai},
            {"Transporte - Montante do ICMS / FOB........:", &linha.NFTIcms, linha.NFTIcmsSai},
            {"Transporte - Isentas / Não tributadas......:", &linha.NFTIsentas, linha.NFTIsentasSai},
            {"Transporte - Outras........................:", &linha.NFTOutras, linha.NFTOutrasSai},
            {"Talão - Valor Contábil.....................:", nullptr, linha.TLValorContabil},
            {"Talão - Base de Cálculo....................:", nullptr, linha.TLBaseCalc},
            {"Talão - Montante do ICMS...................:", nullptr, linha.TLIcms},
            {"Talão - Isentas / Não tributadas...........:", nullptr, linha.TLIsentas},
            {"Talão - Outras.............................:", nullptr, linha.TLOutras},
            {"ECF - Venda Bruta..........................:", nullptr, linha.ECFValorContabil},
            {"ECF - Base de Cálculo......................:", nullptr, linha.ECFValorAcum},
            {"ECF - Montante do ICMS.....................:", nullptr, linha.ECFValorImposto},
            {"ECF - Isentas / Não tributadas.............:", nullptr, linha.ECFIsentas},
            {"ECF - Outras (CANC+DESC+ISS+F).............:", nullptr, linha.ECFOutras},
        }};
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            const double y = tabela + static_cast<double>(i) * kLinha;
            banda.Legenda(0, y, linhas[i].legenda);
            if (linhas[i].entradas) {
                banda.Texto(kEntradas, y, kLarguraMovimento, TextoValor(*linhas[i].entradas), kSans,
                            TAlinhamento::Direita);
            } else {
                banda.Texto(kEntradas, y, kLarguraMovimento, kSemValor, kMono, TAlinhamento::Direita);
            }
            banda.Texto(kSaidas, y, kLarguraMovimento, TextoValor(linhas[i].saidas), kSans, TAlinhamento::Direita);
        }

        Titulo(banda, outras, " OUTRAS INFORMAÇÕES");
        const std::array<TCampoValor, 2> campos = {{
            {"ICMS Diferencial de alíquota a ser recolhido.............:", TextoValor(linha.DifAliquota)},
            {"ICMS Substituição tributária retido em outros Estados....:", TextoValor(linha.OutrasUF)},
        }};
        CamposLongos(banda, campos, outras + kTituloSecao);
    }

    void Funcep(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = paginas_.Banda("funcep", kTituloSecao + 3 * kLinha + 2);
        Titulo(banda, 0, " FUNDO DE COMBATE E ERRADICAÇÃO DA POBREZA - FUNCEP");
        const std::array<TCampoValor, 3> esquerda = {{
            {"ICMS Normal............:", TextoValor(linha.FuncepIcmsNormal)},
            {"Diferencial de Alíquota:", TextoValor(linha.FuncepDifAliquota)},
            {"Saídas Fonte...........:", TextoValor(linha.FuncepFonte)},
        }};
        const std::array<TCampoValor, 2> direita = {{
            {"ST Entradas.........:", TextoValor(linha.FuncepSTEntradas)},
            {"ST Saídas Internas..:", TextoValor(linha.FuncepSTSaidasInternas)},
        }};
        DuasColunas(banda, kTituloSecao, esquerda, direita);
    }

    void DadosAnuais(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = paginas_.Banda("dadosAnuais", kTituloSecao + 4 * kLinha + 2);
        const char* tipo = linha.TipoDadosAnuais == "N" ? "NORMAIS" : "RETIFICADORES";
        Titulo(banda, 0, Formatar(" DADOS ANUAIS %s - Ano: %s", {tipo, linha.AnoDadosAnuais.value_or("")}));
        const std::array<TCampoValor, 4> esquerda = {{
            {"Estoque Tributável......:", TextoValor(linha.EstqTrib)},
            {"Estoque Não Tributável..:", TextoValor(linha.EstqNTrib)},
            {"Estoque Subst.Tributária:", TextoValor(linha.EstqSubsT)},
            {"Outros Impostos.........:", TextoValor(linha.OutrosImpostos)},
        }};
        const std::array<TCampoValor, 4> direita = {{
            {"Saldo em Caixa......:", TextoValor(linha.SaldoCx)},
            {"Saldo em Bancos.....:", TextoValor(linha.SaldoBc)},
            {"Despesas com Pessoal:", TextoValor(linha.DesPessoal)},
            {"Despesas gerais.....:", TextoValor(linha.DespGerais)},
        }};
        DuasColunas(banda, kTituloSecao, esquerda, direita);
    }

    void Apresentacao(const TLinhaRelatorio& linha) {
        TEscritorBanda banda = paginas_.Banda("apresentacao", kTituloSecao + 3 * kLinha + 2);
        Titulo(banda, 0, " DADOS DE APRESENTAÇÃO DA DECLARAÇÃO");
        banda.Legenda(0, kTituloSecao, "Contador responsável...:");
        banda.Texto(kValorEsquerda, kTituloSecao, 32, TextoCrc(linha.CRC));
        banda.Texto(kValorEsquerda + 34, kTituloSecao, 91, linha.Contador.value_or(""));
        banda.Legenda(0, kTituloSecao + kLinha, "Versão do arquivo......:");
        banda.Texto(kValorEsquerda, kTituloSecao + kLinha, 125, linha.VersaoTxt.value_or(""));
        banda.Texto(0, kTituloSecao + 2 * kLinha, paginas_.Largura(), programa_.Texto());
    }

    void Rodape() {
        TEscritorBanda banda = paginas_.Rodape("rodape", kLinha + 2);
        banda.Regua(0, 0.5, paginas_.Largura());
        banda.Texto(0, 1.5, 120, kTituloRelatorio, {TFonteRelatorio::Sans, 8, false});
        banda.Texto(120, 1.5, paginas_.Largura() - 120, "Página: " + std::to_string(paginas_.PaginaAtual()),
                    {TFonteRelatorio::Sans, 8, false}, TAlinhamento::Direita);
    }

private:
    // A summary band: the declaration's type and period, the heading, and `linhas` lines below.
    TEscritorBanda Resumo(const std::string& nome, const TLinhaRelatorio& linha, const std::string& titulo,
                          int linhas) {
        TEscritorBanda banda = paginas_.Banda(nome, kLinha + kTituloSecao + linhas * kLinha + 2);
        banda.Texto(0, 0, 34, "Tipo de declaração:");
        banda.Texto(34, 0, 40, linha.TipoGim == "N" ? "NORMAL" : "RETIFICADORA", kSansNegrito);
        const std::string periodo = "Período.........:";
        banda.Legenda(kColunaDireita, 0, periodo);
        banda.Texto(kColunaDireita + LarguraMono(periodo) + 2, 0, 30, linha.AnoMesGim.value_or(""), kSansNegrito);
        Titulo(banda, kLinha, titulo);
        return banda;
    }

    void Titulo(TEscritorBanda& banda, double y, const std::string& titulo) {
        banda.Texto(0, y + 0.5, 130, titulo, kSansNegrito);
    }

    template <std::size_t N>
    void CamposLongos(TEscritorBanda& banda, const std::array<TCampoValor, N>& campos,
                      double topo = kLinha + kTituloSecao) {
        for (std::size_t i = 0; i < N; ++i) {
            const double y = topo + static_cast<double>(i) * kLinha;
            banda.Legenda(0, y, campos[i].legenda);
            banda.Texto(kValorLongo, y, kLarguraValor, campos[i].valor, kSans, TAlinhamento::Direita);
        }
    }

    template <std::size_t E, std::size_t D>
    void DuasColunas(TEscritorBanda& banda, double topo, const std::array<TCampoValor, E>& esquerda,
                     const std::array<TCampoValor, D>& direita) {
        for (std::size_t i = 0; i < E; ++i) {
            const double y = topo + static_cast<double>(i) * kLinha;
            banda.Legenda(0, y, esquerda[i].legenda);
            banda.Texto(kValorEsquerda, y, kLarguraValorColuna, esquerda[i].valor, kSans, TAlinhamento::Direita);
        }
        for (std::size_t i = 0; i < D; ++i) {
            const double y = topo + static_cast<double>(i) * kLinha;
            banda.Legenda(kColunaDireita, y, direita[i].legenda);
            banda.Texto(kValorDireita, y, kLarguraValor, direita[i].valor, kSans, TAlinhamento::Direita);
        }
    }

    TMontadorPaginas& paginas_;
    const TIdentificacaoPrograma& programa_;
};

}  // namespace

TQRepRecibo::TQRepRecibo(TIdentificacaoPrograma programa, std::chrono::local_seconds agora)
    : programa_(std::move(programa)), agora_(agora) {}

std::vector<std::string> TQRepRecibo::BandasDaLinha(const TLinhaRelatorio& linha) {
    std::vector<std::string> bandas = {"contribuinte"};
    if (linha.TipoGim) {
        if (linha.EhSimples.value_or(false)) {
            bandas.push_back("simplesNacional");
        } else if (linha.BaseRecEfetiva) {
            bandas.push_back("resumoEpp");
        } else {
            bandas.push_back("resumoNormal");
        }
        bandas.push_back("movimentoGim");
    }
    if (linha.FuncepIcmsNormal) bandas.push_back("funcep");
    if (linha.TipoDadosAnuais) bandas.push_back("dadosAnuais");
    bandas.push_back("apresentacao");
    return bandas;
}

TDocumentoRelatorio TQRepRecibo::Descrever(const TTabelaRelatorio& tblRelatorio) const {
    TDocumentoRelatorio documento;
    documento.Titulo = kTituloRelatorio;
    documento.LarguraPagina = 210;
    documento.AlturaPagina = 350;
    documento.MargemSuperior = 20;
    documento.MargemInferior = 15;
    documento.MargemEsquerda = 10;
    documento.MargemDireita = 20;
    TMontadorPaginas paginas(documento);
    TBandasConferencia bandas(paginas, programa_);
    paginas.NovaPagina();
    bandas.Cabecalho(agora_);
    bool primeira = true;
    for (const TLinhaRelatorio& linha : tblRelatorio.Linhas()) {
        if (!primeira) paginas.NovaPagina();
        primeira = false;
        for (const std::string& banda : BandasDaLinha(linha)) {
            if (banda == "contribuinte") bandas.Contribuinte(linha);
            if (banda == "resumoNormal") bandas.ResumoNormal(linha);
            if (banda == "resumoEpp") bandas.ResumoEpp(linha);
            if (banda == "simplesNacional") bandas.SimplesNacional(linha);
            if (banda == "movimentoGim") bandas.MovimentoGim(linha);
            if (banda == "funcep") bandas.Funcep(linha);
            if (banda == "dadosAnuais") bandas.DadosAnuais(linha);
            if (banda == "apresentacao") bandas.Apresentacao(linha);
        }
    }
    bandas.Rodape();
    return documento;
}

}  // namespace zq
