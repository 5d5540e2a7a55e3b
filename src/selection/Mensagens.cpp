#include "selection/Mensagens.h"

#include "platform/Plataforma.h"

namespace zq {
namespace {

class CaixasDaPlataforma final : public TCaixasMensagem {
public:
    void Informacao(const std::string& texto) override { PlataformaAtual().MostrarMensagem(texto); }
    void Erro(const std::string& texto) override { PlataformaAtual().MostrarMensagem(texto); }
};

TCaixasMensagem* caixasDefinidas = nullptr;

}  // namespace

TCaixasMensagem& CaixasAtuais() {
    static CaixasDaPlataforma padrao;
    return caixasDefinidas ? *caixasDefinidas : padrao;
}

void DefinirCaixas(TCaixasMensagem* caixas) { caixasDefinidas = caixas; }

}  // namespace zq
