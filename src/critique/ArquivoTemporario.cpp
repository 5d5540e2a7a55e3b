#include "critique/ArquivoTemporario.h"

#include "platform/Plataforma.h"

namespace zq {

std::filesystem::path PastaArquivoTemporario() { return PlataformaAtual().PastaTemporaria() / "morvanta"; }

std::filesystem::path ArquivoTemporario() { return PastaArquivoTemporario() / "MORVANTA.TMP"; }

}  // namespace zq
