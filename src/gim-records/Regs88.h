#pragma once
// The type-88 records of one declaration: each line goes to the record of its sub-type, the records' errors are
// collected instead of raised, and the set answers what kind of declaration it is and derives the totals of the
// ICMS assessment.

#include <array>
#include <string>
#include <string_view>

#include "gim-records/Reg8801.h"
#include "gim-records/Reg8802.h"
#include "gim-records/Reg8804.h"
#include "gim-records/Reg8805.h"
#include "gim-records/Reg8806.h"
#include "gim-records/Reg8814.h"
#include "gim-records/Reg8815.h"
#include "gim-records/Reg8816.h"
#include "gim-records/Reg8817.h"
#include "gim-records/Reg8818.h"
#include "gim-records/Reg8850.h"
#include "record-model/comum/Moeda.h"
#include "record-model/registros/Reg10.h"
#include "record-model/campos/RegSintegra.h"

namespace zq {

// The ICMS assessment of the declaration, from 8801 and 8802 (normal regime), else from 8814 or 8817 (small
// enterprise).
struct TotaisApuracao {
    Moeda SaldoAnterior;
    Moeda CreditoEntradas;
    Moeda CreditoAtivo;
    Moeda CreditoTransferencia;
    Moeda OutrosCreditos;
    Moeda EstornoDebitos;
    Moeda AntecipadoRecolhido;
    Moeda AntecipadoARecolher;
    Moeda DebitoSaidas;
    Moeda OutrosDebitos;
    Moeda EstornoCreditos;
    Moeda DebitoTransferencia;
    Moeda StEntradasAR;
    Moeda StEntradasJR;
    Moeda StSaidasAnexoV;
    Moeda StSaidasFonte;
    Moeda StRecolhida;
    Moeda ImpostoRecolher;
    Moeda CreditosPeriodo;
    Moeda TotalCreditos;
    Moeda DebitosPeriodo;
};

class TRegs88 {
public:
    // `registro10` is the declaration's record 10; it must outlive the set.
    explicit TRegs88(const TReg10& registro10);
    TRegs88(const TRegs88&) = delete;
    TRegs88& operator=(const TRegs88&) = delete;

    // Starts a new declaration: clears the records, the 8803 mark, the line count and the errors (not the
    // totals).
    void Limpar();
    // Counts the line and parses it with the record of its sub-type (columns 1-4); 8803 is only noted and other
    // sub-types are ignored. Never raises: the failures of the line join Erros.
    void Adicionar(std::string_view linha);
    // Fills Totais from the records present; raises the conversion error of an amount whose text is invalid.
    void CalcularTotais();

    // The field errors of the records (the record prefix with the descriptor that failed) and the messages of
    // the lines that could not be parsed (no descriptor), in the order of the lines.
    const ListaErros& Erros() const { return erros_; }
    bool SemErros() const { return erros_.empty(); }
    // Raises ERegSintegraInvalido "88" with Erros when there is any.
    void VerificarErros() const;

    bool Registro8803() const { return registro8803_; }
    // Lines given to Adicionar since Limpar.
    int QuantidadeLinhas() const { return quantidadeLinhas_; }
    const TotaisApuracao& Totais() const { return totais_; }

    // A monthly GIM: 8801, 8814, 8817 or 8818.
    bool GimPresente() const;
    bool DadosAnuaisPresente() const { return reg8806_.Presente(); }
    bool SomenteDadosAnuais() const { return DadosAnuaisPresente() && !GimPresente(); }
    bool SimplesNacional() const { return reg8818_.Presente(); }
    // "aaaamm": of 8801; else, for an EPP declaration, of record 10's start date (today's without one); else of
    // 8818; else empty.
    std::string Periodo() const;
    // 'N' or 'R', taken as the period is; the null character when there is no GIM.
    char TipoEntrega() const;
    // Year and delivery type of 8806; empty and the null character without it.
    std::string AnoDadosAnuais() const;
    char TipoDadosAnuais() const;
    const std::string& InscricaoEstadual() const { return registro10_.InscricaoEstadual(); }
    // The regime of 8804; without 8804 the declaration counts as not EPP.
    bool RegimeEpp() const { return reg8804_.RegimeEpp(); }
    bool RegimeNaoEpp() const { return reg8804_.RegimeNaoEpp(); }
    // 0 annual data only, 3 Simples Nacional, 1 not EPP, 7 EPP.
    int CodigoRegimeApuracao() const;

    const TReg8801& Registro8801() const { return reg8801_; }
    const TReg8802& Registro8802() const { return reg8802_; }
    const TReg8804& Registro8804() const { return reg8804_; }
    const TReg8805& Registro8805() const { return reg8805_; }
    const TReg8806& Registro8806() const { return reg8806_; }
    const TReg8814& Registro8814() const { return reg8814_; }
    const TReg8815& Registro8815() const { return reg8815_; }
    const TReg8816& Registro8816() const { return reg8816_; }
    const TReg8817& Registro8817() const { return reg8817_; }
    const TReg8818& Registro8818() const { return reg8818_; }
    const TReg8850& Registro8850() const { return reg8850_; }

private:
    std::array<TRegSintegra*, 11> Registros();
    // The record of a sub-type number; null for 8803 and for sub-types without a record.
    TRegSintegra* RegistroDoSubtipo(int numero);
    bool Epp() const { return reg8814_.Presente() || reg8817_.Presente(); }

    const TReg10& registro10_;
    TReg8801 reg8801_;
    TReg8802 reg8802_;
    TReg8804 reg8804_;
    TReg8805 reg8805_;
    TReg8806 reg8806_;
    TReg8814 reg8814_;
    TReg8815 reg8815_;
    TReg8816 reg8816_;
    TReg8817 reg8817_;
    TReg8818 reg8818_;
    TReg8850 reg8850_;
    bool registro8803_ = false;
    int quantidadeLinhas_ = 0;
    ListaErros erros_;
    TotaisApuracao totais_;
};

}  // namespace zq
