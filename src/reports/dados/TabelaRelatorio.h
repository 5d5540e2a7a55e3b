#pragma once
// tblRelatorio: one row per declaration to print, with the figures of the conference report and, in receipt
// mode, the receipt's fields. A field a declaration does not fill stays empty (null): the reports decide by it
// which bands print. Texts are CP1252.

#include <chrono>
#include <optional>
#include <string>

#include "record-model/comum/Moeda.h"
#include "selection/tabelas/TabelaMemoria.h"

namespace zq {

struct TLinhaRelatorio {
    using Texto = std::optional<std::string>;
    using Valor = std::optional<Moeda>;
    using Taxa = std::optional<double>;

    Texto Inscricao;  // 9 characters, shown "99.999.999-9"
    Texto RazaoSocial;
    Texto AnoMesGim;  // "yyyy-mm"
    Texto TipoGim;    // "N" or "R"
    Valor SaldoAnterior, CreditosPeriodo, DebitosPeriodo;
    Valor StEntradas, StEntradasJR, StEntradasAR;
    Valor StSaidasInternas, StSaidasFonte, StSaidasAnexoV;
    Valor NFValorContabil, NFBaseCalc, NFICMS, NFIsentas, NFOutras;
    Valor NFValorContabilSai, NFBaseCalcSai, NFIcmsSai, NFIsentasSai, NFOutrasSai;
    Valor NFTVlrContabil, NFTBaseCalc, NFTIcms, NFTIsentas, NFTOutras;
    Valor NFTVlrContabilSai, NFTBaseCalcSai, NFTIcmsSai, NFTIsentasSai, NFTOutrasSai;
    Valor TLOutras, TLIsentas, TLIcms, TLBaseCalc, TLValorContabil;
    Valor ECFOutras, ECFIsentas, ECFValorImposto, ECFValorAcum, ECFValorContabil;
    Valor DifAliquota, OutrasUF;
    Texto AnoDadosAnuais;   // "yyyy"
    Texto TipoDadosAnuais;  // "N" or "R"
    Valor EstqTrib, EstqNTrib, EstqSubsT, SaldoCx, SaldoBc, DesPessoal, DespGerais, OutrosImpostos;
    Valor BaseRecEfetiva;
    Taxa PercentualRecolhimento;
    Valor CreditoPresumido, ImpostoRecolher, ImpostoDevido, TotalCreditos;
    Texto CRC;  // up to 10 characters, shown "ll 999.999/l-9"
    Texto Contador;
    Texto VersaoTxt;  // "<NÃO INFORMADA>" when the declaration has none
    std::optional<std::chrono::local_seconds> DataHoraApresentacao;  // receipt mode
    Texto CodigoDados;                                               // receipt mode
    Texto CodigoRecibo;                                              // receipt mode
    Valor FuncepIcmsNormal, FuncepSTSaidasInternas, FuncepSTEntradas, FuncepFonte, FuncepDifAliquota;
    Valor DifAliqComp, ImpostoAntecipado, IcmsImportacao, Faturamento, TotalEntradas;
    Taxa AliqIcmsSimples;
    Valor FuncepSimples, IcmsSimples;
    Texto DescCategoria;
    std::optional<bool> EhSimples;
    Texto emailTxt;  // receipt mode
};

using TTabelaRelatorio = TTabelaMemoria<TLinhaRelatorio>;

// Rows only: the reports read the fields by name in code, no grid shows this table.
TTabelaRelatorio CriarTblRelatorio();

}  // namespace zq
