#include "critique/declaracao/Complementos.h"

#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

class EppAusente final : public ApuracaoEpp {
public:
    void AcumularSaida(int, Moeda) override {}
    void AcumularAquisicao(int, Moeda) override {}
    void AcumularAquisicaoInterna(int, Moeda) override {}
};

class SimplesNacionalAusente final : public ApuracaoSimplesNacional {
public:
    void AcumularEntrada(Moeda) override {}
};

// Keeps the values; without the ceiling table nothing is ever exceeded.
class FuncepSemLimite final : public LimiteFuncep {
public:
    void SetDebitoSaidas(Moeda) override {}
    void SetFuncepNormal(Moeda valor) override { funcepNormal_ = valor; }
    Moeda FuncepNormal() const override { return funcepNormal_; }
    bool FuncepNormalExcedido() const override { return false; }
    void SetFuncepStSaidas(Moeda valor) override { funcepStSaidas_ = valor; }
    Moeda FuncepStSaidas() const override { return funcepStSaidas_; }
    std::string MensagemStSaidas(Moeda lido8816, Moeda lido8802, Moeda apurado53) const override {
        return Formatar("REJEIÇÃO(Reg 8802) Campo 12: O ICMS subst. por saídas internas informado no registro 8802 "
                        "(campo 12) é inferior ao total da ST interna apurada nos registros 53 subtraído do total da "
                        "subst. por saídas para a ZQ (campo 4) informada no registro 8816 (FUNCEP/ZQ). Lido: 8802 : "
                        "%m(A), 8816: %m(B). Apurado(53): %m(C). Diferença: (C - (A + B)) = %m.",
                        {lido8802, lido8816, apurado53, apurado53 - (lido8802 + lido8816)});
    }

private:
    Moeda funcepNormal_;
    Moeda funcepStSaidas_;
};

class SemRegraEspecial final : public RegraEspecial {
public:
    bool Existe() const override { return false; }
    void SelecionarContribuinte(const std::string&) override {}
    void AcumularDiferenca(Moeda) override {}
    void Adiar(std::string) override {}
    void LiberarAdiadas(Moeda, std::vector<std::string>&) override {}
};

class EntregaSempreAceita final : public EntregaRegimeNormal {
public:
    void Verificar(const std::string&, const std::string&, std::vector<std::string>&) override {}
};

// No 8821, 8822 or 8823 line read.
class AjustesSubstituicaoAusentes final : public AjustesSubstituicao {
public:
    int Quantidade8821() const override { return 0; }
    Moeda TotalAjustes8821() const override { return {}; }
    Moeda Ressarcimento8821() const override { return {}; }
    Moeda TotalRessarcido8822() const override { return {}; }
    Moeda OutrosDebitos8823() const override { return {}; }
};

class SemTanques final : public TanquesCombustivel {
public:
    int TanquesEncerrantes() const override { return 0; }
    int TanquesEstoque() const override { return 0; }
};

// Until the 8830 rules exist, its absence is not judged.
class ReciboNaoVerificado final : public ReciboMesAnterior {
public:
    int Quantidade() const override { return 0; }
    void VerificarAusencia(const std::string&, MensagensCritica&) override {}
};

// No 8829 read: nothing to compare.
class QuadroVVazio final : public QuadroV {
public:
    void Ler(const std::string&, const std::string&, const std::string&, std::vector<std::string>&) override {}
    void ConferirTotalSaidas(Moeda, const std::string&, MensagensCritica&) override {}
};

}  // namespace

ComplementosCritica CriarComplementosAusentes() {
    ComplementosCritica complementos;
    complementos.epp = std::make_unique<EppAusente>();
    complementos.simplesNacional = std::make_unique<SimplesNacionalAusente>();
    complementos.funcep = std::make_unique<FuncepSemLimite>();
    complementos.regraEspecial = std::make_unique<SemRegraEspecial>();
    complementos.entregaRegimeNormal = std::make_unique<EntregaSempreAceita>();
    complementos.ajustesSubstituicao = std::make_unique<AjustesSubstituicaoAusentes>();
    complementos.tanques = std::make_unique<SemTanques>();
    complementos.reciboMesAnterior = std::make_unique<ReciboNaoVerificado>();
    complementos.quadroV = std::make_unique<QuadroVVazio>();
    return complementos;
}

}  // namespace zq
