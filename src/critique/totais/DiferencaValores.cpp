#include "critique/totais/DiferencaValores.h"

#include <algorithm>

#include "critique/totais/CalculosCritica.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {

std::optional<std::string> DataDaNota(std::string_view lida) {
    if (lida.size() != 8 || !std::all_of(lida.begin(), lida.end(), IsDigito)) return std::nullopt;
    try {
        return DataDMA(DataDoAAAAMMDD(lida));
    } catch (const EErroConversao&) {
        return std::string(lida);
    }
}

std::string ValoresEncontrados(const ValoresNota& valores, std::string_view numero, std::string_view data) {
    std::string texto = "Valor contabil = " + FormatarValor(valores.total) +
                        ", base de cálculo = " + FormatarValor(valores.base) +
                        ", isentas = " + FormatarValor(valores.isentas) +
                        " e outras = " + FormatarValor(valores.outras) + ". NF: ";
    texto.append(numero).append(" Data: ").append(data).append(". VERIFIQUE POSSÍVEL ERRO DE DIGITAÇÃO");
    return texto;
}

std::string MensagemDiferencaValores(std::string_view tipo, int registro, std::string_view sinal,
                                     const ValoresNota& valores, std::string_view numero, std::string_view dataLida) {
    const std::optional<std::string> data = DataDaNota(dataLida);
    if (!data) {
        return Formatar("REJEIÇÃO (Reg %d): Não foi possivel converter a data da NF %s em uma data valida. A data a "
                        "ser convertida é %s",
                        {registro, numero, dataLida});
    }
    return Formatar("%s (Reg %d): ValorContabil %s BaseCalculo + Isentas + Outras. Valores encontrados: ",
                    {tipo, registro, sinal}) +
           ValoresEncontrados(valores, numero, *data);
}

}  // namespace zq
