#pragma once
// State of one critique call shared by the driver and the record handlers.

#include <string>

#include "critique/MensagensCritica.h"
#include "critique/declaracao/EstadoDeclaracao.h"
#include "critique/Relatorio.h"

namespace zq {

// What the driver takes from the current record 10 for the lines after it.
struct DadosRegistro10 {
    std::string periodo;    // "yyyymm"
    std::string inscricao;  // first nine characters of the state registration
    std::string cnpj;
    long long linha = 0;
    char tipoEntrega = ' ';
};

struct ContextoCritica {
    explicit ContextoCritica(MensagensCritica& listas) : mensagens(listas) {}

    MensagensCritica& mensagens;
    CabecalhoRelatorio cabecalho;
    DadosRegistro10 registro10;
    EstadoDeclaracao declaracao;
    // No national record (types 50 to 76) since the last record 10.
    bool semMovimento = false;
    long long registros54Lidos = 0;
    long long notasSem54 = 0;
};

// One line handed to a handler.
struct LinhaCritica {
    const std::string& texto;
    long long numero;
};

}  // namespace zq
