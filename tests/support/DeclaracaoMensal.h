#pragma once
// A whole monthly declaration of 05/2017 that satisfies every rule of the
// critique: sales and a purchase (50) with their items (54), a fiscal printer
// (60M, 60A), a consumer invoice (61), a freight (70), the products (75), the
// GIM of the normal regime (8801, 8802, 8804, 8805, 8815, 8816, 8830) and the
// record 90 counting them. Tests change its parts to break one rule at a time.

#include <map>
#include <string>
#include <vector>

#include "support/Sintegra.h"

namespace zq::teste {

// Digits of `valor` zero-padded (or cut on the left) to `largura`.
inline std::string Digitos(long long valor, std::size_t largura) {
    std::string texto = std::to_string(valor);
    if (texto.size() < largura) texto.insert(0, largura - texto.size(), '0');
    return texto.substr(texto.size() - largura);
}

inline std::string Ajustado(std::string texto, std::size_t largura) {
    texto.resize(largura, ' ');
    return texto;
}

// Amounts in cents.
struct Nota50 {
    std::string cnpj = "11222333000181";
    std::string inscricao = "161234569";
    std::string data = "20170510";
    std::string uf = "ZQ";
    std::string modelo = "55";
    std::string serie = "1";
    long long numero = 1;
    std::string cfop = "5102";
    char emitente = 'P';
    long long total = 0;
    long long base = 0;
    long long icms = 0;
    long long isentas = 0;
    long long outras = 0;
    std::string aliquota = "1700";
    char situacao = 'N';

    std::string Linha() const {
        return "50" + cnpj + Ajustado(inscricao, 14) + data + uf + modelo + Ajustado(serie, 3) + Digitos(numero, 6) +
               cfop + emitente + Digitos(total, 13) + Digitos(base, 13) + Digitos(icms, 13) + Digitos(isentas, 13) +
               Digitos(outras, 13) + aliquota + situacao;
    }
    // The item of the whole invoice.
    std::string Item54(const std::string& produto) const {
        return "54" + cnpj + modelo + Ajustado(serie, 3) + Digitos(numero, 6) + cfop + "000" + "001" +
               Ajustado(produto, 14) + Digitos(1000, 11) + Digitos(total, 12) + Digitos(0, 12) + Digitos(base, 12) +
               Digitos(0, 12) + Digitos(0, 12) + aliquota;
    }
};

// A fiscal printer with its gross sale; analytic records are added with Analitico.
struct Ecf60 {
    std::string data = "20170515";
    std::string numero = "001";
    long long vendaBruta = 0;

    std::string Mestre() const {
        return "60M" + data + Ajustado("ECF0001", 20) + numero + "2D" + Digitos(100, 6) + Digitos(180, 6) +
               Digitos(15, 6) + Digitos(1, 3) + Digitos(vendaBruta, 16) + Digitos(vendaBruta * 40, 16);
    }
    std::string Analitico(const std::string& situacao, long long valor) const {
        return "60A" + data + Ajustado("ECF0001", 20) + Ajustado(situacao, 4) + Digitos(valor, 12);
    }
};

// An internal sale with ICMS withheld by substitution under the anticipation code "5" (Anexo V).
inline std::string Substituicao53(long long icmsRetido) {
    return "53" + std::string("11222333000181") + Ajustado("161234569", 14) + "20170510" + "ZQ" + "55" +
           Ajustado("1", 3) + Digitos(1, 6) + "5403" + "P" + Digitos(icmsRetido * 6, 13) + Digitos(icmsRetido, 13) +
           Digitos(0, 13) + "N" + "5";
}

inline std::string Cupom61(long long total, long long icms) {
    return "61" + std::string(28, ' ') + "20170520" + "02" + Ajustado("1", 3) + "  " + Digitos(501, 6) +
           Digitos(520, 6) + Digitos(total, 13) + Digitos(total, 13) + Digitos(icms, 12) + Digitos(0, 13) +
           Digitos(0, 13) + "1700";
}

inline std::string Frete70(long long total, long long icms) {
    return "70" + std::string("33444555000181") + Ajustado("160000001", 14) + "20170516" + "ZQ" + "08" + "1" + "  " +
           Digitos(731, 6) + "1352" + Digitos(total, 13) + Digitos(total, 14) + Digitos(icms, 14) + Digitos(0, 14) +
           Digitos(0, 14) + "1" + "N";
}

inline std::string Produto75(const std::string& codigo, const std::string& descricao) {
    return "75" + std::string("2017050120170531") + Ajustado(codigo, 14) + "22030000" + Ajustado(descricao, 53) +
           Ajustado("UN", 6) + Digitos(0, 5) + "1700" + Digitos(0, 5) + Digitos(0, 13);
}

// "88" + sub-type + registration, period and delivery type + amounts of 13 digits.
inline std::string Gim88(const std::string& subtipo, const std::vector<long long>& valores, char tipo = 'N',
                         const std::string& periodo = "201705") {
    std::string linha = "88" + subtipo + "161234569" + periodo + tipo;
    for (const long long valor : valores) linha += Digitos(valor, 13);
    return linha;
}

// Records 88 without the registration header: amounts of 13 digits from column 5.
inline std::string GimSemCabecalho(const std::string& subtipo, const std::vector<long long>& valores) {
    std::string linha = "88" + subtipo;
    for (const long long valor : valores) linha += Digitos(valor, 13);
    return linha;
}

inline std::string Gim8804(char regime, const std::string& periodo = "201705") {
    return Ajustado(Gim88("04", {0, 0}, 'N', periodo) + std::string(40, ' ') + "20170531" + "    " + regime, 126);
}

inline std::string Gim8805() {
    return "8805" + std::string("00012345678909") + "ZQ123456O7" + Ajustado("MARIA CONTADORA", 40) +
           Ajustado("6133334444", 12) + Ajustado("contadora@exemplo.com.br", 40);
}

// An invoice of the declaration detailed in the GIM.
inline std::string Gim8850(const Nota50& nota) {
    return "8850" + nota.cnpj + Ajustado(nota.inscricao, 14) + nota.data + nota.uf + nota.modelo +
           Ajustado(nota.serie, 3) + Digitos(nota.numero, 6) + nota.cfop;
}

inline std::string Gim8830() { return "8830" + std::string("A1B2C3D4E5F6A7B8C9D0E1F2A3B4C5D6") + "0" + "00000000"; }

// The record-90 lines counting the lines of each type from 50 on; "99" counts every line.
inline std::vector<std::string> Registros90(const std::vector<std::string>& linhas) {
    std::map<std::string, long long> porTipo;
    for (const auto& linha : linhas) {
        const std::string tipo = linha.substr(0, 2);
        if (tipo != "10" && tipo != "11") ++porTipo[tipo];
    }
    std::string pares;
    for (const auto& [tipo, quantidade] : porTipo) pares += tipo + Digitos(quantidade, 8);
    pares += "99" + Digitos(static_cast<long long>(linhas.size()) + 1, 8);
    return {Linha126(Ajustado("90" + std::string("12345678000195") + Ajustado("161234569", 14) + pares, 125) + "1")};
}

struct DeclaracaoMensal {
    // Sales 1 to 3 of series 1 at 17 %, and a purchase from a supplier of the state.
    std::vector<Nota50> notas = {
        {.numero = 1, .total = 100000, .base = 100000, .icms = 17000},
        {.numero = 2, .total = 50000, .base = 50000, .icms = 8500},
        {.numero = 3, .total = 20000, .base = 20000, .icms = 3400},
        {.cnpj = "44555666000181", .numero = 4521, .cfop = "1102", .emitente = 'T', .total = 80000, .base = 80000,
         .icms = 13600},
    };
    // Gross sale 300.00: 200.00 at 17 % (34.00) and 100.00 under substitution.
    // Records 53, after the records 50.
    std::vector<std::string> substituicoes;
    Ecf60 ecf{.vendaBruta = 30000};
    std::vector<std::pair<std::string, long long>> analiticos = {{"1700", 20000}, {"F", 10000}};
    // Credits 136.00 (50) + 12.00 (70); debits 289.00 (50) + 34.00 (60) + 25.50 (61).
    std::vector<std::string> gim = {
        Gim88("01", {14800, 0, 0, 0, 0, 0, 0, 0}),
        Gim88("02", {34850, 0, 0, 0, 0, 0, 0, 0}),
        Gim8804('1'),
        Gim8805(),
        GimSemCabecalho("15", {0, 0, 0, 0, 0, 0, 0, 0}),
        GimSemCabecalho("16", {0, 0, 0, 0, 0}),
        Gim8830(),
    };
    Registro10 registro10;

    std::vector<std::string> Linhas() const {
        std::vector<std::string> linhas = {
            registro10.Linha(),
            Linha126("11" + Ajustado("RUA DAS PALMEIRAS", 34) + "00100" + Ajustado("", 22) + Ajustado("CENTRO", 15) +
                     "70000000" + Ajustado("MARIA CONTADORA", 28) + "006133334444"),
        };
        for (const auto& nota : notas) linhas.push_back(Linha126(nota.Linha()));
        for (const auto& linha : substituicoes) linhas.push_back(Linha126(linha));
        for (const auto& nota : notas) linhas.push_back(Linha126(nota.Item54(Produto(nota))));
        linhas.push_back(Linha126(ecf.Mestre()));
        for (const auto& [situacao, valor] : analiticos) linhas.push_back(Linha126(ecf.Analitico(situacao, valor)));
        linhas.push_back(Linha126(Cupom61(15000, 2550)));
        linhas.push_back(Linha126(Frete70(10000, 1200)));
        linhas.push_back(Linha126(Produto75("P000001", "ARROZ TIPO 1 PACOTE 5 KG")));
        linhas.push_back(Linha126(Produto75("P000002", "FEIJAO CARIOCA PACOTE 1 KG")));
        for (const auto& linha : gim) linhas.push_back(Linha126(linha));
        for (auto& linha : Registros90(linhas)) linhas.push_back(std::move(linha));
        return linhas;
    }

    std::string Texto() const { return Arquivo(Linhas()); }

private:
    static std::string Produto(const Nota50& nota) { return nota.cfop[0] == '1' ? "P000002" : "P000001"; }
};

}  // namespace zq::teste
