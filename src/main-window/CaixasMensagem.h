#pragma once
// The program's message boxes: caption "<title> - <kind>", the kind's icon, "&Sim", "&Não", "&Ok", centred
// over the active window. Every box of the program goes through Caixas(); tests answer them through
// DefinirRespondedor without any box appearing.

#include <QString>
#include <functional>

#include "selection/Mensagens.h"

class QWidget;

namespace zq::janela {

enum class TTipoCaixa { Informacao, Erro, Confirmacao, Aviso, Simples };

struct TCaixaPedida {
    TTipoCaixa Tipo = TTipoCaixa::Simples;
    QString Titulo;
    QString Texto;
    bool PadraoSim = false;  // questions only
};

// Answers a box in place of the user: true for "&Sim" (ignored for boxes with one button).
using TRespondedor = std::function<bool(const TCaixaPedida&)>;
void DefinirRespondedor(TRespondedor respondedor);  // empty: real boxes

class TCaixas final : public TCaixasMensagem {
public:
    static TCaixas& Programa();
    static inline const QString kTituloAplicacao = QStringLiteral("Validador XAR-ZQ");

    void Informacao(const QString& texto);
    void Erro(const QString& texto);
    void Simples(const QString& texto);
    bool Pergunta(const QString& texto, bool padraoSim);

    // The core's boxes (CP1252 texts).
    void Informacao(const std::string& texto) override;
    void Erro(const std::string& texto) override;
    bool Confirmar(const std::string& texto) override;

private:
    bool Mostrar(const TCaixaPedida& caixa);
};

}  // namespace zq::janela
