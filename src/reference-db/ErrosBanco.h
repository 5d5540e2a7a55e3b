#pragma once
// The failures of the reference database, each carrying its Portuguese message.

#include "record-model/comum/Excecao.h"

namespace zq {

// The package is missing from the host's folder.
class ErroArqBanco : public Excecao {
public:
    using Excecao::Excecao;
};

// The database could not be opened.
class ErroNaConexao : public Excecao {
public:
    using Excecao::Excecao;
};

// A selection of reference rows failed or returned values that cannot be read.
class ErroExeSql : public Excecao {
public:
    using Excecao::Excecao;
};

}  // namespace zq
