#include "critique/handlers/registros88/RamosDetalhe88.h"

#include <optional>

#include "critique/fechamento/LeituraSegura.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

class RamoDetalhe : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;

protected:
    DetalhesGim& Detalhes() { return objetos_.detalhes; }
    std::vector<std::string>& Rejeicoes() { return contexto_.mensagens.ListaRejeicoes; }
    // Record 10's period, "yyyymm", and the first nine characters of its registration.
    const std::string& Periodo() const { return Registro10().periodo; }
    const std::string& Inscricao() const { return Registro10().inscricao; }
    bool Lido8802() const { return contexto_.declaracao.Registro88(2).quantidade > 0; }
};

// The pump meter readings: the period of record 10.
class Ramo8819 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        TReg8819& encerrantes = Detalhes().encerrantes;
        if (!encerrantes.Ler(linha.texto, Rejeicoes()) || encerrantes.Periodo() == Periodo()) return;
        Rejeitar("REJEIÇÃO (Reg.8819 - Linha " + std::to_string(linha.numero) +
                 "do arquivo) Campo 3: O período informado no 8819: " + std::string(encerrantes.Periodo()) +
                 " está diferente do informado no registro 10: " + Periodo());
    }
};

// The closing stock per tank: the period of record 10, and a tank of the pump readings read before it. The tank
// of a line is looked up even when the line failed its other checks.
class Ramo8820 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        TReg8820& estoque = Detalhes().estoqueTanques;
        if (estoque.Ler(linha.texto, Rejeicoes()) && estoque.Periodo() != Periodo()) {
            Rejeitar("REJEIÇÃO (Reg.8820 - Linha " + std::to_string(linha.numero) +
                     "do arquivo) Campo 3: O período informado no 8820: " + std::string(estoque.Periodo()) +
                     " está diferente do informado no registro 10: " + Periodo());
        }
        const std::optional<int> tanque = estoque.TanqueDaLinha(linha.texto);
        if (tanque && !Detalhes().encerrantes.TanqueInformado(std::to_string(*tanque))) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8820 - Linha %d do arquivo) Campo 4: O tanque informado '%d' não foi "
                              "localizado no registro 8819 (Encerrantes das Bombas de Combustível)",
                              {linha.numero, *tanque}));
        }
    }
};

// The ST credit adjustments: after an 8802, of record 10's period, once per file.
class Ramo8821 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        TReg8821& creditos = Detalhes().creditosSt;
        if (!creditos.Ler(linha.texto, Rejeicoes())) return;
        if (!Lido8802()) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8821 - Linha %d do arquivo): O registro 8802 não foi localizado. As "
                              "informações registradas no registro 8821 referem-se ao registro 8802.",
                              {linha.numero}));
        }
        if (creditos.Periodo() != Periodo()) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8821 - Linha %d do arquivo) Campo 3: O período informado no 8821: %s está "
                              "diferente do informado no registro 10: %s.",
                              {linha.numero, creditos.Periodo(), Periodo()}));
        }
        if (creditos.Quantidade() > 1) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8821 - Linha %d do arquivo). Só pode ter um registro 8821 por arquivo. "
                              "Foram encontrados %d.",
                              {linha.numero, creditos.Quantidade()}));
        }
    }
};

class Ramo8822 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        TReg8822& ressarcimentos = Detalhes().ressarcimentos;
        if (!ressarcimentos.Ler(linha.texto, Rejeicoes())) return;
        ressarcimentos.VerificarTipo(Rejeicoes());
        ressarcimentos.VerificarInscricao(Rejeicoes());
        ressarcimentos.VerificarRegistro8821(Detalhes().creditosSt.Quantidade(), Rejeicoes());
    }
};

// The ST debit adjustments: once per file, of record 10's period, after an 8802.
class Ramo8823 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        TReg8823& debitos = Detalhes().debitosSt;
        if (!debitos.Ler(linha.texto, Rejeicoes())) return;
        if (debitos.Quantidade() > 1) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8823 - Linha %d). Só pode ter um registro 8823 por arquivo. Foram "
                              "encontrados %d.",
                              {linha.numero, debitos.Quantidade()}));
        }
        if (debitos.Periodo() != Periodo()) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8823 - Linha %d) Campo 3: O período informado no 8823: %s está diferente "
                              "do informado no registro 10: %s.",
                              {linha.numero, debitos.Periodo(), Periodo()}));
        }
        if (!Lido8802()) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.8823 - Linha %d): O registro 8802 não foi localizado. As informações "
                              "registradas no registro 8823 referem-se ao registro 8802.",
                              {linha.numero}));
        }
    }
};

class Ramo8824 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        TReg8824& acoes = Detalhes().acoesJudiciais;
        if (!acoes.Ler(linha.texto, Rejeicoes())) return;
        acoes.VerificarPeriodo(Periodo(), Rejeicoes());
        acoes.VerificarInscricao(Inscricao(), Rejeicoes());
    }
};

// The housing and education cheques, each against its credit in 8815 (zero without one); an 8815 credit that is
// not a number has its own rejection and is not compared.
class Ramo8825 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88&) override;
};

void Ramo8825::Processar(const LinhaRegistro88& linha) {
    TReg8825& cheques = Detalhes().chequesHabitacaoEducacao;
    if (!cheques.Ler(linha.texto, Rejeicoes())) return;
    cheques.VerificarSaldo(Rejeicoes());
    cheques.VerificarTipo(Rejeicoes());
    const TReg8815& registro8815 = Registros().Registro8815();
    if (cheques.TipoCheque() == TReg8825::kHabitacao) {
        if (const auto valor = ValorSeValido([&] { return registro8815.ChequeMoradia(); })) {
            cheques.VerificarHabitacao(*valor, Rejeicoes());
        }
    } else if (cheques.TipoCheque() == TReg8825::kEducacao) {
        if (const auto valor = ValorSeValido([&] { return registro8815.ChequeEducacao(); })) {
            cheques.VerificarEducacao(*valor, Rejeicoes());
        }
    }
}

// The motor-vehicle reseller: registration and period of record 10, a foreseen reseller type, once per file.
class Ramo8826 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88&) override;
};

void Ramo8826::Processar(const LinhaRegistro88& linha) {
    TReg8826& veiculos = Detalhes().veiculos;
    if (!veiculos.Ler(linha.texto, Rejeicoes())) return;
    if (veiculos.InscricaoEstadual() != Inscricao()) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8826 - Linha %d) Campo 3: A inscrição estadual informada no registro 8826 "
                          "está diferente da encontrada no registro 10. A informada no registro 8826 é %s e a do "
                          "registro 10 é %s.",
                          {linha.numero, veiculos.InscricaoEstadual(), Inscricao()}));
    }
    if (veiculos.Periodo() != Periodo()) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8826 - Linha %d) Campo 4: O período informado no registro 8826 está diferente "
                          "do informado no registro 10. O informado no registro 8826 é %s e o informado no registro 10 "
                          "é %s.",
                          {linha.numero, veiculos.Periodo(), Periodo()}));
    }
    if (!veiculos.TipoRevendedorValido()) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8826 - Linha %d) Campo 7: O tipo do revendedor informado '%d' não está "
                          "previsto.",
                          {linha.numero, veiculos.TipoRevendedor()}));
    }
    if (veiculos.Quantidade() > 1) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8826 - Linha %d) : Só pode ter um registro 8826 por arquivo. Encontrados %d.",
                          {linha.numero, veiculos.Quantidade()}));
    }
}

// The pharmaceutical wholesaler's acquisitions (8827) and outputs (8828) against their 8802 field; the count
// rule runs also for a line that was not accepted.
class RamoFarmaceutico : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;

protected:
    template <class Registro, class Leitura8802>
    void ProcessarFarmaceutico(const LinhaRegistro88& linha, Registro& registro, int subtipo, Leitura8802 valor8802) {
        if (registro.Ler(linha.texto, Rejeicoes())) {
            if (const auto valor = ValorSeValido(valor8802)) registro.VerificarTotal8802(*valor, Rejeicoes());
        }
        if (registro.Quantidade() > 1) {
            Rejeitar(Formatar("REJEIÇÃO (Reg.%d - Linha %d). Só pode ter um registro %d por arquivo. Foram "
                              "encontrados %d.",
                              {subtipo, linha.numero, subtipo, registro.Quantidade()}));
        }
    }
};

class Ramo8827 final : public RamoFarmaceutico {
public:
    using RamoFarmaceutico::RamoFarmaceutico;
    void Processar(const LinhaRegistro88& linha) override {
        ProcessarFarmaceutico(linha, Detalhes().aquisicoesFarmaceuticas, 8827,
                                    [this] { return Registros().Registro8802().StEntradasARecolher(); });
    }
};

class Ramo8828 final : public RamoFarmaceutico {
public:
    using RamoFarmaceutico::RamoFarmaceutico;
    void Processar(const LinhaRegistro88& linha) override {
        ProcessarFarmaceutico(linha, Detalhes().saidasFarmaceuticas, 8828,
                                    [this] { return Registros().Registro8802().StSaidasJaRecolhida(); });
    }
};

// The value added per municipality: summed and checked by the reference side, but for the one registration
// exempt from it.
class Ramo8829 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        QuadroV& quadroV = *objetos_.complementos.quadroV;
        if (quadroV.Dispensada(Inscricao())) return;
        TReg8829& valores = Detalhes().valoresAdicionados;
        if (!valores.Ler(linha.texto, Rejeicoes())) return;
        quadroV.Acumular(valores.Municipio(), valores.ValorAdicionado(), Periodo(), contexto_.mensagens);
    }
};

// The previous month's receipt belongs to a normal delivery only.
class Ramo8830 final : public RamoDetalhe {
public:
    using RamoDetalhe::RamoDetalhe;
    void Processar(const LinhaRegistro88& linha) override {
        if (Registro10().tipoEntrega == '1') {
            Detalhes().reciboMesAnterior.Ler(linha.texto, Periodo(), Rejeicoes());
        } else {
            Rejeitar("REJEIÇÃO (Reg.8830): A declaração é retificadora. O registro 8830 só deve ser informado na "
                     "entrega normal.");
        }
    }
};

template <class Ramo>
void Registrar(TabelaRamos88& ramos, int subtipo, ContextoCritica& contexto, ObjetosDeclaracao& objetos) {
    ramos[static_cast<std::size_t>(subtipo)] = std::make_unique<Ramo>(contexto, objetos);
}

}  // namespace

void RegistrarRamosDetalhe(TabelaRamos88& ramos, ContextoCritica& contexto, ObjetosDeclaracao& objetos) {
    Registrar<Ramo8819>(ramos, 19, contexto, objetos);
    Registrar<Ramo8820>(ramos, 20, contexto, objetos);
    Registrar<Ramo8821>(ramos, 21, contexto, objetos);
    Registrar<Ramo8822>(ramos, 22, contexto, objetos);
    Registrar<Ramo8823>(ramos, 23, contexto, objetos);
    Registrar<Ramo8824>(ramos, 24, contexto, objetos);
    Registrar<Ramo8825>(ramos, 25, contexto, objetos);
    Registrar<Ramo8826>(ramos, 26, contexto, objetos);
    Registrar<Ramo8827>(ramos, 27, contexto, objetos);
    Registrar<Ramo8828>(ramos, 28, contexto, objetos);
    Registrar<Ramo8829>(ramos, 29, contexto, objetos);
    Registrar<Ramo8830>(ramos, 30, contexto, objetos);
}

}  // namespace zq
