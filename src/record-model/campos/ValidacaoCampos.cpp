#include "record-model/campos/ValidacaoCampos.h"

#include <exception>

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {

constexpr std::string_view kSemValorMonetario = "não possui um valor monetário válido";
constexpr std::string_view kSemValorNumerico = "não possui um valor numérico válido";

template <class Converter>
bool Validar(std::string_view linha, int posicao, int tamanho, std::string_view registro, std::string_view campo,
             std::string_view motivo, std::vector<std::string>& rejeicoes, Converter converter) {
    const std::string_view colunas = Colunas(linha, posicao, tamanho);
    try {
        converter(colunas);
        return true;
    } catch (const EValorNegativo&) {
        motivo = "possui valor negativo";
    } catch (const std::exception&) {
        // any other failure keeps the reason of the field's kind
    }
    rejeicoes.push_back(Formatar("REJEIÇÃO (Reg %s) Campo '%s' %s: '%s'", {registro, campo, motivo, colunas}));
    return false;
}

}  // namespace

bool ValidarCampoMonetario(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                           std::string_view campo, std::vector<std::string>& rejeicoes) {
    return Validar(linha, posicao, tamanho, registro, campo, kSemValorMonetario, rejeicoes,
                   [](std::string_view colunas) { MonetarioDoTexto(colunas, 2); });
}

bool ValidarCampoDecimal(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                         std::string_view campo, int decimais, std::vector<std::string>& rejeicoes) {
    return Validar(linha, posicao, tamanho, registro, campo, kSemValorMonetario, rejeicoes,
                   [decimais](std::string_view colunas) { DecimalDoTexto(colunas, decimais); });
}

bool ValidarCampoInteiro(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                         std::string_view campo, std::vector<std::string>& rejeicoes) {
    return Validar(linha, posicao, tamanho, registro, campo, kSemValorNumerico, rejeicoes,
                   [](std::string_view colunas) { InteiroDoTexto(colunas); });
}

bool ValidarCampoInteiro64(std::string_view linha, int posicao, int tamanho, std::string_view registro,
                           std::string_view campo, std::vector<std::string>& rejeicoes) {
    return Validar(linha, posicao, tamanho, registro, campo, kSemValorNumerico, rejeicoes,
                   [](std::string_view colunas) { Inteiro64DoTexto(colunas); });
}

}  // namespace zq
