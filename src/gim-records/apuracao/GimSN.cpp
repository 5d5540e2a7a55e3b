#include "gim-records/apuracao/GimSN.h"

#include <algorithm>
#include <array>

#include "gim-records/apuracao/Proporcao.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/campos/ValidacaoCampos.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr std::string_view kTitulo = "8818 - GIM Simples Nacional";
constexpr std::string_view kMascaraLido = "#,###,###,##0.00";
constexpr std::string_view kMascaraAliquota = "0.00";
constexpr Moeda kTolerancia = Moeda::DeReais(3);
constexpr std::string_view kSufixoMatriz = "0001";

enum class Verificacao { Monetario, Inteiro };

struct CampoSN {
    int posicao;
    int tamanho;
    Verificacao verificacao;
    std::string_view rotulo;
};

// Fields 3 and 6 to 19, in field order.
constexpr std::array<CampoSN, 15> kCampos = {{
    {5, 9, Verificacao::Inteiro, "Inscrição estadual"},
    {21, 9, Verificacao::Monetario, "Diferença de Alíquota"},
    {30, 9, Verificacao::Monetario, "Diferença de Alíquota Complementar"},
    {39, 9, Verificacao::Monetario, "Imposto Antecipado"},
    {48, 9, Verificacao::Monetario, "Substituição por Saída"},
    {57, 9, Verificacao::Monetario, "Substituição por Entrada"},
    {66, 9, Verificacao::Monetario, "ICMS Retido Fonte"},
    {75, 9, Verificacao::Monetario, "ICMS Importação"},
    {84, 1, Verificacao::Inteiro, "Regime de pagamento"},
    {85, 9, Verificacao::Monetario, "Faturamento"},
    {94, 9, Verificacao::Monetario, "Total das Entradas"},
    {103, 3, Verificacao::Monetario, "Alíquota do Simples Nacional"},
    {106, 9, Verificacao::Monetario, "FUNCEP Simples Nacional"},
    {115, 9, Verificacao::Monetario, "ICMS a recolher"},
    {124, 1, Verificacao::Inteiro, "Categoria do Estabelecimento"},
}};

constexpr std::string_view kAusencias[] = {"Não Existe Registro 8801", "Não Existe Registro 8802",
                                           "Não Existe Registro 8804"};

Moeda Monetario(std::string_view linha, int posicao, int tamanho = 9) {
    return MonetarioDoCampo(linha, posicao, tamanho, 2);
}

std::string Valor(Moeda valor) { return FormatarValor(valor); }

// Characters 9-12 of the CNPJ: the establishment's number, "0001" for the head office.
bool CnpjDeMatriz(const std::string& cnpj) { return Colunas(cnpj, 9, 4) == kSufixoMatriz; }

}  // namespace

std::vector<std::string> TGimSN::FiltrarAusencias(const std::vector<std::string>& lista) {
    std::vector<std::string> filtrada;
    filtrada.reserve(lista.size());
    for (const std::string& mensagem : lista) {
        const bool ausencia = std::any_of(std::begin(kAusencias), std::end(kAusencias), [&](std::string_view texto) {
            return mensagem.find(texto) != std::string::npos;
        });
        if (!ausencia) filtrada.push_back(mensagem);
    }
    return filtrada;
}

bool TGimSN::Ler(std::string_view linha, std::vector<std::string>& rejeicoes) {
    bool valida = true;
    for (const CampoSN& campo : kCampos) {
        const bool ok =
            campo.verificacao == Verificacao::Monetario
                ? ValidarCampoMonetario(linha, campo.posicao, campo.tamanho, kTitulo, campo.rotulo, rejeicoes)
                : ValidarCampoInteiro(linha, campo.posicao, campo.tamanho, kTitulo, campo.rotulo, rejeicoes);
        valida = valida && ok;
    }
    if (!valida) return false;
    LerCampos(linha);
    ++quantidade_;
    return true;
}

void TGimSN::LerCampos(std::string_view linha) {
    inscricao_ = Colunas(linha, 5, 9);
    periodo_ = Colunas(linha, 14, 6);
    tipo_ = Colunas(linha, 20, 1);
    substituicaoSaida_ = Monetario(linha, 48);
    icmsRetidoFonte_ = Monetario(linha, 66);
    regimePagamento_ = InteiroDoCampo(linha, 84, 1);
    faturamento_ = Monetario(linha, 85);
    totalEntradas_ = Monetario(linha, 94);
    aliquota_ = Monetario(linha, 103, 3);
    icmsARecolher_ = Monetario(linha, 115);
    categoria_ = InteiroDoCampo(linha, 124, 1);
}

void TGimSN::VerificarInscricao(const std::string& inscricao10, MensagensGimSN& mensagens) const {
    if (!DigitoMod11Valido(Inteiro64DoTexto(inscricao_))) {
        mensagens.rejeicoes.push_back("REJEIÇÃO (Reg.8818) Campo 3: Inscrição Estadual inválida: " + inscricao_);
    }
    if (inscricao_ != inscricao10) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg.8818) Campo 3: Inscrição Estadual lida registro 8818 é diferente da encontrada no registro "
            "10. A encontrada no registro 8818 é " +
            inscricao_ + " e a do registro 10 é " + inscricao10 + ".");
    }
}

void TGimSN::VerificarPeriodo(const std::string& periodo10, MensagensGimSN& mensagens) const {
    if (periodo_ != periodo10) {
        mensagens.rejeicoes.push_back("REJEIÇÃO (Reg.8818) Campo 4: O período informado no 8818: " + periodo_ +
                                      " está diferente do informado no registro 10: " + periodo10);
    }
    if (periodo10 < kInicioSimplesNacional) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO : Período da GIM anterior ao início do Simples Nacional. Início do Simples em " +
            std::string(kInicioSimplesNacional) + " e a GIM informada é de " + periodo10);
    }
}

void TGimSN::VerificarTipo(const std::string& finalidade10, MensagensGimSN& mensagens) const {
    if (tipo_ != "N" && tipo_ != "R") {
        mensagens.rejeicoes.push_back("REJEIÇÃO (Reg.8818) Campo 5: Tipo inválido: " + tipo_);
        return;
    }
    if ((finalidade10 == "1" && tipo_ != "N") || (finalidade10 == "2" && tipo_ != "R")) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg.8818) Campo 5: Tipo da entrega lido no registro 8818 está diferente com a finalidade "
            "informada no registro 10. O lido no registro 8818 é \"" +
            tipo_ + "\" e a finalidade informada no registro 10 é \"" + finalidade10 + "\".");
    }
}

void TGimSN::VerificarRegime(MensagensGimSN& mensagens) const {
    if (regimePagamento_ != 3) {
        mensagens.rejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg.8818) Campo 13: Regime de apuração diferente do esperado. Esperado: 3 "
                     "Encontrado: %d",
                     {regimePagamento_}));
    }
}

void TGimSN::VerificarQuantidade(MensagensGimSN& mensagens) const {
    if (quantidade_ > 1) mensagens.rejeicoes.push_back("REJEIÇÃO : Encontrado mais de um registro 8818");
}

void TGimSN::VerificarEntradas(MensagensGimSN& mensagens) const {
    const Moeda apurado = totalEntradasApurado_;
    if (apurado < Moeda()) return;
    const Moeda diferenca = Abs(totalEntradas_ - apurado);
    const std::string corpo =
        "Campo 15: Total das entradas apurada nos registros 50 (Notas fiscais de entrada) e 70 (Serviço e/ou "
        "Conhecimento de Transporte) está diferente do encontrado no registro 88. O apurado " +
        Valor(apurado) + " e o lido no registro 88 é " + Valor(totalEntradas_);
    // A difference as large as the apurated total: nothing, or twice the entries, was declared.
    if (diferenca == apurado && diferenca > Moeda()) {
        mensagens.rejeicoes.push_back("REJEIÇÃO (Reg.8818) " + corpo);
    } else if (diferenca > kTolerancia) {
        mensagens.advertencias.push_back("ADVERTÊNCIA (Reg.8818) " + corpo);
    }
}

void TGimSN::VerificarRetidoFonte(Moeda apuradoRetido, MensagensGimSN& mensagens) const {
    if (apuradoRetido < Moeda()) return;
    const Moeda diferenca = Abs(apuradoRetido - icmsRetidoFonte_);
    const std::string corpo =
        "Campo 11: O valor do ICMS retido fonte lido no registro 8818 está diferente do apurado nos registros 53: "
        "Lido : " +
        FormatarValor(icmsRetidoFonte_, kMascaraLido) + " Apurado: " + Valor(apuradoRetido);
    if (icmsRetidoFonte_ == Moeda() && diferenca > Moeda()) {
        mensagens.rejeicoes.push_back("REJEIÇÃO (Reg 8818) " + corpo);
    } else if (diferenca > kTolerancia) {
        mensagens.advertencias.push_back("ADVERTÊNCIA (Reg 8818) " + corpo);
    }
}

void TGimSN::VerificarSubstituicaoSaida(Moeda apuradoSaidas, MensagensGimSN& mensagens) const {
    if (apuradoSaidas <= Moeda()) return;
    const Moeda diferenca = Abs(apuradoSaidas - substituicaoSaida_);
    const std::string corpo =
        "Campo 9: O valor da Substituição por Saída lido no registro 8818 está diferente do apurado nos registros "
        "53: Lido: " +
        FormatarValor(substituicaoSaida_, kMascaraLido) + " Apurado:" + Valor(apuradoSaidas);
    if (substituicaoSaida_ == Moeda() && diferenca > Moeda()) {
        mensagens.rejeicoes.push_back("REJEIÇAO (Reg 8818) " + corpo);
    } else if (diferenca > kTolerancia) {
        mensagens.advertencias.push_back("ADVERTÊNCIA (Reg 8818) " + corpo);
    }
}

void TGimSN::VerificarCategoria(MensagensGimSN& mensagens) const {
    if (categoria_ >= 1 && categoria_ <= 3) return;
    mensagens.rejeicoes.push_back(
        Formatar("REJEIÇÃO (Reg 8818) Campo 19: A Categoria do estabelecimento encontrada não é uma das categorias "
                 "possíveis. Categoria informada: %d.",
                 {categoria_}));
}

void TGimSN::VerificarFilial(const std::string& cnpj, MensagensGimSN& mensagens) const {
    if (categoria_ != 2) return;
    if (CnpjDeMatriz(cnpj)) {
        mensagens.advertencias.push_back(
            "ADVERTÊNCIA: O arquivo que está sendo entregue representa uma declaração de uma filial, contudo o CNPJ "
            "pode não ser de uma filial. Se existir a certeza que o CNPJ realmente é de uma filial, então ignore a "
            "advertência. O CNPJ é " +
            cnpj + ".");
    }
    if (faturamento_ != Moeda()) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg 8818) Campo 14: A entrega da declaração de Filial não deve apresentar o faturamento para o "
            "Simples. O faturamento encontrado: " +
            Valor(faturamento_) + ".");
    }
    if (aliquota_ != Moeda()) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg 8818) Campo 16: A entrega da declaração de Filial não deve apresentar a alíquota do ICMS no "
            "Simples. A alíquota encontrada: " +
            FormatarValor(aliquota_, kMascaraAliquota) + ".");
    }
    if (icmsARecolher_ != Moeda()) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg 8818) Campo 18: A entrega da declaração de Filial não deve apresentar o ICMS a recolher no "
            "Simples. O ICMS a recolher encontrado: " +
            Valor(icmsARecolher_) + ".");
    }
}

void TGimSN::VerificarMatriz(const std::string& cnpj, MensagensGimSN& mensagens) const {
    if (categoria_ != 1) return;
    if (!CnpjDeMatriz(cnpj)) {
        mensagens.advertencias.push_back(
            "ADVERTÊNCIA: O arquivo que está sendo entregue representa uma declaração de uma matriz ou estabelecimento "
            "único, contudo o CNPJ pode não ser de uma dessas categorias. Se existir a certeza que o CNPJ realmente é "
            "de uma dessas categorias, então ignore a advertência. O CNPJ é " +
            cnpj + ".");
    }
    if (faturamento_ == Moeda()) {
        if (icmsARecolher_ != Moeda()) {
            mensagens.rejeicoes.push_back(
                "REJEIÇÃO (Reg 8818): Foi encontrado um valor para o ICMS a recolher (campo 18), contudo o valor do "
                "faturamento (Campo 14) está zerado. Valor do ICMS a recolher encontrado: " +
                Valor(icmsARecolher_) + ".");
        }
        if (aliquota_ != Moeda()) {
            mensagens.rejeicoes.push_back(
                "REJEIÇÃO (Reg 8818): Foi encontrado um valor para a alíquota (campo 16), contudo o faturamento (campo "
                "14) está zerado. Valor da alíquota encontrada: " +
                FormatarValor(aliquota_, kMascaraAliquota) + ".");
        }
        return;
    }
    if (icmsARecolher_ == Moeda()) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg 8818): Foi encontrado um valor para o faturamento (campo 14), contudo o valor do ICMS a "
            "recolher (campo 18) está zerado. Valor do faturamento encontrado: " +
            Valor(faturamento_) + ".");
    }
    if (aliquota_ == Moeda()) {
        mensagens.rejeicoes.push_back(
            "REJEIÇÃO (Reg 8818): Foi encontrado um valor para o faturamento (campo 14), contudo a alíquota (campo 16) "
            "está zerada. Valor do faturamento encontrado: " +
            Valor(faturamento_) + ".");
    } else if (icmsARecolher_ > Moeda()) {
        const Moeda esperado = Proporcao(faturamento_, aliquota_.Unidades(), 100 * Moeda::kEscala);
        if (Valor(esperado) != Valor(icmsARecolher_)) {
            mensagens.advertencias.push_back(
                "ADVERTÊNCIA: O valor do ICMS a recolher (campo 18) obtido pela multiplicação do faturamento (campo "
                "14) pela alíquota (campo 16) é R$ " +
                Valor(esperado) + ". O valor informado no arquivo para o ICMS a recolher é R$ " +
                Valor(icmsARecolher_) +
                ". Este valor será lançado na base de dados da XAR e poderá ser fruto de futura cobrança. De forma que "
                "é importante ter certeza de que o valor informado no arquivo é o valor correto. Caso exista a "
                "certeza, então ignore a advertência.");
        }
    }
}

void TGimSN::VerificarMovimento(int qtd50, int qtd60, int qtd76, int qtd70, int qtd61,
                                MensagensGimSN& mensagens) const {
    const bool comMovimento = qtd50 > 0 || qtd60 > 0 || qtd76 > 0 || qtd70 > 0 || qtd61 > 0;
    if (categoria_ == 3) {
        if (!comMovimento) return;
        mensagens.rejeicoes.push_back(Formatar(
            "REJEIÇÃO (Reg 8818): Para a categoria de estabelecimento informada (campo 19), que é matriz sem "
            "movimento com filial com movimento, não pode ter notas e/ou cupons fiscais vinculados à declaração. As "
            "movimentações encontradas no arquivo são : Qtd. Registro 50 = %d; Qtd. Registro 60 = %d; Qtd. Registro "
            "61 = %d; Qtd. Registro 70 = %d; Qtd. Registro 76 = %d . ",
            {qtd50, qtd60, qtd61, qtd70, qtd76}));
    } else if (faturamento_ > Moeda() && !comMovimento) {
        mensagens.advertencias.push_back(
            "Advertência (Reg 8818): Foi encontrado um valor para o faturamento (campo 14), contudo nao foi encontrada "
            "nenhuma nota fiscal de saída ou cupom fiscal. O valor do faturamento encontrado é R$ " +
            Valor(faturamento_) + ".");
    }
}

}  // namespace zq
