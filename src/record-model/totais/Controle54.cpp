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

std::uint64_t Misturar(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

}  // namespace

TControle54::TControle54() : tabela_(1024) {}

void TControle54::RegistrarRegistro50(std::string_view linha, std::int64_t numeroLinha) {
    InteiroDoTexto(Colunas(linha, 1, 2));  // the record type must be a number
    if (!PrecisaDeRegistro54(linha)) return;
    Chave chave;
    char* fim = Copiar(chave.data(), linha, 3, 14);
    fim = Copiar(fim, linha, 41, 15);
    fim = Copiar(fim, linha, 122, 4);
    fim = Copiar(fim, linha, 31, 8);
    Copiar(fim, linha, 39, 2);
    Inserir(chave, numeroLinha);
}

void TControle54::BaixarRegistro54(std::string_view linha) {
    std::array<char, kTamanhoChave54> chave;
    Copiar(Copiar(chave.data(), linha, 3, 29), linha, 123, 4);
    const std::size_t posicao = Procurar(chave.data(), Hash(chave.data()));
    if (tabela_[posicao].indice == kNenhum) return;
    LiberarCadeia(tabela_[posicao].indice);
    RemoverDaTabela(posicao);
}

std::vector<std::string> TControle54::ListaPendencias() const {
    std::vector<std::string> lista;
    lista.reserve(quantidade_);
    for (std::uint32_t i = primeira_; i != kNenhum; i = pendencias_[i].proxima) {
        const Pendencia& pendencia = pendencias_[i];
        lista.push_back(std::string(pendencia.chave.data(), pendencia.chave.size()) + "|" +
                        std::to_string(pendencia.numeroLinha));
    }
    return lista;
}

void TControle54::RelatarPendencias(std::vector<std::string>& advertencias) const {
    for (std::uint32_t i = primeira_; i != kNenhum; i = pendencias_[i].proxima) {
        const Pendencia& pendencia = pendencias_[i];
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
    }
}

std::uint32_t TControle54::Hash(const char* chave54) {
    std::uint64_t h = kTamanhoChave54;
    for (std::size_t i = 0; i + 8 <= kTamanhoChave54; i += 8) {
        std::uint64_t bloco;
        std::memcpy(&bloco, chave54 + i, 8);
        h = Misturar(h ^ bloco);
    }
    return static_cast<std::uint32_t>(Misturar(h ^ static_cast<unsigned char>(chave54[kTamanhoChave54 - 1])));
}

// The slot of the key, or the empty slot where it would go.
std::size_t TControle54::Procurar(const char* chave54, std::uint32_t hash) const {
    const std::size_t mascara = tabela_.size() - 1;
    for (std::size_t posicao = hash & mascara;; posicao = (posicao + 1) & mascara) {
        const Posicao& candidata = tabela_[posicao];
        if (candidata.indice == kNenhum) return posicao;
        if (candidata.hash == hash &&
            std::memcmp(pendencias_[candidata.indice].chave.data(), chave54, kTamanhoChave54) == 0) {
            return posicao;
        }
    }
}

void TControle54::Inserir(const Chave& chave, std::int64_t numeroLinha) {
    if ((chavesNaTabela_ + 1) * 2 > tabela_.size()) Crescer();
    const std::uint32_t hash = Hash(chave.data());
    const std::size_t posicao = Procurar(chave.data(), hash);

    std::uint32_t indice;
    if (!livres_.empty()) {
        indice = livres_.back();
        livres_.pop_back();
    } else {
        indice = static_cast<std::uint32_t>(pendencias_.size());
        pendencias_.emplace_back();
    }
    Pendencia& pendencia = pendencias_[indice];
    pendencia.chave = chave;
    pendencia.numeroLinha = numeroLinha;
    pendencia.anterior = ultima_;
    pendencia.proxima = kNenhum;
    pendencia.proximaMesmaChave = tabela_[posicao].indice;
    if (ultima_ != kNenhum) {
        pendencias_[ultima_].proxima = indice;
    } else {
        primeira_ = indice;
    }
    ultima_ = indice;
    if (tabela_[posicao].indice == kNenhum) ++chavesNaTabela_;
    tabela_[posicao] = {indice, hash};
    ++quantidade_;
}

// Takes every entry of one key out of the registration order and frees its place.
void TControle54::LiberarCadeia(std::uint32_t primeira) {
    for (std::uint32_t i = primeira; i != kNenhum; i = pendencias_[i].proximaMesmaChave) {
        const Pendencia& pendencia = pendencias_[i];
        if (pendencia.anterior != kNenhum) {
            pendencias_[pendencia.anterior].proxima = pendencia.proxima;
        } else {
            primeira_ = pendencia.proxima;
        }
        if (pendencia.proxima != kNenhum) {
            pendencias_[pendencia.proxima].anterior = pendencia.anterior;
        } else {
            ultima_ = pendencia.anterior;
        }
        livres_.push_back(i);
        --quantidade_;
    }
}

// Empties a slot and moves back the entries after it that were displaced past it (backward-shift deletion).
void TControle54::RemoverDaTabela(std::size_t posicao) {
    const std::size_t mascara = tabela_.size() - 1;
    std::size_t vaga = posicao;
    for (std::size_t seguinte = (vaga + 1) & mascara; tabela_[seguinte].indice != kNenhum;
         seguinte = (seguinte + 1) & mascara) {
        const std::size_t ideal = tabela_[seguinte].hash & mascara;
        // The entry stays when its ideal slot lies cyclically in (vaga, seguinte].
        const bool fica = vaga <= seguinte ? (vaga < ideal && ideal <= seguinte) : (vaga < ideal || ideal <= seguinte);
        if (fica) continue;
        tabela_[vaga] = tabela_[seguinte];
        vaga = seguinte;
    }
    tabela_[vaga] = Posicao();
    --chavesNaTabela_;
}

void TControle54::Crescer() {
    std::vector<Posicao> antiga(tabela_.size() * 2);
    antiga.swap(tabela_);
    const std::size_t mascara = tabela_.size() - 1;
    for (const Posicao& ocupada : antiga) {
        if (ocupada.indice == kNenhum) continue;
        std::size_t posicao = ocupada.hash & mascara;
        while (tabela_[posicao].indice != kNenhum) posicao = (posicao + 1) & mascara;
        tabela_[posicao] = ocupada;
    }
}

}  // namespace zq
