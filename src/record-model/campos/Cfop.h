#pragma once
// The fiscal operation code (CFOP) of a document and the direction it gives.

#include <cstdint>
#include <string>
#include <string_view>

namespace zq {

// "Entrada" for a code beginning with 1, 2 or 3, "Saída" for 5, 6 or 7, "<CFOP não informado (vazio)>" for
// a blank text and "<CFOP inválido (...)>" otherwise.
std::string NaturezaCfop(std::string_view texto);

class TCfop {
public:
    TCfop();
    explicit TCfop(std::int32_t codigo);

    std::int32_t Codigo() const { return codigo_; }
    // The first character of Texto() as a digit (0 when it is not one).
    int PrimeiroDigito() const { return primeiroDigito_; }
    // Characters 2 to 4 of Texto(), as a number (0 when empty or not one).
    int Complemento() const { return complemento_; }
    const std::string& Texto() const { return texto_; }
    const std::string& Natureza() const { return natureza_; }

    void SetCodigo(std::int32_t codigo);
    // The trimmed text read as an integer, 0 when it is not one (an earlier-layout "512" is 512).
    void SetTexto(std::string_view texto);

    bool IsEntrada() const { return primeiroDigito_ >= 1 && primeiroDigito_ <= 3; }
    bool IsSaida() const { return primeiroDigito_ >= 5 && primeiroDigito_ <= 7; }
    bool IsExterior() const { return primeiroDigito_ == 3 || primeiroDigito_ == 7; }
    bool IsInterna() const { return primeiroDigito_ == 1 || primeiroDigito_ == 5; }

private:
    void Calcular(std::int32_t codigo);

    std::int32_t codigo_ = 0;
    int primeiroDigito_ = 0;
    int complemento_ = 0;
    std::string texto_;
    std::string natureza_;
};

}  // namespace zq
