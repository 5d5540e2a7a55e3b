#include "reports/preparacao/RelatoriosValidador.h"

#include "reports/conferencia/QRepRecibo.h"
#include "reports/recibos/QRRecNoldeNet.h"
#include "selection/varredura/DataHoraArquivo.h"

namespace zq {

namespace {

// Empties the report table when the preparation fails; goes back to the table's row that was current.
template <class TTabela>
class TPreparacao {
public:
    TPreparacao(TTabelaRelatorio& relatorio, TTabela& origem)
        : relatorio_(relatorio), origem_(origem), posicao_(origem.Posicao()) {
        relatorio_.Esvaziar();
    }
    ~TPreparacao() {
        origem_.IrPara(posicao_);
        if (!concluida_) relatorio_.Esvaziar();
    }
    TPreparacao(const TPreparacao&) = delete;
    TPreparacao& operator=(const TPreparacao&) = delete;
    void Concluir() { concluida_ = true; }

private:
    TTabelaRelatorio& relatorio_;
    TTabela& origem_;
    std::size_t posicao_;
    bool concluida_ = false;
};

// Shows an application hint while it lives.
class TDicaAtiva {
public:
    TDicaAtiva(const TRelatoriosValidador::TDica& dica, const std::string& texto) : dica_(dica) {
        if (dica_) dica_(texto);
    }
    ~TDicaAtiva() {
        if (dica_) dica_({});
    }
    TDicaAtiva(const TDicaAtiva&) = delete;
    TDicaAtiva& operator=(const TDicaAtiva&) = delete;

private:
    const TRelatoriosValidador::TDica& dica_;
};

}  // namespace

TRelatoriosValidador::TRelatoriosValidador(TDmValidador& dm, TIdentificacaoPrograma programa, TDica dica)
    : dm_(dm), programa_(std::move(programa)), dica_(std::move(dica)) {}

TLinhaRelatorio& TRelatoriosValidador::AcrescentarDeclaracao(const std::string& arquivoTxt) {
    arquivoGim_.Acumular(arquivoTxt);
    TLinhaRelatorio linha;
    arquivoGim_.Preencher(linha);
    tblRelatorio_.Acrescentar(std::move(linha));
    return tblRelatorio_.Alterar(tblRelatorio_.Quantidade() - 1);
}

TLinhaRelatorio& TRelatoriosValidador::AcrescentarRecibo(const TReciboNoldeNet& recibo, bool comDadosRecibo) {
    TLinhaRelatorio& linha = AcrescentarDeclaracao(dm_.ConferirTxt(dm_.tblNoldeNet));
    if (comDadosRecibo) {
        linha.DataHoraApresentacao = recibo.DataHoraRecibo;
        linha.CodigoDados = recibo.CodigoDados;
        linha.CodigoRecibo = recibo.CodigoRecibo;
        linha.emailTxt = recibo.emailTxt;
    }
    return linha;
}

TDocumentoRelatorio TRelatoriosValidador::ConferenciaSelecaoAtual() {
    TPreparacao preparacao(tblRelatorio_, dm_.tblSelecao);
    {
        const TDicaAtiva dica(dica_, "Apurando o movimento...");
        AcrescentarDeclaracao(dm_.ConferirTxt(dm_.tblSelecao));
    }
    preparacao.Concluir();
    return Conferencia();
}

TDocumentoRelatorio TRelatoriosValidador::ConferenciaSelecao() {
    TPreparacao preparacao(tblRelatorio_, dm_.tblSelecao);
    {
        const TDicaAtiva dica(dica_, "Apurando o movimento...");
        for (std::size_t i = 0; i < dm_.tblSelecao.Quantidade(); ++i) {
            dm_.tblSelecao.IrPara(i);
            AcrescentarDeclaracao(dm_.ConferirTxt(dm_.tblSelecao));
        }
    }
    preparacao.Concluir();
    return Conferencia();
}

TDocumentoRelatorio TRelatoriosValidador::RecibosEscolhidos(const std::string& arquivoSfn, TModoRecibos modo) {
    TPreparacao preparacao(tblRelatorio_, dm_.tblNoldeNet);
    {
        const TDicaAtiva dica(dica_, "Preparando recibos para impressão...");
        for (std::size_t i = 0; i < dm_.tblNoldeNet.Quantidade(); ++i) {
            dm_.tblNoldeNet.IrPara(i);
            const TReciboNoldeNet& recibo = dm_.tblNoldeNet.Atual();
            if (recibo.Imprimir) AcrescentarRecibo(recibo, modo == TModoRecibos::Recibos);
        }
    }
    preparacao.Concluir();
    const TDicaAtiva dica(dica_, "Imprimindo recibos...");
    return modo == TModoRecibos::Recibos ? Comprovante(arquivoSfn) : Conferencia();
}

TDocumentoRelatorio TRelatoriosValidador::ReciboAtual(const std::string& arquivoSfn) {
    TPreparacao preparacao(tblRelatorio_, dm_.tblNoldeNet);
    {
        const TDicaAtiva dica(dica_, "Apurando o movimento...");
        AcrescentarRecibo(dm_.tblNoldeNet.Atual(), true);
    }
    preparacao.Concluir();
    return Comprovante(arquivoSfn);
}

TDocumentoRelatorio TRelatoriosValidador::Conferencia() const {
    return TQRepRecibo(programa_, AgoraLocal()).Descrever(tblRelatorio_);
}

TDocumentoRelatorio TRelatoriosValidador::Comprovante(const std::string& arquivoSfn) const {
    return TQRRecNoldeNet(programa_, TArquivoTransmitido::De(arquivoSfn), dm_.tblNoldeNet.Quantidade(), AgoraLocal())
        .Descrever(tblRelatorio_);
}

}  // namespace zq
