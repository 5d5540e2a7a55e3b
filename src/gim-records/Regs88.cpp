#include "gim-records/Regs88.h"

#include <optional>

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Periodos.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

// The sub-type number of columns 1-4; none when they are not a number.
std::optional<int> NumeroDoSubtipo(std::string_view linha) {
    const std::string_view colunas = Colunas(linha, 1, 4);
    if (colunas.empty()) return std::nullopt;
    int numero = 0;
    for (char c : colunas) {
        if (!IsDigito(c)) return std::nullopt;
        numero = numero * 10 + (c - '0');
    }
    return numero;
}

}  // namespace

TRegs88::TRegs88(const TReg10& registro10) : registro10_(registro10) { Limpar(); }

void TRegs88::Limpar() {
    for (TRegSintegra* registro : Registros()) registro->Limpar();
    registro8803_ = false;
    quantidadeLinhas_ = 0;
    erros_.clear();
}

std::array<TRegSintegra*, 11> TRegs88::Registros() {
    return {&reg8801_, &reg8802_, &reg8804_, &reg8805_, &reg8806_, &reg8814_,
            &reg8815_, &reg8816_, &reg8817_, &reg8818_, &reg8850_};
}

TRegSintegra* TRegs88::RegistroDoSubtipo(int numero) {
    switch (numero) {
        case 8801: return &reg8801_;
        case 8802: return &reg8802_;
        case 8804: return &reg8804_;
        case 8805: return &reg8805_;
        case 8806: return &reg8806_;
        case 8814: return &reg8814_;
        case 8815: return &reg8815_;
        case 8816: return &reg8816_;
        case 8817: return &reg8817_;
        case 8818: return &reg8818_;
        case 8850: return &reg8850_;
        default: return nullptr;
    }
}

void TRegs88::Adicionar(std::string_view linha) {
    ++quantidadeLinhas_;
    const std::optional<int> numero = NumeroDoSubtipo(linha);
    if (!numero) {
        erros_.push_back({Formatar("(Registro 88) Subtipo de registro inválido: '%s'.\rConteúdo da linha: '%s'",
                                   {Colunas(linha, 1, 4), linha}),
                          nullptr});
        return;
    }
    if (*numero == 8803) {
        registro8803_ = true;
        return;
    }
    TRegSintegra* registro = RegistroDoSubtipo(*numero);
    if (registro == nullptr) return;
    try {
        registro->SetLinha(linha);
    } catch (const ERegSintegraInvalido& erro) {
        erros_.insert(erros_.end(), erro.Erros().begin(), erro.Erros().end());
    } catch (const Excecao& erro) {
        erros_.push_back({erro.Mensagem(), nullptr});
    }
}

void TRegs88::VerificarErros() const {
    if (!erros_.empty()) throw ERegSintegraInvalido("88", erros_);
}

void TRegs88::CalcularTotais() {
    TotaisApuracao t;
    if (reg8801_.Presente()) {
        t.SaldoAnterior = reg8801_.SaldoAnterior();
        t.CreditoEntradas = reg8801_.CreditoEntradas();
        t.CreditoAtivo = reg8801_.CreditoAtivoImobilizado();
        t.CreditoTransferencia = reg8801_.CreditoTransferencia();
        t.OutrosCreditos = reg8801_.OutrosCreditos();
        t.EstornoDebitos = reg8801_.EstornoDebitos();
        t.AntecipadoRecolhido = reg8801_.AntecipadoRecolhido();
        t.AntecipadoARecolher = reg8801_.AntecipadoARecolher();
        t.DebitoSaidas = reg8802_.DebitoSaidas();
        t.OutrosDebitos = reg8802_.OutrosDebitos();
        t.EstornoCreditos = reg8802_.EstornoCreditos();
        t.DebitoTransferencia = reg8802_.DebitoTransferencia();
        t.StEntradasAR = reg8802_.StEntradasARecolher();
        t.StEntradasJR = reg8802_.StEntradasJaRecolhida();
        t.StSaidasAnexoV = reg8802_.StSaidasJaRecolhida();
        t.StSaidasFonte = reg8802_.StRetencaoFonte();
    } else if (reg8814_.Presente()) {
        t.OutrosCreditos = reg8814_.ValorCreditoPresumido();
        t.OutrosDebitos = reg8814_.ImpostoDevido();
        t.StEntradasAR = reg8814_.StEntradasARecolher();
        t.StEntradasJR = reg8814_.StEntradasJaRecolhida();
        t.StSaidasAnexoV = reg8814_.StSaidasJaRecolhida();
        t.StSaidasFonte = reg8814_.StRetencaoFonte();
        t.ImpostoRecolher = reg8814_.ImpostoARecolher();
    } else if (reg8817_.Presente()) {
        t.OutrosCreditos = reg8817_.TotalCreditoOutorgado();
        t.OutrosDebitos = reg8817_.ImpostoDevido();
        t.StEntradasAR = reg8817_.StEntradasARecolher();
        t.StEntradasJR = reg8817_.StEntradasJaRecolhida();
        t.StSaidasAnexoV = reg8817_.StSaidasJaRecolhida();
        t.StSaidasFonte = reg8817_.StRetencaoFonte();
        t.ImpostoRecolher = reg8817_.ImpostoARecolher();
    }
    t.StRecolhida = t.StEntradasJR + t.StSaidasAnexoV;
    t.CreditosPeriodo = t.CreditoEntradas + t.CreditoAtivo + t.CreditoTransferencia + t.OutrosCreditos +
                        t.EstornoDebitos + t.AntecipadoRecolhido + t.AntecipadoARecolher;
    if (reg8801_.Presente() && reg8815_.Presente()) t.CreditosPeriodo += reg8815_.TotalCreditos();
    t.TotalCreditos = t.SaldoAnterior + t.CreditosPeriodo;
    t.DebitosPeriodo = t.DebitoSaidas + t.OutrosDebitos + t.EstornoCreditos + t.DebitoTransferencia;
    if (reg8801_.Presente()) t.ImpostoRecolher = t.DebitosPeriodo - t.TotalCreditos;
    totais_ = t;
}

bool TRegs88::GimPresente() const {
    return reg8801_.Presente() || reg8814_.Presente() || reg8817_.Presente() || reg8818_.Presente();
}

std::string TRegs88::Periodo() const {
    if (reg8801_.Presente()) return reg8801_.Periodo();
    if (Epp()) return FormatarPeriodo("", registro10_.DataInicial());
    if (reg8818_.Presente()) return reg8818_.Periodo();
    return {};
}

char TRegs88::TipoEntrega() const {
    if (reg8801_.Presente()) return reg8801_.TipoEntrega();
    if (Epp()) return registro10_.TipoEntrega();
    if (reg8818_.Presente()) return reg8818_.TipoEntrega();
    return '\0';
}

std::string TRegs88::AnoDadosAnuais() const { return DadosAnuaisPresente() ? reg8806_.Ano() : std::string(); }

char TRegs88::TipoDadosAnuais() const { return DadosAnuaisPresente() ? reg8806_.TipoEntrega() : '\0'; }

int TRegs88::CodigoRegimeApuracao() const {
    if (SomenteDadosAnuais()) return 0;
    if (SimplesNacional()) return 3;
    return RegimeEpp() ? 7 : 1;
}

}  // namespace zq
