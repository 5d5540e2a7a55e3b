#include "critique/totais/DiferencaValores.h"

#include "record-model/comum/Formatador.h"

namespace zq {

std::string ValoresEncontrados(const ValoresNota& valores, std::string_view numero, std::string_view data) {
    std::string texto = "Valor contabil = " + FormatarValor(valores.total) +
                        ", base de cálculo = " + FormatarValor(valores.base) +
                        ", isentas = " + FormatarValor(valores.isentas) +
                        " e outras = " + FormatarValor(valores.outras) + ". NF: ";
    texto.append(numero).append(" Data: ").append(data).append(". VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO");
    return texto;
}

std::string MensagemDiferencaValores(std::string_view tipo, int registro, std::string_view sinal,
                                     const ValoresNota& valores, std::string_view numero, std::string_view data) {
    return Formatar("%s (Reg %d): ValorContabil %s BaseCalculo + Isentas + Outras. Valores encontrados: ",
                    {tipo, registro, sinal}) +
           ValoresEncontrados(valores, numero, data);
}

}  // namespace zq
