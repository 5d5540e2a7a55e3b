#include "reports/descricao/IdentificacaoPrograma.h"

#include "record-model/comum/Formatador.h"

namespace zq {

std::string TIdentificacaoPrograma::Texto() const { return Formatar("%s (Versão %s)", {Titulo, Versao}); }

}  // namespace zq
