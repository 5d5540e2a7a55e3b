#include "critique/handlers/registros88/Ramos88.h"

#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

constexpr std::size_t kTamanhoMinimoNome = 6;
constexpr int kDigitosMinimosTelefone = 8;
constexpr std::size_t kTamanhoMinimoEmail = 10;

// A CPF may be written in the 14 columns behind three zeros.
std::string_view DocumentoDoContabilista(std::string_view documento) {
    return documento.size() == 14 && documento.starts_with("000") ? documento.substr(3) : documento;
}

bool DocumentoValido(std::string_view documento) {
    return (documento.size() == 14 && CnpjValido(documento)) || (documento.size() == 11 && CpfValido(documento));
}

}  // namespace

// The accountant responsible for the declaration.
void Ramo8805::Processar(const LinhaRegistro88& linha) {
    Registrar(5);
    if (!Declaracao().dadosAnuais) {
        Exigir(1, "REJEIÇÃO (Reg.8805): Não Existe Registro 8801");
        Exigir(2, "REJEIÇÃO (Reg.8805): Não Existe Registro 8802");
    }
    Exigir(4, "REJEIÇÃO (Reg.8805): Não Existe Registro 8804");

    ConferirDocumento(linha.texto);
    ConferirCrc(linha.texto);
    ConferirContato(linha.texto);
    ConferirEmail(linha.texto);
    const std::string_view reservado = ColunasAparadas(linha.texto, 121, 5);
    if (!reservado.empty()) {
        Rejeitar("REJEIÇÃO (Reg.8805): Dado inserido incorretamente. Posição deve estar em branco: " +
                 std::string(reservado));
    }
}

void Ramo8805::ConferirDocumento(const std::string& linha) {
    const std::string_view colunas = Colunas(linha, 5, 14);
    const std::string_view informado = Aparar(colunas);
    if (!SoDigitosDecimais(informado)) {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8805): CPF/CNPJ do Contabilista inválido! CPF/CNPJ informado : '%s'",
                          {informado}));
        return;
    }
    const std::string_view documento = DocumentoDoContabilista(informado);
    if (!DocumentoValido(documento)) {
        Rejeitar("REJEIÇÃO (Reg.8805): Dígito verificador do CPF/CNPJ do Contabilista não é válido. CPF/CNPJ "
                 "informado " +
                 std::string(colunas));
    }
    if (documento == "00000000000") {
        Rejeitar(Formatar("REJEIÇÃO (Reg.8805): CPF/CNPJ do Contabilista não é válido. CPF/CNPJ informado '%s'",
                          {colunas}));
    }
}

void Ramo8805::ConferirCrc(const std::string& linha) {
    try {
        VerificarCrc(Colunas(linha, 19, 10));
    } catch (const Excecao& erro) {
        Rejeitar(erro.Mensagem());
    } catch (const std::exception&) {
        Rejeitar("REJEIÇÃO (Reg.8805): CRC do Contador inválido!");
    }
}

void Ramo8805::ConferirContato(const std::string& linha) {
    const std::string_view nome = ColunasAparadas(linha, 29, 40);
    if (nome.size() < kTamanhoMinimoNome) {
        Rejeitar("REJEIÇÃO (Reg.8805): Nome do Contabilista incompleto: " + std::string(nome));
    }
    const std::string_view telefone = ColunasAparadas(linha, 69, 12);
    if (ContarDigitos(telefone) < kDigitosMinimosTelefone) {
        Rejeitar("REJEIÇÃO (Reg.8805): Telefone do Contabilista inválido: " + std::string(telefone));
    }
}

// The authority writes to the accountant at this address.
void Ramo8805::ConferirEmail(const std::string& linha) {
    const std::string email(ColunasAparadas(linha, 81, 40));
    const bool temArroba = email.find('@') != std::string::npos;
    if (email.empty()) {
        Rejeitar("REJEIÇÃO (Reg.8805): E-Mail do Contabilista não está informado!");
    } else if (!temArroba) {
        Rejeitar("REJEIÇÃO (Reg.8805): E-Mail do Contabilista inválido: " + email);
    } else if (email.size() < kTamanhoMinimoEmail) {
        Rejeitar("REJEIÇÃO (Reg.8805): E-Mail do Contabilista incompleto: " + email);
    } else {
        if (email.find("www") != std::string::npos) {
            Advertir("ADVERTÊNCIA (Reg.8805): Confira o E-Mail do Contabilista: " + email);
            Advertir("O E-Mail será utilizado nas comunicações da XRA!");
        }
        return;
    }
    Advertir("O E-Mail será utilizado nas comunicações da XAR!");
}

}  // namespace zq
