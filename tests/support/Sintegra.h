#pragma once
// Small builders of SINTEGRA lines for the tests.

#include <string>
#include <vector>

namespace zq::teste {

// Pads or cuts a line body to the 126 columns of the layout.
inline std::string Linha126(std::string corpo) {
    corpo.resize(126, ' ');
    return corpo;
}

struct Registro10 {
    std::string cnpj = "12345678000195";
    std::string inscricao = "161234569";
    std::string razaoSocial = "DISTRIBUIDORA DE ALIMENTOS EXEMPLO DA CORVENA";
    std::string uf = "ZQ";
    std::string periodo = "201705";
    char finalidade = '1';

    std::string Linha() const {
        std::string linha = "10" + cnpj + inscricao;
        linha.resize(30, ' ');
        linha += razaoSocial;
        linha.resize(65, ' ');
        linha += "NURVEK";
        linha.resize(95, ' ');
        linha += uf + "6133334444" + periodo + "01" + periodo + UltimoDia() + "33" + finalidade;
        return linha;
    }

    // The last day of the period's month, two digits.
    std::string UltimoDia() const {
        const int ano = std::stoi(periodo.substr(0, 4));
        const int mes = std::stoi(periodo.substr(4, 2));
        if (mes == 2) return (ano % 4 == 0 && (ano % 100 != 0 || ano % 400 == 0)) ? "29" : "28";
        return (mes == 4 || mes == 6 || mes == 9 || mes == 11) ? "30" : "31";
    }
};

inline std::string Registro88(const std::string& subtipo = "01") {
    return Linha126("88" + subtipo + "161234569201705N" + std::string(104, '0'));
}

// Lines joined with CR LF, the last one too.
inline std::string Arquivo(const std::vector<std::string>& linhas) {
    std::string texto;
    for (const auto& linha : linhas) texto += linha + "\r\n";
    return texto;
}

}  // namespace zq::teste
