#include "GeradorDeclaracao.h"

#include <array>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

namespace zq::bench {
namespace {

constexpr const char* kCnpj = "12345678000195";
constexpr const char* kInscricao = "161234569";
constexpr const char* kPeriodo = "201705";
constexpr std::size_t kTamanhoLinha = 126;

std::string Numero(std::uint64_t valor, std::size_t largura) {
    std::string texto = std::to_string(valor);
    if (texto.size() < largura) texto.insert(0, largura - texto.size(), '0');
    return texto.substr(texto.size() - largura);
}

std::string Texto(const std::string& valor, std::size_t largura) {
    std::string texto = valor.substr(0, largura);
    texto.resize(largura, ' ');
    return texto;
}

class Escritor {
public:
    explicit Escritor(const std::filesystem::path& arquivo) : saida_(std::fopen(arquivo.c_str(), "wb")) {
        if (saida_ == nullptr) throw std::runtime_error("não foi possível criar " + arquivo.string());
        std::setvbuf(saida_, nullptr, _IOFBF, 1 << 20);
    }
    ~Escritor() {
        if (saida_) std::fclose(saida_);
    }
    Escritor(const Escritor&) = delete;
    Escritor& operator=(const Escritor&) = delete;

    void Linha(std::string linha) {
        linha.resize(kTamanhoLinha, ' ');
        linha += "\r\n";
        std::fwrite(linha.data(), 1, linha.size(), saida_);
        resumo_.bytes += linha.size();
        ++resumo_.linhas;
        ++porTipo_[linha.substr(0, 2)];
    }
    const ResumoDeclaracao& Resumo() const { return resumo_; }
    const std::map<std::string, std::uint64_t>& PorTipo() const { return porTipo_; }

private:
    std::FILE* saida_;
    ResumoDeclaracao resumo_;
    std::map<std::string, std::uint64_t> porTipo_;
};

// Amounts in cents.
struct Totais {
    std::uint64_t debitos = 0;
    std::uint64_t creditos = 0;
};

std::uint64_t Icms(std::uint64_t base, unsigned aliquota) { return (base * aliquota + 50) / 100; }

// Every fifth invoice is a purchase from a supplier; the others are sales,
// numbered without gaps. Its records 50 and 54 are written in separate
// passes from the same sequence number.
struct Nota {
    explicit Nota(std::uint64_t sequencia) : sequencia(sequencia) {
        const std::uint64_t ordem = entrada ? sequencia / 5 : sequencia - sequencia / 5 - 1;
        serie = 1 + ordem / 999999;
        numero = 1 + ordem % 999999;
        for (unsigned item = 0; item < itens; ++item) {
            valores[item] = 1000 + (sequencia * 37 + item * 101) % 90000;
            total += valores[item];
        }
    }
    std::string Cnpj() const { return entrada ? "11222333000181" : kCnpj; }
    std::string Cfop() const { return entrada ? "1102" : "5102"; }

    std::uint64_t sequencia;
    bool entrada = sequencia % 5 == 0;
    unsigned itens = 1 + static_cast<unsigned>(sequencia % 3);
    std::uint64_t serie = 0;
    std::uint64_t numero = 0;
    std::uint64_t total = 0;
    std::array<std::uint64_t, 3> valores{};
};

void Registro50(Escritor& escritor, Totais& totais, const Nota& nota) {
    const std::uint64_t icms = Icms(nota.total, 17);
    (nota.entrada ? totais.creditos : totais.debitos) += icms;
    const std::string chave = nota.Cnpj() + std::string("161234569     ") + "20170515" + "ZQ" + "01" +
                              Texto(Numero(nota.serie, 1), 3) + Numero(nota.numero, 6);
    escritor.Linha("50" + chave + nota.Cfop() + (nota.entrada ? "T" : "P") + Numero(nota.total, 13) +
                   Numero(nota.total, 13) + Numero(icms, 13) + Numero(0, 13) + Numero(0, 13) + "1700" + "N");
}

void Registros54(Escritor& escritor, const Nota& nota) {
    for (unsigned item = 0; item < nota.itens; ++item) {
        escritor.Linha("54" + nota.Cnpj() + "01" + Texto(Numero(nota.serie, 1), 3) + Numero(nota.numero, 6) +
                       nota.Cfop() + "000" + Numero(item + 1, 3) + Texto("P" + Numero(nota.sequencia % 5000, 6), 14) +
                       Numero(1000, 11) + Numero(nota.valores[item], 12) + Numero(0, 12) +
                       Numero(nota.valores[item], 12) + Numero(0, 12) + Numero(0, 12) + "1700");
    }
}

void CupomFiscal(Escritor& escritor, Totais& totais, std::uint64_t sequencia) {
    std::uint64_t soma = 0;
    std::string analiticos;
    std::array<std::uint64_t, 3> valores{};
    for (unsigned i = 0; i < 3; ++i) {
        valores[i] = 5000 + (sequencia * 13 + i * 7) % 50000;
        soma += valores[i];
    }
    escritor.Linha("60M" + std::string("20170515") + Texto("ECF" + Numero(sequencia % 20, 4), 20) +
                   Numero(sequencia % 999, 3) + "2D" + Numero(sequencia, 6) + Numero(sequencia + 10, 6) +
                   Numero(sequencia, 6) + Numero(1, 3) + Numero(soma, 16) + Numero(soma * 10, 16));
    const std::array<const char*, 3> codigos = {"1700", "1200", "F   "};
    for (unsigned i = 0; i < 3; ++i) {
        escritor.Linha("60A" + std::string("20170515") + Texto("ECF" + Numero(sequencia % 20, 4), 20) + codigos[i] +
                       Numero(valores[i], 12));
        if (i == 0) totais.debitos += valores[i] * 17 / 100;
        if (i == 1) totais.debitos += valores[i] * 12 / 100;
    }
}

void NotaConsumidor(Escritor& escritor, Totais& totais, std::uint64_t sequencia) {
    const std::uint64_t total = 2000 + sequencia % 70000;
    const std::uint64_t icms = Icms(total, 17);
    totais.debitos += icms;
    escritor.Linha("61" + std::string(28, ' ') + "20170515" + "02" + Texto(Numero(1 + sequencia % 9, 1), 3) + "  " +
                   Numero(sequencia * 10 % 999999, 6) + Numero(sequencia * 10 % 999999 + 9, 6) + Numero(total, 13) +
                   Numero(total, 13) + Numero(icms, 12) + Numero(0, 13) + Numero(0, 13) + "1700");
    escritor.Linha("61R" + std::string("052017") + Texto("P" + Numero(sequencia % 5000, 6), 14) +
                   Numero(10000, 13) + Numero(total, 16) + Numero(total, 16) + "1700");
}

void Frete(Escritor& escritor, Totais& totais, std::uint64_t sequencia) {
    const std::uint64_t total = 10000 + sequencia % 20000;
    const std::uint64_t icms = Icms(total, 12);
    totais.creditos += icms;
    escritor.Linha("70" + std::string("33444555000172") + Texto("160000001", 14) + "20170516" + "ZQ" + "08" + "1" +
                   "  " + Numero(sequencia % 999999 + 1, 6) + "1352" + Numero(total, 13) + Numero(total, 14) +
                   Numero(icms, 14) + Numero(0, 14) + Numero(0, 14) + "1" + "N");
}

// A communication service sold to a customer.
void Comunicacao(Escritor& escritor, Totais& totais, std::uint64_t sequencia) {
    const std::uint64_t total = 5000 + sequencia % 30000;
    const std::uint64_t icms = Icms(total, 25);
    totais.debitos += icms;
    escritor.Linha("76" + std::string("11222333000181") + Texto("ISENTO", 14) + "22" + "1 " + "  " +
                   Numero(sequencia % 9999999999 + 1, 10) + "5302" + "1" + "20170520" + "ZQ" + Numero(total, 13) +
                   Numero(total, 13) + Numero(icms, 12) + Numero(0, 12) + Numero(0, 12) + "25" + "N");
}

void Produto(Escritor& escritor, std::uint64_t codigo) {
    escritor.Linha("75" + std::string("2017050120170531") + Texto("P" + Numero(codigo, 6), 14) + "22030000" +
                   Texto("PRODUTO DE EXEMPLO " + Numero(codigo, 6), 53) + Texto("UN", 6) + Numero(0, 5) + "1700" +
                   Numero(0, 5) + Numero(0, 13));
}

void RegistrosGim(Escritor& escritor, const Totais& totais) {
    const std::string cabecalho = std::string(kInscricao) + kPeriodo + "N";
    escritor.Linha("8801" + cabecalho + Numero(totais.creditos, 13) + std::string(13 * 7, '0'));
    escritor.Linha("8802" + cabecalho + Numero(totais.debitos, 13) + std::string(13 * 7, '0'));
    escritor.Linha("8804" + cabecalho + std::string(26, '0') + std::string(52, ' ') + "1");
    escritor.Linha("8805" + std::string("00012345678909") + "ZQ123456O7" + Texto("MARIA CONTADORA", 40) +
                   Texto("6133334444", 12) + Texto("contadora@exemplo.com.br", 40));
    escritor.Linha("8815" + std::string(13 * 8, '0'));
    escritor.Linha("8816" + std::string(13 * 5, '0'));
    escritor.Linha("8830" + std::string("A1B2C3D4E5F6A7B8C9D0E1F2A3B4C5D6") + "0" + "00000000");
}

}  // namespace

ResumoDeclaracao GerarDeclaracao(const std::filesystem::path& arquivo, std::uint64_t bytesAlvo) {
    Escritor escritor(arquivo);
    escritor.Linha("10" + std::string(kCnpj) + Texto(kInscricao, 14) + Texto("DISTRIBUIDORA DE ALIMENTOS EXEMPLO", 35) +
                   Texto("NURVEK", 30) + "ZQ" + "6133334444" + kPeriodo + "01" + kPeriodo + "31" + "331");
    escritor.Linha("11" + Texto("RUA DAS PALMEIRAS", 34) + "00100" + Texto("", 22) + Texto("CENTRO", 15) + "70000000" +
                   Texto("MARIA CONTADORA", 28) + "006133334444");
    // Records in the order of their types: every record 50 before the first record 54, so that every
    // invoice stays pending until its items are read.
    Totais totais;
    const std::uint64_t reservado = 40 * (kTamanhoLinha + 2) + 5000 * (kTamanhoLinha + 2);
    // Lines per invoice: the record 50, two records 54 on average, a fiscal printer day (four lines) every
    // fourth, a consumer invoice (two lines) every third, a record 70 and a record 76 every tenth.
    const double linhasPorNota = 1 + 2 + 1 + 2.0 / 3 + 0.1 + 0.1;
    const std::uint64_t notas =
        bytesAlvo > reservado ? static_cast<std::uint64_t>((bytesAlvo - reservado) / ((kTamanhoLinha + 2) * linhasPorNota)) : 0;
    for (std::uint64_t sequencia = 0; sequencia < notas; ++sequencia) Registro50(escritor, totais, Nota(sequencia));
    for (std::uint64_t sequencia = 0; sequencia < notas; ++sequencia) Registros54(escritor, Nota(sequencia));
    for (std::uint64_t sequencia = 0; sequencia < notas; sequencia += 4) CupomFiscal(escritor, totais, sequencia / 4);
    for (std::uint64_t sequencia = 0; sequencia < notas; sequencia += 3) NotaConsumidor(escritor, totais, sequencia / 3);
    for (std::uint64_t sequencia = 0; sequencia < notas; sequencia += 10) Frete(escritor, totais, sequencia / 10);
    for (std::uint64_t codigo = 0; codigo < 5000; ++codigo) Produto(escritor, codigo);
    for (std::uint64_t sequencia = 0; sequencia < notas; sequencia += 10) Comunicacao(escritor, totais, sequencia / 10);
    RegistrosGim(escritor, totais);

    // Record 90: the count of each type (record 90 lines included in "99").
    std::string pares;
    std::uint64_t total = escritor.Resumo().linhas;
    std::size_t quantidadePares = 1;
    for (const auto& [tipo, quantidade] : escritor.PorTipo()) {
        if (tipo == "10" || tipo == "11") continue;
        pares += tipo + Numero(quantidade, 8);
        ++quantidadePares;
    }
    const std::size_t linhas90 = (quantidadePares + 8) / 9;
    pares += "99" + Numero(total + linhas90, 8);
    for (std::size_t i = 0; i < linhas90; ++i) {
        std::string linha = "90" + std::string(kCnpj) + Texto(kInscricao, 14) + pares.substr(i * 90, 90);
        linha.resize(kTamanhoLinha - 1, ' ');
        escritor.Linha(linha + std::to_string(linhas90));
    }
    return escritor.Resumo();
}

}  // namespace zq::bench
