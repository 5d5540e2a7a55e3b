#pragma once
// The field descriptor: a fixed-width field whose text is validated by its kind, whose failure is kept as a
// message instead of stopping the parse. A record reads its descriptors with LerCampo, which lists every
// failed descriptor of the line in the record's Erros.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "record-model/campos/CampoRegistro.h"
#include "record-model/comum/Moeda.h"

namespace zq {

enum TipoCampo { tcAlfanumerico, tcInteiro, tcDecimal, tcMonetario, tcData };

class TCampoSintegra : public TCampoRegistro {
public:
    // A new descriptor holds the text of zero filling its width (number kinds) or an empty text.
    // A descriptor on its own.
    TCampoSintegra(TipoCampo tipo, int decimais, int tamanho, int posicao, std::string descricao);
    // A descriptor of `registro`.
    TCampoSintegra(TRegSintegra& registro, TipoCampo tipo, int decimais, int tamanho, int posicao,
                   std::string descricao);

    TipoCampo Tipo() const { return tipo_; }
    // The label of the error messages, such as "Valor total da nota fiscal".
    const std::string& Descricao() const { return descricao_; }
    int Decimais() const { return decimais_; }
    const std::string& Conteudo() const { return conteudo_; }
    // Why the last validation failed; empty when the text is valid.
    const std::string& Erro() const { return erro_; }

    // Takes the field's columns of the line and validates them.
    bool LerLinha(std::string_view linha);
    void SetConteudo(std::string_view texto);
    // Converts the text by the kind: a format error is kept in Erro; EValorNegativo and any other failure
    // reach the caller.
    bool Validar();

    // The text of a value, in the field's width; they do not validate and keep Erro as it is.
    void SetMonetario(Moeda valor);
    void SetDecimal(double valor);
    void SetInteiro(std::int32_t valor);
    void SetData(const std::chrono::year_month_day& data);

    // The value of the text, raising the conversion's exception when it is not valid.
    Moeda AsMonetario() const;
    double AsDecimal() const;
    std::int32_t AsInteiro() const;
    std::chrono::year_month_day AsData() const;
    const std::string& AsTexto() const { return conteudo_; }

    // As a field of a record: read through the record's LerCampo, written as the text it holds, cleared to
    // the text of a new descriptor.
    void Ler(std::string_view linha) override;
    void Montar(std::string& linha) const override;
    void Limpar() override;

private:
    TCampoSintegra(TRegSintegra* registro, TipoCampo tipo, int decimais, int tamanho, int posicao,
                   std::string descricao);
    void Atribuir(std::string texto);
    std::string TextoLimpo() const;

    TipoCampo tipo_;
    int decimais_;
    std::string descricao_;
    std::string conteudo_;
    std::string erro_;
};

}  // namespace zq
