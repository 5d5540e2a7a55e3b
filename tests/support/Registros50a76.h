#pragma once
// Builders of the national records 50 to 76 for the tests, in the current
// layout unless a builder says otherwise. Amounts are given in cents.

#include <cstdio>
#include <string>

#include "support/Sintegra.h"

namespace zq::teste {

// A number zero-padded to `largura` digits.
inline std::string Digitos(long long valor, int largura) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%0*lld", largura, valor);
    return texto;
}

// A text cut or padded with blanks to `largura`.
inline std::string Texto(std::string valor, int largura) {
    valor.resize(static_cast<std::size_t>(largura), ' ');
    return valor;
}

inline constexpr const char* kCnpjTerceiro = "11222333000181";
inline constexpr const char* kCnpjDeclarante = "12345678000195";

struct Registro50 {
    std::string cnpj = kCnpjTerceiro;
    std::string inscricao = "161111111";
    std::string data = "20170510";
    std::string uf = "ZQ";
    std::string modelo = "55";
    std::string serie = "1";
    long long numero = 1;
    int cfop = 5102;
    char emitente = 'P';
    long long total = 100000;
    long long base = 100000;
    long long icms = 17000;
    long long isentas = 0;
    long long outras = 0;
    int aliquota = 1700;
    char situacao = 'N';

    std::string Linha() const {
        return "50" + Texto(cnpj, 14) + Texto(inscricao, 14) + data + Texto(uf, 2) + modelo + Texto(serie, 3) +
               Digitos(numero, 6) + Digitos(cfop, 4) + emitente + Digitos(total, 13) + Digitos(base, 13) +
               Digitos(icms, 13) + Digitos(isentas, 13) + Digitos(outras, 13) + Digitos(aliquota, 4) + situacao;
    }
};

struct Registro53 {
    std::string cnpj = kCnpjTerceiro;
    std::string data = "20170510";
    std::string uf = "ZQ";
    long long numero = 1;
    int cfop = 5403;
    long long icmsRetido = 1000;
    char situacao = 'N';

    std::string Linha() const {
        return Linha126("53" + Texto(cnpj, 14) + Texto("161111111", 14) + data + Texto(uf, 2) + "55" +
                        Texto("1", 3) + Digitos(numero, 6) + Digitos(cfop, 4) + "P" + Digitos(10000, 13) +
                        Digitos(icmsRetido, 13) + Digitos(0, 13) + situacao + " ");
    }
};

// The item record of a record 50 built with the same CNPJ, model, series, number, CFOP and rate.
inline std::string Registro54(const Registro50& nota) {
    return "54" + Texto(nota.cnpj, 14) + nota.modelo + Texto(nota.serie, 3) + Digitos(nota.numero, 6) +
           Digitos(nota.cfop, 4) + "000" + "001" + Texto("PRODUTO", 14) + Digitos(1000, 11) +
           Digitos(nota.total, 12) + Digitos(0, 12) + Digitos(nota.base, 12) + Digitos(0, 12) + Digitos(0, 12) +
           Digitos(nota.aliquota, 4);
}

// A fiscal printer's day: gross sale in columns 58-73, or, in the earlier layout,
// final (66-81) minus initial (50-65) grand total.
struct Registro60M {
    std::string data = "20170510";
    std::string numero = "001";
    long long vendaBruta = 100000;
    bool leiauteAntigo = false;

    std::string Linha() const {
        if (leiauteAntigo) {
            return Linha126("60M" + data + numero + Texto("", 35) + Digitos(500000, 16) +
                            Digitos(500000 + vendaBruta, 16));
        }
        return Linha126("60M" + data + Texto("SERIE0001", 20) + numero + "2D" + Digitos(1, 6) + Digitos(10, 6) +
                        Digitos(1, 6) + Digitos(1, 3) + Digitos(vendaBruta, 16) + Digitos(900000, 16));
    }
};

struct Registro60A {
    std::string data = "20170510";
    std::string situacao = "1700";
    long long valor = 100000;
    bool leiauteAntigo = false;

    std::string Linha() const {
        if (leiauteAntigo) return Linha126("60A" + data + "001" + Texto(situacao, 4) + Digitos(valor, 12));
        return Linha126("60A" + data + Texto("SERIE0001", 20) + Texto(situacao, 4) + Digitos(valor, 12));
    }
};

struct Registro61 {
    std::string data = "20170510";
    std::string modelo = "65";
    std::string serie = "1";
    long long total = 10000;
    long long base = 10000;

    std::string Linha() const {
        return Linha126("61" + Texto("", 28) + data + modelo + Texto(serie, 3) + "  " + Digitos(1, 6) +
                        Digitos(20, 6) + Digitos(total, 13) + Digitos(base, 13) + Digitos(base * 17 / 100, 12) +
                        Digitos(0, 13) + Digitos(0, 13) + Digitos(1700, 4));
    }
};

struct Registro70 {
    std::string cnpj = kCnpjTerceiro;
    std::string data = "20170510";
    long long numero = 123;
    int cfop = 5353;
    long long total = 10000;
    long long base = 10000;
    long long icms = 1700;
    long long isentas = 0;
    long long outras = 0;
    char frete = '1';
    char situacao = 'N';

    std::string Linha() const {
        return "70" + Texto(cnpj, 14) + Texto("161111111", 14) + data + "ZQ" + "08" + "1" + "  " +
               Digitos(numero, 6) + Digitos(cfop, 4) + Digitos(total, 13) + Digitos(base, 14) + Digitos(icms, 14) +
               Digitos(isentas, 14) + Digitos(outras, 14) + frete + situacao;
    }
};

struct Registro71 {
    std::string dataConhecimento = "20170510";
    std::string numeroNota = "000456";
    std::string valorNota = Digitos(10000, 14);

    std::string Linha() const {
        return Linha126("71" + Texto(kCnpjTerceiro, 14) + Texto("161111111", 14) + dataConhecimento + "ZQ" + "08" +
                        "1" + "  " + Digitos(123, 6) + "ZQ" + Texto(kCnpjTerceiro, 14) + Texto("161111111", 14) +
                        "20170509" + "55" + Texto("1", 3) + numeroNota + valorNota);
    }
};

struct Registro76 {
    std::string cnpj = kCnpjTerceiro;
    std::string inscricao = "161111111";
    long long numero = 77;
    int cfop = 5303;
    std::string data = "20170510";
    std::string uf = "ZQ";
    long long total = 10000;
    long long base = 10000;
    long long icms = 2500;
    long long isentas = 0;
    long long outras = 0;
    char situacao = 'N';

    std::string Linha() const {
        return "76" + Texto(cnpj, 14) + Texto(inscricao, 14) + "22" + "1 " + "  " + Digitos(numero, 10) +
               Digitos(cfop, 4) + "1" + data + Texto(uf, 2) + Digitos(total, 13) + Digitos(base, 13) +
               Digitos(icms, 12) + Digitos(isentas, 12) + Digitos(outras, 12) + "25" + situacao;
    }
};

// Record 10 with the agreement code (column 124) and the nature (125) given.
inline std::string Registro10Com(Registro10 registro, char convenio, char natureza = '3') {
    std::string linha = registro.Linha();
    linha[123] = convenio;
    linha[124] = natureza;
    return linha;
}

}  // namespace zq::teste
