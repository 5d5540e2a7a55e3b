#include "record-model/arquivos/Interacao.h"

namespace zq {
namespace {
TInteracao semInterface;
TInteracao* interacaoDefinida = nullptr;
}  // namespace

TInteracao& InteracaoAtual() { return interacaoDefinida ? *interacaoDefinida : semInterface; }

void DefinirInteracao(TInteracao* interacao) { interacaoDefinida = interacao; }

}  // namespace zq
