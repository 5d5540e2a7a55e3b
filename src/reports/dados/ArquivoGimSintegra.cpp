#include "reports/dados/ArquivoGimSintegra.h"

#include "record-model/comum/Formatador.h"

namespace zq {

namespace {

std::string PeriodoComHifen(const std::string& periodo) {
    return periodo.size() >= 4 ? periodo.substr(0, 4) + "-" + periodo.substr(4) : periodo;
}

std::optional<std::string> Letra(char letra) {
    if (letra == '\0') return std::nullopt;
    return std::string(1, letra);
}

// Entries and exits of one kind of document: the five totals of both accumulators, in the report's order.
struct TCinco {
    TLinhaRelatorio::Valor* valorContabil;
    TLinhaRelatorio::Valor* baseCalculo;
    TLinhaRelatorio::Valor* icms;
    TLinhaRelatorio::Valor* isentas;
    TLinhaRelatorio::Valor* outras;

    void Atribuir(const TTotaisAcumulados& a, const TTotaisAcumulados* b = nullptr) const {
        const auto soma = [&](Moeda (TTotaisAcumulados::*total)() const) {
            return (a.*total)() + (b ? (b->*total)() : Moeda());
        };
        *valorContabil = soma(&TTotaisAcumulados::ValorTotal);
        *baseCalculo = soma(&TTotaisAcumulados::BaseCalculo);
        *icms = soma(&TTotaisAcumulados::ValorIcms);
        *isentas = soma(&TTotaisAcumulados::Isentas);
        *outras = soma(&TTotaisAcumulados::Outras);
    }
};

// "Erro ao apurar o movimento do arquivo" with the line, its record and what failed in it.
std::string ErroDeLinha(const std::string& arquivo, int numero, std::string_view linha, const std::exception& erro) {
    std::string mensagem = Formatar("Erro ao apurar o movimento do arquivo '%s'\rLinha %d, registro %s: %s",
                                    {arquivo, numero, std::string(linha.substr(0, 2)), MensagemDe(erro)});
    if (const auto* invalido = dynamic_cast<const ERegSintegraInvalido*>(&erro)) {
        for (const ErroRegistro& campo : invalido->Erros()) mensagem += "\r" + campo.Texto;
    }
    return mensagem;
}

}  // namespace

TArquivoGimSintegra::TArquivoGimSintegra() = default;

void TArquivoGimSintegra::Acumular(const std::string& arquivoTxt) {
    for (TTotaisAcumulados* acumulador :
         std::initializer_list<TTotaisAcumulados*>{&notasEntradas_, &notasSaidas_, &ecf_, &talao_, &transporteEntradas_,
                                                   &transporteSaidas_, &reg76Entradas_, &reg76Saidas_}) {
        acumulador->Zerar();
    }
    try {
        leitor_.Abrir(arquivoTxt, false);
        leitor_.Registros88().CalcularTotais();
        const bool antigo = leitor_.Registro10().IsConvenioAntigo();
        reg50_.SetLeiauteAntigo(antigo);
        reg60A_.SetLeiauteAntigo(antigo);
        reg70_.SetLeiauteAntigo(antigo);
        for (int numero = 1; !leitor_.Eof(); ++numero) {
            const auto registro = leitor_.ProximoRegistro();
            try {
                AcumularLinha(registro);
            } catch (const std::exception& erro) {
                throw Excecao(ErroDeLinha(arquivoTxt, numero, registro.Linha, erro));
            }
        }
    } catch (...) {
        leitor_.Fechar();
        throw;
    }
    leitor_.Fechar();
}

void TArquivoGimSintegra::AcumularLinha(const TArqSintegraLeitura::RegistroLido& registro) {
    const std::string_view linha = registro.Linha;
    switch (registro.NumeroTipo) {
        case 50:
            reg50_.SetLinha(linha);
            if (reg50_.IsCancelada()) return;
            (reg50_.Cfop().IsEntrada() ? notasEntradas_ : notasSaidas_).Acumular(reg50_);
            return;
        case 60:
            if (linha.size() < 3 || linha[2] != 'A') return;
            reg60A_.SetLinha(linha);
            ecf_.Acumular(reg60A_);
            return;
        case 61:
            if (linha.size() >= 3 && linha[2] == 'R') return;
            reg61_.SetLinha(linha);
            talao_.Acumular(reg61_);
            return;
        case 70:
            reg70_.SetLinha(linha);
            if (reg70_.IsCancelada()) return;
            (reg70_.Cfop().IsEntrada() ? transporteEntradas_ : transporteSaidas_).Acumular(reg70_);
            return;
        case 76:
            reg76_.SetLinha(linha);
            if (reg76_.IsCancelada()) return;
            (reg76_.Cfop().IsEntrada() ? reg76Entradas_ : reg76Saidas_).Acumular(reg76_);
            return;
        default:
            return;
    }
}

void TArquivoGimSintegra::Preencher(TLinhaRelatorio& linha) const {
    const TReg10& registro10 = leitor_.Registro10();
    const TRegs88& gim = leitor_.Registros88();
    linha.Inscricao = registro10.InscricaoEstadual();
    linha.RazaoSocial = registro10.RazaoSocial();
    linha.CRC = gim.Registro8805().Crc();
    linha.Contador = gim.Registro8805().Nome();
    const std::string versao = gim.Registro8804().TextoComplementar().substr(0, 20);
    linha.VersaoTxt = versao.empty() ? std::string("<NÃO INFORMADA>") : versao;
    if (gim.GimPresente()) {
        PreencherGim(linha);
        PreencherMovimento(linha);
    }
    if (gim.DadosAnuaisPresente()) PreencherDadosAnuais(linha);
}

void TArquivoGimSintegra::PreencherGim(TLinhaRelatorio& linha) const {
    const TRegs88& gim = leitor_.Registros88();
    const TotaisApuracao& totais = gim.Totais();
    linha.AnoMesGim = PeriodoComHifen(gim.Periodo());
    linha.TipoGim = Letra(gim.TipoEntrega());
    const TReg8818& simples = gim.Registro8818();
    if (gim.SimplesNacional()) {
        linha.DifAliquota = simples.DifAliquotaAtivoConsumo();
        linha.DifAliqComp = simples.DifAliquotaComercializacao();
        linha.ImpostoAntecipado = simples.ImpostoAntecipado();
        linha.IcmsImportacao = simples.IcmsImportacao();
        linha.Faturamento = simples.Faturamento();
        linha.TotalEntradas = simples.TotalEntradas();
        linha.AliqIcmsSimples = simples.PercentualRecolhimento();
        linha.FuncepSimples = simples.FuncepSimplesNacional();
        linha.IcmsSimples = simples.IcmsSimplesNacional();
        linha.DescCategoria = simples.CategoriaTexto();
        linha.EhSimples = true;
    } else {
        linha.DifAliquota = gim.Registro8804().DifAliquotaARecolher();
        linha.OutrasUF = gim.Registro8804().ImpostoRetidoOutrasUf();
        linha.EhSimples = false;
    }
    if (gim.RegimeEpp()) {
        if (gim.Registro8814().Presente()) {
            const TReg8814& epp = gim.Registro8814();
            linha.BaseRecEfetiva = epp.BaseRecolhimentoEfetiva();
            linha.PercentualRecolhimento = epp.PercentualRecolhimento();
            linha.CreditoPresumido = epp.ValorCreditoPresumido();
            linha.ImpostoDevido = epp.ImpostoDevido();
        } else {
            const TReg8817& epp = gim.Registro8817();
            linha.BaseRecEfetiva = epp.BaseRecolhimentoEfetiva();
            linha.PercentualRecolhimento = epp.PercentualRecolhimento();
            linha.CreditoPresumido = epp.TotalCreditoOutorgado();
            linha.ImpostoDevido = epp.ImpostoDevido();
        }
    }
    linha.SaldoAnterior = totais.SaldoAnterior;
    linha.CreditosPeriodo = totais.CreditosPeriodo;
    linha.TotalCreditos = totais.TotalCreditos;
    linha.DebitosPeriodo = totais.DebitosPeriodo;
    linha.ImpostoRecolher = totais.ImpostoRecolher;
    if (gim.SimplesNacional()) {
        linha.StSaidasInternas = simples.SubstituicaoSaidas();
        linha.StEntradas = simples.SubstituicaoEntradas();
        linha.StSaidasFonte = simples.IcmsRetidoFonte();
    } else {
        linha.StEntradasJR = totais.StEntradasJR;
        linha.StEntradasAR = totais.StEntradasAR;
        linha.StEntradas = totais.StEntradasJR + totais.StEntradasAR;
        linha.StSaidasAnexoV = totais.StSaidasAnexoV;
        linha.StSaidasFonte = totais.StSaidasFonte;
        linha.StSaidasInternas = totais.StSaidasAnexoV + totais.StSaidasFonte;
    }
    if (gim.Registro8816().Presente()) {
        const TReg8816& funcep = gim.Registro8816();
        linha.FuncepIcmsNormal = funcep.FuncepIcmsNormal();
        linha.FuncepSTSaidasInternas = funcep.FuncepStSaidasInternas();
        linha.FuncepSTEntradas = funcep.FuncepStEntradas();
        linha.FuncepFonte = funcep.FuncepStFonte();
        linha.FuncepDifAliquota = funcep.FuncepDifAliquota();
    }
}

void TArquivoGimSintegra::PreencherMovimento(TLinhaRelatorio& linha) const {
    TCinco{&linha.NFValorContabil, &linha.NFBaseCalc, &linha.NFICMS, &linha.NFIsentas, &linha.NFOutras}.Atribuir(
        notasEntradas_, &reg76Entradas_);
    TCinco{&linha.NFValorContabilSai, &linha.NFBaseCalcSai, &linha.NFIcmsSai, &linha.NFIsentasSai, &linha.NFOutrasSai}
        .Atribuir(notasSaidas_, &reg76Saidas_);
    TCinco{&linha.NFTVlrContabil, &linha.NFTBaseCalc, &linha.NFTIcms, &linha.NFTIsentas, &linha.NFTOutras}.Atribuir(
        transporteEntradas_);
    TCinco{&linha.NFTVlrContabilSai, &linha.NFTBaseCalcSai, &linha.NFTIcmsSai, &linha.NFTIsentasSai,
           &linha.NFTOutrasSai}
        .Atribuir(transporteSaidas_);
    TCinco{&linha.TLValorContabil, &linha.TLBaseCalc, &linha.TLIcms, &linha.TLIsentas, &linha.TLOutras}.Atribuir(
        talao_);
    TCinco{&linha.ECFValorContabil, &linha.ECFValorAcum, &linha.ECFValorImposto, &linha.ECFIsentas, &linha.ECFOutras}
        .Atribuir(ecf_);
}

void TArquivoGimSintegra::PreencherDadosAnuais(TLinhaRelatorio& linha) const {
    const TReg8806& anuais = leitor_.Registros88().Registro8806();
    linha.AnoDadosAnuais = anuais.Ano();
    linha.TipoDadosAnuais = Letra(anuais.TipoEntrega());
    linha.EstqTrib = anuais.EstoqueTributavel();
    linha.EstqNTrib = anuais.EstoqueNaoTributavel();
    linha.EstqSubsT = anuais.EstoqueSubstTributaria();
    linha.SaldoCx = anuais.SaldoCaixa();
    linha.SaldoBc = anuais.SaldoBancos();
    linha.DesPessoal = anuais.DespesasPessoal();
    linha.DespGerais = anuais.DespesasGerais();
    linha.OutrosImpostos = anuais.DespesasOutrosImpostos();
}

}  // namespace zq
