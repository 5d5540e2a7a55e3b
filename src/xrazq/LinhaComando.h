#pragma once
// The arguments of xrazq.

#include <stdexcept>
#include <string>
#include <vector>

#include "selection/selecao/FiltroSelecao.h"

namespace zq::xrazq {

// Arguments that make no command; the text says what is wrong.
class EUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TComando { Versao, Varrer, Selecionar, Motivos, Gerar, Sfn, Recibos, Conferencia, Comprovantes };

struct TArgumentos {
    TComando Comando = TComando::Versao;
    std::string Pasta;       // CP1252
    std::string PastaSaida;  // CP1252; "gerar" only
    std::string ArquivoPdf;  // CP1252; "conferencia" and "comprovantes"
    bool ModoConferencia = false;  // "comprovantes --conferencia"
    int Linha = 0;                 // "comprovantes --linha N": the receipt's row, from 1; 0 for every chosen one
    TFiltroDeclaracoes Filtro;
};

// Arguments after the program's name, UTF-8. EUso when they make no command.
TArgumentos LerArgumentos(const std::vector<std::string>& argumentos);

extern const char* const kTextoUso;

}  // namespace zq::xrazq
