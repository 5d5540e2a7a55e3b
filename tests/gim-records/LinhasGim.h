#pragma once
// Type-88 lines for the tests, composed by the record classes themselves and filled to 126 columns.

#include <string>

#include "gim-records/Reg8801.h"
#include "gim-records/Reg8802.h"
#include "gim-records/Reg8804.h"
#include "gim-records/Reg8805.h"
#include "gim-records/Reg8806.h"
#include "gim-records/Reg8814.h"
#include "gim-records/Reg8815.h"
#include "gim-records/Reg8816.h"
#include "gim-records/Reg8817.h"
#include "gim-records/Reg8818.h"
#include "gim-records/Reg8850.h"

namespace zq::teste {

template <class R, class Definir>
std::string Compor(Definir definir) {
    R registro;
    definir(registro);
    registro.SetAlterado(true);  // composed from the cleared fields when `definir` set none
    std::string linha = registro.GetLinha();
    if (linha.size() < 126) linha.resize(126, ' ');
    return linha;
}

inline std::string Linha8801(const std::string& periodo = "201705", char tipo = 'N', Moeda creditoEntradas = {}) {
    return Compor<TReg8801>([&](TReg8801& r) {
        r.SetInscricaoEstadual("161234569");
        r.SetPeriodo(periodo);
        r.SetTipoEntrega(tipo);
        r.SetCreditoEntradas(creditoEntradas);
    });
}

inline std::string Linha8802(const std::string& periodo = "201705", char tipo = 'N') {
    return Compor<TReg8802>([&](TReg8802& r) {
        r.SetInscricaoEstadual("161234569");
        r.SetPeriodo(periodo);
        r.SetTipoEntrega(tipo);
    });
}

inline std::string Linha8804(char regime, const std::string& periodo = "201705", char tipo = 'N') {
    return Compor<TReg8804>([&](TReg8804& r) {
        r.SetInscricaoEstadual("161234569");
        r.SetPeriodo(periodo);
        r.SetTipoEntrega(tipo);
        r.SetRegimeApuracao(regime);
    });
}

inline std::string Linha8805() {
    return Compor<TReg8805>([](TReg8805& r) {
        r.SetCpfCnpj("12345678909");
        r.SetCrc("ZQ012345O7");
        r.SetNome("CONTADOR EXEMPLO");
        r.SetTelefone("6133334444");
        r.SetEmail("contador@exemplo.com.br");
    });
}

inline std::string Linha8806(int ano = 2016, char tipo = 'N') {
    return Compor<TReg8806>([&](TReg8806& r) {
        r.SetInscricaoEstadual("161234569");
        r.SetAno(ano);
        r.SetTipoEntrega(tipo);
    });
}

inline std::string Linha8814() {
    return Compor<TReg8814>([](TReg8814&) {});
}

inline std::string Linha8815() {
    return Compor<TReg8815>([](TReg8815&) {});
}

inline std::string Linha8816() {
    return Compor<TReg8816>([](TReg8816&) {});
}

inline std::string Linha8817() {
    return Compor<TReg8817>([](TReg8817&) {});
}

inline std::string Linha8818(const std::string& periodo = "201801", char tipo = 'N') {
    return Compor<TReg8818>([&](TReg8818& r) {
        r.SetInscricaoEstadual("161234569");
        r.SetPeriodo(periodo);
        r.SetTipoEntrega(tipo);
        r.SetRegimeApuracao('3');
        r.SetCategoria('1');
    });
}

inline std::string Linha8850() {
    return Compor<TReg8850>([](TReg8850& r) {
        r.SetCnpjCpf("11222333000181");
        r.SetUf("ZQ");
        r.SetInscricaoEstadual("161234569");
        r.SetDataEmissao(std::chrono::year{2017} / 5 / 12);
        r.SetModelo(1);
        r.SetSerie("1");
        r.SetNumero(123);
        r.SetCfop(5102);
    });
}

}  // namespace zq::teste
