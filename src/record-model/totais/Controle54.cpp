#include "record-model/totais/Controle54.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <utility>

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

struct Faixa {
    int primeiro;
    int ultimo;
};

// Operations whose records 50 have no records 54 (services, energy, communication, transfers of credit,
// returns of packaging...).
constexpr Faixa kCfopsSemRegistro54[] = {
    {1153, 1153}, {1205, 1207}, {1250, 1257}, {1300, 1306}, {1350, 1356}, {1360, 1360}, {1600, 1605},
    {1922, 1922}, {1926, 1926}, {1931, 1933}, {1949, 1949}, {2250, 2257}, {2300, 2306}, {2350, 2356},
    {2600, 2600}, {2603, 2603}, {2907, 2907}, {2922, 2922}, {2931, 2933}, {2949, 2949}, {3205, 3207},
    {3250, 3251}, {3300, 3301}, {3350, 3355}, {3900, 3900}, {3930, 3930}, {3949, 3949}, {5153, 5153},
    {5205, 5207}, {5250, 5258}, {5300, 5307}, {5350, 5357}, {5359, 5360}, {5600, 5603}, {5605, 5606},
    {5907, 5907}, {5922, 5922}, {5926, 5926}, {5929, 5929}, {5931, 5933}, {5949, 5949}, {6153, 6153},
    {6205, 6207}, {6250, 6258}, {6300, 6307}, {6350, 6357}, {6359, 6360}, {6600, 6600}, {6603, 6603},
    {6919, 6919}, {6922, 6922}, {6929, 6929}, {6931, 6933}, {6949, 6949}, {7205, 7207}, {7250, 7251},
    {7300, 7301}, {7350, 7350}, {7358, 7358}, {7930, 7930}, {7949, 7949},
};

constexpr int kMaiorCfop = 9999;

bool CfopSemRegistro54(std::int32_t cfop) {
    static const std::bitset<kMaiorCfop + 1> tabela = [] {
        std::bitset<kMaiorCfop + 1> bits;
        for (const Faixa& faixa : kCfopsSemRegistro54) {
            for (int codigo = faixa.primeiro; codigo <= faixa.ultimo; ++codigo) {
                bits.set(static_cast<std::size_t>(codigo));
            }
        }
        return bits;
    }();
    return cfop >= 0 && cfop <= kMaiorCfop && tabela.test(static_cast<std::size_t>(cfop));
}

// Appends the columns to the key; the columns a short line lacks become blanks.
char* Copiar(char* destino, std::string_view linha, int posicao, int tamanho) {
    const std::string_view colunas = Colunas(linha, posicao, tamanho);
    if (!colunas.empty()) std::memcpy(destino, colunas.data(), colunas.size());
    std::memset(destino + colunas.size(), ' ', static_cast<std::size_t>(tamanho) - colunas.size());
    return destino + tamanho;
}

// Read in this order, each only when the ones before call for records 54: the CFOP, the situation, the model.
bool PrecisaDeRegistro54(std::string_view linha) {
    if (CfopSemRegistro54(InteiroDoTexto(Colunas(linha, 52, 4)))) return false;
    const std::string_view situacao = Colunas(linha, 126, 1);
    if (situacao != "N" && situacao != "E") return false;
    const std::int32_t modelo = InteiroDoTexto(Colunas(linha, 41, 2));
    return modelo == 1 || modelo == 55 || modelo == 4;
}

}  // namespace

void TControle54::RegistrarRegistro50(std::string_view linha, std::int64_t numeroLinha) {
    InteiroDoTexto(Colunas(linha, 1, 2));  // the record type must be a number
    if (!PrecisaDeRegistro54(linha)) return;
    Operacao operacao;
    char* fim = Copiar(operacao.chave.data(), linha, 3, 14);
    fim = Copiar(fim, linha, 41, 15);
    fim = Copiar(fim, linha, 122, 4);
    fim = Copiar(fim, linha, 31, 8);
    Copiar(fim, linha, 39, 2);
    operacao.hash = TIndicePendencias54::Hash(operacao.chave.data());
    operacao.registro50 = true;
    operacao.numeroLinha = numeroLinha;
    Enfileirar(operacao);
}

void TControle54::BaixarRegistro54(std::string_view linha) {
    Operacao operacao{};  // a record 54: no line number, the date and state of the key left blank
    Copiar(Copiar(operacao.chave.data(), linha, 3, 29), linha, 123, 4);
    operacao.hash = TIndicePendencias54::Hash(operacao.chave.data());
    Enfileirar(operacao);
}

void TControle54::Enfileirar(const Operacao& operacao) {
    indice_.AnteciparPosicao(operacao.hash);
    if (tamanhoFila_ == kCapacidadeFila) {
        Aplicar(fila_[inicioFila_]);
        inicioFila_ = (inicioFila_ + 1) % kCapacidadeFila;
        --tamanhoFila_;
    }
    fila_[(inicioFila_ + tamanhoFila_) % kCapacidadeFila] = operacao;
    ++tamanhoFila_;
    // The record queued kDistancia records ago has its slot at hand by now; a record 54 will need the entry.
    if (tamanhoFila_ > kDistancia) {
        const Operacao& meio = fila_[(inicioFila_ + tamanhoFila_ - 1 - kDistancia) % kCapacidadeFila];
        if (!meio.registro50) indice_.AnteciparEntrada(meio.hash);
    }
}

void TControle54::Aplicar(const Operacao& operacao) {
    if (operacao.registro50) {
        indice_.Registrar(operacao.chave, operacao.hash, operacao.numeroLinha);
    } else {
        indice_.Baixar(operacao.chave.data(), operacao.hash);
    }
}

void TControle54::Descarregar() {
    for (; tamanhoFila_ > 0; --tamanhoFila_) {
        Aplicar(fila_[inicioFila_]);
        inicioFila_ = (inicioFila_ + 1) % kCapacidadeFila;
    }
}

std::size_t TControle54::Pendencias() {
    Descarregar();
    return indice_.Quantidade();
}

std::vector<std::string> TControle54::ListaPendencias() {
    Descarregar();
    std::vector<std::string> lista;
    lista.reserve(indice_.Quantidade());
    indice_.ParaCadaPendencia([&](const TIndicePendencias54::Pendencia& pendencia) {
        lista.push_back(std::string(pendencia.chave.data(), pendencia.chave.size()) + "|" +
                        std::to_string(pendencia.numeroLinha));
    });
    return lista;
}

void TControle54::RelatarPendencias(std::vector<std::string>& advertencias) {
    Descarregar();
    indice_.ParaCadaPendencia([&](const TIndicePendencias54::Pendencia& pendencia) {
        const std::string_view chave(pendencia.chave.data(), pendencia.chave.size());
        advertencias.push_back(Formatar(
            "ADVERTÊNCIA (Reg 50): - Registro 50 (Nota Fiscal) sem o registro 54 (produto) correspondente. Não "
            "resolver essa pendência poderá fazer com que o arquivo seja rejeitado ao ser processado pelo sistema "
            "corporativo da XAR, caso o contribuinte esteja inscrito no cadastro de EDF da XAR como emissor de nota "
            "fiscal via processamento eletrônico de dados. A pendência está localizada na linha %s do arquivo e o "
            "critério para a pesquisa do 54 foi: CNPJ '%s', NF '%s', modelo '%s', série '%s', CFOP '%s', alíquota "
            "'%s'.",
            {std::to_string(pendencia.numeroLinha), chave.substr(0, 14), chave.substr(19, 6), chave.substr(14, 2),
             chave.substr(16, 3), chave.substr(25, 4), chave.substr(29, 4)}));
    });
}

}  // namespace zq
