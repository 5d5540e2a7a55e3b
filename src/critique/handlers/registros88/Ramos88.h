#pragma once
// The branches of the GIM's main records: the assessment (8801, 8802), the old credit transfers (8803), the
// complementary information with the payment regime (8804), the accountant (8805), the annual data (8806),
// the presumed credits (8815), the FUNCEP (8816) and the detailed invoices (8850).

#include "critique/handlers/registros88/Ramo88.h"

namespace zq {

class Ramo8801 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void ConferirCabecalho(const TReg8801& registro);
    void ConferirCreditos(const TReg8801& registro);
};

class Ramo8802 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void CompararCom8801(const TReg8802& registro);
    void ConferirDebitos(const TReg8802& registro);
    void ConferirTransferencias(const TReg8802& registro);
    void ConferirSubstituicao(const TReg8802& registro);
};

class Ramo8803 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;
};

class Ramo8804 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void AplicarRegime(const std::string& linha);
    void ValidarCampos(const std::string& linha);
    void Comparar(const std::string& linha);
};

class Ramo8805 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void ConferirDocumento(const std::string& linha);
    void ConferirCrc(const std::string& linha);
    void ConferirContato(const std::string& linha);
    void ConferirEmail(const std::string& linha);
};

class Ramo8806 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void ConferirAno(int ano);
    void ValidarCampos(const std::string& linha);
};

class Ramo8815 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;
};

class Ramo8816 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88& linha) override;

private:
    void ConferirDebitos();
};

class Ramo8850 final : public RamoRegistro88 {
public:
    using RamoRegistro88::RamoRegistro88;
    void Processar(const LinhaRegistro88&) override { ++Declaracao().Registro88(50).quantidade; }
};

}  // namespace zq
