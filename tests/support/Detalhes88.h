#pragma once
// Builders of the GIM's detail lines (8819 to 8830) for the tests. Each default line is accepted and agrees with
// the declaration of 05/2017 of registration 161234569. Amounts are given in cents.

#include <cstdint>
#include <string>

#include "support/Registros88.h"
#include "support/Sintegra.h"

namespace zq::teste {

// A valid registration of the home state other than the declarant's.
inline constexpr const char* kOutraInscricao = "169876543";

struct Detalhe8819 {
    std::string periodo = "201705";
    std::string produto = "00000000000001";
    std::string leituraInicio = Valor(1000000, 20);  // three decimals: 1000.000
    std::string leituraFim = Valor(1500000, 20);
    std::string tanque = "01";

    std::string Linha() const {
        return Linha126("8819" + periodo + produto + "GC" + std::string(20, ' ') + leituraInicio + leituraFim + tanque);
    }
};

struct Detalhe8820 {
    std::string periodo = "201705";
    std::string tanque = "01";
    std::string produto = "00000000000001";
    std::string estoque = "0005000";

    std::string Linha() const { return Linha126("8820" + periodo + tanque + produto + estoque); }
};

struct Detalhe8821 {
    std::string periodo = "201705";
    std::int64_t devolucao = 0;
    std::int64_t repasse = 0;
    std::int64_t ressarcimento = 0;

    std::string Linha() const {
        return Linha126("8821" + periodo + Valor(devolucao) + Valor(repasse) + Valor(ressarcimento));
    }
};

struct Detalhe8822 {
    std::string tipo = "1";
    std::string inscricao = kOutraInscricao;
    std::int64_t valor = 0;

    std::string Linha() const {
        return Linha126("8822" + tipo + Sobrescrever(std::string(20, ' '), 1, "PROCESSO 1") + inscricao + Valor(valor));
    }
};

struct Detalhe8823 {
    std::string periodo = "201705";
    std::int64_t valor = 0;

    std::string Linha() const { return Linha126("8823" + periodo + Valor(valor)); }
};

struct Detalhe8824 {
    std::string periodo = "201705";
    std::int64_t valor = 100000;
    std::string inscricao = kOutraInscricao;

    std::string Linha() const {
        return Linha126("8824" + periodo + Sobrescrever(std::string(20, ' '), 1, "ACAO 123") + Valor(valor) +
                        inscricao);
    }
};

// Previous balance 100.00, credit 50.00, appropriated 30.00 and transferred out 20.00: 100.00 remains.
struct Detalhe8825 {
    std::int64_t credito = 5000;
    std::int64_t transferenciaEntrada = 0;
    std::int64_t transferenciaSaida = 2000;
    std::int64_t apropriado = 3000;
    std::int64_t saldoAnterior = 10000;
    std::int64_t saldoRemanescente = 10000;
    std::string tipo = "1";

    std::string Linha() const {
        return Linha126("8825" + Valor(credito) + Valor(transferenciaEntrada) + Valor(transferenciaSaida) +
                        Valor(apropriado) + Valor(saldoAnterior) + Valor(saldoRemanescente) + tipo);
    }
};

struct Detalhe8826 {
    std::string inscricao = "161234569";
    std::string periodo = "201705";
    std::int64_t icms = 15000;
    std::string tipo = "1";

    std::string Linha() const { return Linha126("8826" + inscricao + periodo + "X" + Valor(icms) + tipo); }
};

// Acquisitions: interstate 1000.00 at 12 % (120.00), internal 500.00 at 17 % (85.00).
struct Detalhe8827 {
    std::int64_t icmsInterestaduais = 12000;
    std::int64_t icmsInternas = 8500;

    std::string Linha() const {
        return Linha126("8827" + Valor(100000) + "1200" + Valor(icmsInterestaduais) + Valor(50000) + "1700" +
                        Valor(icmsInternas));
    }
};

// Outputs to contributors, non-contributors and hospitals, and interstate.
struct Detalhe8828 {
    std::int64_t icmsContribuintes = 1700;
    std::int64_t icmsNaoContribuintes = 0;
    std::int64_t icmsHospitais = 0;

    std::string Linha() const {
        return Linha126("8828" + Valor(10000) + "1700" + Valor(icmsContribuintes) + Valor(0) + "1700" +
                        Valor(icmsNaoContribuintes) + Valor(0) + "1700" + Valor(icmsHospitais) + Valor(0) + "1200" +
                        Valor(0));
    }
};

struct Detalhe8829 {
    std::string municipio = "10014";  // a municipality of the reference data
    std::int64_t valor = 10000;

    std::string Linha() const { return Linha126("8829" + municipio + Valor(valor)); }
};

// A monthly delivery with the previous month's receipt.
struct Detalhe8830 {
    std::string recibo = "A1B2C3D4E5F6A7B8C9D0E1F2A3B4C5D6";
    std::string tipo = "0";
    std::string data = "00000000";  // ddmmyyyy

    std::string Linha() const {
        return Linha126("8830" + Sobrescrever(std::string(32, ' '), 1, recibo).substr(0, 32) + tipo + data);
    }
};

}  // namespace zq::teste
