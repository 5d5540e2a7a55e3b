#include "critique/handlers/ProcessadorRegistro60.h"

#include <algorithm>

#include "critique/totais/CalculosCritica.h"
#include "critique/totais/FechamentoEcf.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

// The CFOP under which the fiscal printers' sales join the EPP outputs.
constexpr int kCfopVendaEcf = 5949;

}  // namespace

void ProcessadorRegistro60::Processar(const LinhaCritica& linha) {
    const char subtipo = linha.texto.size() > 2 ? linha.texto[2] : ' ';
    EstadoDeclaracao& declaracao = contexto_.declaracao;
    try {
        if (subtipo == 'M') {
            ++declaracao.quantidade60M;
            FecharEcf(declaracao.ecf, kToleranciaEcf, contexto_.mensagens.ListaRejeicoes);
            AbrirEcf(linha.texto);
        } else if (subtipo == 'A') {
            SomarAnalitico(linha.texto);
        }
    } catch (const std::exception&) {
        contexto_.mensagens.ListaRejeicoes.push_back("REJEIÇÃO (Reg.60): Erro no processamento ECF: " +
                                                     declaracao.ecf.numero + " Data: " + declaracao.ecf.data);
    }
}

// The new ECF opens with its date and number even when its gross sale cannot be read: the next 60M, or
// the end of the file, closes it against its analytic records.
void ProcessadorRegistro60::AbrirEcf(const std::string& linha) {
    EcfAtual& ecf = contexto_.declaracao.ecf;
    ecf.vendaBruta = Moeda();
    ecf.somaAnaliticos = Moeda();
    const bool leiauteAntigo = contexto_.declaracao.codigoConvenio == 1;
    ecf.data.assign(Colunas(linha, 4, 8));
    ecf.numero.assign(Colunas(linha, leiauteAntigo ? 12 : 32, 3));
    ecf.aberto = true;
    try {
        ecf.vendaBruta = leiauteAntigo ? MonetarioDoCampo(linha, 66, 16, 2) - MonetarioDoCampo(linha, 50, 16, 2)
                                       : MonetarioDoCampo(linha, 58, 16, 2);
        objetos_.vlrRegistros.reg60.Adicionar(ecf.vendaBruta);
    } catch (const std::exception& erro) {
        contexto_.mensagens.ListaRejeicoes.push_back("Erro ao processar registro 60M:" + MensagemDe(erro));
    }
}

// A situation written as a rate ("1700" is 17.00 %) adds its ICMS to the debits of the fiscal printers.
void ProcessadorRegistro60::SomarAnalitico(const std::string& linha) {
    const bool leiauteAntigo = contexto_.declaracao.codigoConvenio == 1;
    const std::string_view situacao = Colunas(linha, leiauteAntigo ? 15 : 32, 4);
    const Moeda valor = MonetarioDoCampo(linha, leiauteAntigo ? 19 : 36, 12, 2);
    if (std::any_of(situacao.begin(), situacao.end(), IsDigito)) {
        const std::int64_t aliquota = InteiroDoTexto(Aparar(situacao));
        contexto_.declaracao.debitos60 += AplicarAliquotaTruncada(valor, aliquota);
        objetos_.complementos.epp->AcumularSaida(kCfopVendaEcf, valor);
    }
    contexto_.declaracao.ecf.somaAnaliticos += valor;
}

}  // namespace zq
