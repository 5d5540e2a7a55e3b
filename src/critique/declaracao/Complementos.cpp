#include "critique/declaracao/Complementos.h"

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

private:
    Moeda funcepNormal_;
    Moeda funcepStSaidas_;
};

class SemRegraEspecial final : public RegraEspecial {
public:
    bool Existe() const override { return false; }
    void AcumularDiferenca(Moeda) override {}
    void Adiar(std::string) override {}
};

class EntregaSempreAceita final : public EntregaRegimeNormal {
public:
    std::string Verificar(const std::string&, const std::string&) override { return {}; }
};

}  // namespace

ComplementosCritica CriarComplementosAusentes() {
    ComplementosCritica complementos;
    complementos.epp = std::make_unique<EppAusente>();
    complementos.simplesNacional = std::make_unique<SimplesNacionalAusente>();
    complementos.funcep = std::make_unique<FuncepSemLimite>();
    complementos.regraEspecial = std::make_unique<SemRegraEspecial>();
    complementos.entregaRegimeNormal = std::make_unique<EntregaSempreAceita>();
    return complementos;
}

}  // namespace zq
