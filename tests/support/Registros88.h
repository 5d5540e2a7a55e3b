#pragma once
// Builders of the GIM's type-88 lines for the tests. Amounts are given in cents.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "support/Sintegra.h"

namespace zq::teste {

// An amount in cents as `largura` digits.
inline std::string Valor(std::int64_t centavos, int largura = 13) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%0*lld", largura, static_cast<long long>(centavos));
    return texto;
}

// Writes `texto` over the line from column `coluna` on (1-based), widening the line when needed.
inline std::string Sobrescrever(std::string linha, int coluna, const std::string& texto) {
    const auto inicio = static_cast<std::size_t>(coluna - 1);
    if (linha.size() < inicio + texto.size()) linha.resize(inicio + texto.size(), ' ');
    linha.replace(inicio, texto.size(), texto);
    return linha;
}

// 8801 and 8802: registration, period, type and eight amounts.
struct Registro88Apuracao {
    std::string subtipo;
    std::string inscricao = "161234569";
    std::string periodo = "201705";
    char tipo = 'N';
    std::array<std::int64_t, 8> valores{};

    std::string Linha() const {
        std::string linha = "88" + subtipo + inscricao + periodo + tipo;
        for (std::int64_t valor : valores) linha += Valor(valor);
        return Linha126(linha);
    }
};

inline Registro88Apuracao Registro8801() { return {"01"}; }
inline Registro88Apuracao Registro8802() { return {"02"}; }

struct Registro8804 {
    std::string inscricao = "161234569";
    std::string periodo = "201705";
    char tipo = 'N';
    std::string diferencialAliquota = Valor(0);
    std::string retidoOutrasUf = Valor(0);
    char regime = '1';

    std::string Linha() const {
        std::string linha = "8804" + inscricao + periodo + tipo + diferencialAliquota + retidoOutrasUf;
        linha.resize(86, ' ');
        linha += "20040723    ";
        linha += regime;
        return Linha126(linha);
    }
};

// The accountant: a valid CPF and CRC, a full name, telephone and e-mail.
struct Registro8805 {
    std::string documento = "00052998224725";
    std::string crc = "ZQ123456O0";
    std::string nome = "MARIA DA SILVA CONTADORA";
    std::string telefone = "006133334444";
    std::string email = "contadora@exemplo.com.br";
    std::string reservado;

    std::string Linha() const {
        std::string linha = "8805" + documento;
        linha.resize(18, ' ');
        linha += crc;
        linha.resize(28, ' ');
        linha += nome;
        linha.resize(68, ' ');
        linha += telefone;
        linha.resize(80, ' ');
        linha += email;
        linha.resize(120, ' ');
        return Linha126(linha + reservado);
    }
};

struct Registro8806 {
    std::string inscricao = "161234569";
    std::string ano = "2016";
    char tipo = 'N';
    std::array<std::int64_t, 8> valores{};

    std::string Linha() const {
        std::string linha = "8806" + inscricao + ano + tipo;
        for (std::int64_t valor : valores) linha += Valor(valor);
        return Linha126(linha);
    }
};

// 8815 (eight credits) and 8816 (five FUNCEP amounts).
inline std::string Registro8815(const std::array<std::int64_t, 8>& valores = {}) {
    std::string linha = "8815";
    for (std::int64_t valor : valores) linha += Valor(valor);
    return Linha126(linha);
}

inline std::string Registro8816(std::int64_t funcepNormal = 0, std::int64_t funcepStSaidas = 0) {
    return Linha126("8816" + Valor(funcepNormal) + Valor(funcepStSaidas) + Valor(0) + Valor(0) + Valor(0));
}

}  // namespace zq::teste
