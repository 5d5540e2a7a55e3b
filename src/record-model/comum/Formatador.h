#pragma once
// The message patterns of the system ("%s", "%d", "%.3d", "%x", "%m", "%n",
// "%0:s") and the amount masks ("###,###,###,##0.00"), in the fixed
// Brazilian Portuguese locale: "1.234,56", "R$ 1.234,56".

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "record-model/comum/Moeda.h"

namespace zq {

// A pattern that does not fit its arguments.
class EErroFormato : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ArgumentoFormato {
public:
    ArgumentoFormato(int valor) : valor_(std::int64_t{valor}) {}
    ArgumentoFormato(unsigned valor) : valor_(std::int64_t{valor}) {}
    ArgumentoFormato(long valor) : valor_(std::int64_t{valor}) {}
    ArgumentoFormato(long long valor) : valor_(std::int64_t{valor}) {}
    ArgumentoFormato(unsigned long valor) : valor_(static_cast<std::int64_t>(valor)) {}
    ArgumentoFormato(unsigned long long valor) : valor_(static_cast<std::int64_t>(valor)) {}
    ArgumentoFormato(const char* valor) : valor_(std::string(valor)) {}
    ArgumentoFormato(std::string_view valor) : valor_(std::string(valor)) {}
    ArgumentoFormato(const std::string& valor) : valor_(valor) {}
    ArgumentoFormato(Moeda valor) : valor_(valor) {}

    const std::variant<std::int64_t, std::string, Moeda>& Valor() const { return valor_; }

private:
    std::variant<std::int64_t, std::string, Moeda> valor_;
};

std::string Formatar(std::string_view padrao, std::initializer_list<ArgumentoFormato> argumentos);

// An amount with a numeric mask: '#' optional digit, '0' required digit,
// ',' thousands grouping, '.' decimal point. Rounds halves away from zero.
std::string FormatarValor(Moeda valor, std::string_view mascara = "###,###,###,##0.00");

}  // namespace zq
