#pragma once
// What xrazq writes: tables on standard output, message boxes on standard error, both UTF-8.

#include <ostream>
#include <string>
#include <vector>

#include "selection/Mensagens.h"
#include "selection/tabelas/TabelasValidador.h"

namespace zq::xrazq {

// A CP1252 message as terminal text: UTF-8, each "\r" (or "\r\n") a line break.
std::string TextoDeMensagem(const std::string& textoCp1252);

// Message boxes written to standard error, one message per block, ending in a line break.
class TCaixasTerminal final : public TCaixasMensagem {
public:
    void Informacao(const std::string& texto) override;
    void Erro(const std::string& texto) override;
};

// The named columns of the table, tab-separated: a header line, then one line per row in table order. Texts
// lose trailing blanks; "ArquivoTxt" is the file name of PathTxt.
template <class TLinha>
void EscreverTabela(std::ostream& saida, const TTabelaMemoria<TLinha>& tabela, const std::vector<std::string>& colunas);

}  // namespace zq::xrazq
