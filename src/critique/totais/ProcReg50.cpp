#include "critique/totais/ProcReg50.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "critique/totais/CalculosCritica.h"
#include "critique/totais/DiferencaValores.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/DigitosVerificadores.h"
#include "record-model/comum/Formatador.h"
#include "record-model/registros/Reg50.h"
#include "record-model/totais/TabelasCfop.h"

namespace zq {
namespace {

bool Contem(std::initializer_list<int> codigos, int codigo) {
    return std::find(codigos.begin(), codigos.end(), codigo) != codigos.end();
}

bool CfopDiferencaAliquota(int cfop) { return Contem({2551, 2552, 2556, 2557}, cfop); }
bool CfopForaDosDebitos(int cfop) { return Contem({5601, 5602, 5603, 6603, 5934, 6934}, cfop); }
bool CfopTransferenciaRecebida(int cfop) { return Contem({1601, 1602, 1603, 2603}, cfop); }
bool CfopTransferenciaEnviada(int cfop) { return Contem({5601, 5602, 5603, 6603}, cfop); }

bool CfopDeGrupoPermitido(int cfop) {
    return Contem({1120, 1360, 1410, 1660, 1910, 1920, 2120, 2410, 2660, 2910, 2920, 3930, 5110, 5120,
                   5210, 5360, 5410, 5660, 5910, 5920, 6110, 6120, 6210, 6410, 6660, 6910, 6920, 7930},
                  cfop);
}

// Above 999,000.00 the base is worth a second look.
constexpr Moeda kBaseElevada = Moeda::DeReais(999000);
constexpr Moeda kToleranciaIcms = Moeda::DeCentavos(10);
// Beyond this many missing numbers the series is taken to have wrapped or restarted.
constexpr std::int32_t kMaiorLacuna = 4000;
constexpr std::int32_t kUltimoNumero = 999999;

// The invoice's date as the messages name it ("dd/mm/yyyy"), written only when one is.
std::string DataNota(const TReg50& registro) {
    return registro.DataEmissao() ? DataDMA(*registro.DataEmissao()) : std::string();
}

std::string ListaValores(const TReg50& registro) {
    const ValoresNota valores{registro.ValorTotal(), registro.BaseCalculo(), registro.Isentas(), registro.Outras()};
    return ". Valores encontrados: " + ValoresEncontrados(valores, registro.NumeroTexto(), DataNota(registro)) + ".";
}

}  // namespace

void TProcReg50::Processar(const TReg50& registro, MensagensCritica& mensagens) {
    const TCfop& cfop = registro.Cfop();
    const int codigo = cfop.Codigo();
    creditoTransferencia_ = true;

    if (cfop.Texto().size() == 4 && cfop.Texto().back() == '0' && !CfopDeGrupoPermitido(codigo)) {
        mensagens.ListaRejeicoes.push_back(
            Formatar("REJEIÇÃO (Reg 50): O CFOP %s utilizado na nota fiscal %s de %s é um CFOP de grupo.",
                     {cfop.Texto(), registro.NumeroTexto(), DataNota(registro)}));
    }
    if (registro.BaseCalculo() > kBaseElevada) {
        mensagens.ListaAdvertencias.push_back(
            Formatar("ADVERTÊNCIA (Reg 50): Confira o valor da base de cálculo. R$ %s - NF: %s Data: %s",
                     {FormatarValor(registro.BaseCalculo()), registro.NumeroTexto(), DataNota(registro)}));
    }
    ConferirValores(registro, mensagens);
    ConferirIcms(registro, mensagens);
    VerificarEmitente(registro, mensagens);

    const char situacao = registro.Situacao();
    const bool normalOuExtemporanea = situacao == 'N' || situacao == 'E';
    if ((cfop.IsEntrada() && CfopForaDaListaC(cfop.Texto()) && situacao == 'N') || situacao == 'E') {
        creditosEntradas_ += registro.ValorIcms();
    }
    if (CfopDiferencaAliquota(codigo)) diferencaAliquota_ += registro.ValorIcms();

    TGimEPP& epp = *complementos_.epp;
    if (normalOuExtemporanea && cfop.IsEntrada()) {
        epp.AcumularAquisicao(codigo, registro.ValorTotal());
        complementos_.simplesNacional->AcumularEntrada(registro.ValorTotal());
        if (cfop.PrimeiroDigito() == 1) epp.AcumularAquisicaoInterna(codigo, registro.ValorTotal());
    }
    epp.AcumularSaida(codigo, registro.BaseCalculo());

    if (cfop.IsSaida() && !CfopForaDosDebitos(codigo)) debitosSaidas_ += registro.ValorIcms();

    const bool recebida = CfopTransferenciaRecebida(codigo);
    if (recebida || CfopTransferenciaEnviada(codigo)) {
        if (creditoTransferencia_) {
            (recebida ? transferenciasRecebidas_ : transferenciasEnviadas_) += registro.ValorIcms();
        } else {
            mensagens.ListaAdvertencias.push_back(
                Formatar("ADVERTÊNCIA (Reg.50): Emitente/Destinatário informado pelo CNPJ/CPF: %s - Inscrição: %s na "
                         "NF: %s Data: %s CFOP: %d. (Não gera crédito para Tranferência) ",
                         {registro.Cnpj(), registro.InscricaoEstadual(), registro.NumeroTexto(), DataNota(registro),
                          codigo}));
        }
    }
}

void TProcReg50::ConferirValores(const TReg50& registro, MensagensCritica& mensagens) const {
    const TCfop& cfop = registro.Cfop();
    const Moeda soma = registro.BaseCalculo() + registro.Isentas() + registro.Outras();
    if (soma == registro.ValorTotal() || CfopSemConferenciaDeValores(cfop.Texto())) return;

    const std::int64_t divergencia =
        registro.ValorTotal() == Moeda() ? 0 : DivergenciaRelativa(registro.ValorTotal(), soma);
    if (divergencia > 10 * 10000) {
        mensagens.ListaRejeicoes.push_back(
            "REJEIÇÃO (Reg 50): ValorContabil(VC) <> BaseCalculo(BC) + Isentas(I) + Outras(O) e o percentual "
            "encontrado de " + PercentualDaDivergencia(divergencia) +
            "% ao resolver a expressão |{[(BC + I + O) - VC]/VC * 100}| é superior a 1000% em uma operação com o "
            "CFOP " + cfop.Texto() + ListaValores(registro));
    } else if (!CfopSemAdvertenciaDeValores(cfop.Texto())) {
        mensagens.ListaAdvertencias.push_back(
            "ADVERTÊNCIA (Reg 50): ValorContabil <> BaseCalculo + Isentas + Outras para o CFOP " + cfop.Texto() +
            ListaValores(registro) +
            " Se existir a certeza de que os valores informados estão corretos, então ignore a advertência.");
    }
}

void TProcReg50::ConferirIcms(const TReg50& registro, MensagensCritica& mensagens) {
    const TCfop& cfop = registro.Cfop();
    const Moeda icms = registro.ValorIcms();
    const Moeda base = registro.BaseCalculo();
    const std::int64_t aliquota = CentesimosDePercentual(registro.Aliquota());

    if (registro.Uf() == "ZQ") {
        const Moeda esperado = AplicarAliquotaArredondada(base, aliquota);
        const Moeda diferenca = Abs(esperado - icms);
        if (esperado > Moeda() && diferenca > kToleranciaIcms) {
            std::string mensagem = Formatar(
                "REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação dentro do estado está diferente do valor "
                "de ICMS esperado(IE). IE = Base de cálculo(BC) x alíquota(A). ICMS informado na nota: %m(II). "
                "Calculado: %m(BC) x %s(A) = %m(IE). Nota fiscal: %s  Data: %s CFOP: %s.",
                {icms, base, TextoAliquota(aliquota), esperado, registro.NumeroTexto(), DataNota(registro),
                 cfop.Texto()});
            RegraEspecial& regraEspecial = *complementos_.regraEspecial;
            if (regraEspecial.Existe()) {
                regraEspecial.AcumularDiferenca(diferenca);
                regraEspecial.Adiar(std::move(mensagem));
            } else {
                mensagens.ListaRejeicoes.push_back(std::move(mensagem));
            }
        }
    } else if (cfop.IsEntrada()) {
        const std::int64_t aliquotaEsperada = CentesimosDePercentual(
            AliquotaInterestadualEsperada(registro.Uf(), true, cfop.IsExterior(), cfop.Texto()));
        const Moeda esperado = AplicarAliquotaArredondada(base, aliquotaEsperada);
        if (esperado > Moeda() && icms > esperado + kToleranciaIcms) {
            mensagens.ListaRejeicoes.push_back(Formatar(
                "REJEIÇÃO (Reg 50): O valor do ICMS informado(II) na operação interestadual/exterior é superior ao "
                "ICMS esperado(IE). IE = Base de Cálculo(BC) x aliquota esperada(AE). ICMS informado na nota: %m(II). "
                "Calculado: %m(BC) x %s(AE) = %m(IE). UF: %s  Alíquota informada: %s  CFOP: %s  Nota fiscal: %s  "
                "Data: %s.",
                {icms, base, TextoAliquota(aliquotaEsperada), esperado, registro.Uf(), TextoAliquota(aliquota),
                 cfop.Texto(), registro.NumeroTexto(), DataNota(registro)}));
        }
    }
}

// Transfer credit needs a registered issuer or recipient identified by a valid CNPJ.
void TProcReg50::VerificarEmitente(const TReg50& registro, MensagensCritica& mensagens) {
    if (CfopForaDaListaC(registro.Cfop().Texto()) && registro.InscricaoEstadual() == "ISENTO") {
        creditoTransferencia_ = false;
    }
    const std::string_view cnpjLido = Colunas(registro.Linha(), 3, 14);
    if (cnpjLido.size() == 14 && ValidarCpf(cnpjLido.substr(3))) {
        creditoTransferencia_ = false;
    } else if (registro.Uf() != "EX" && !ValidarCnpj(cnpjLido)) {
        mensagens.ListaAdvertencias.push_back(
            Formatar("(Reg 50) CPF/CNPJ Inválido: %s NF: %s Data: %s",
                     {cnpjLido, registro.NumeroTexto(), DataNota(registro)}));
        creditoTransferencia_ = false;
    }
}

void TProcReg50::RegistrarNumeracao(const TReg50& registro, std::string_view cnpjDeclarante) {
    Serie serie{};
    const std::string& texto = registro.Serie();
    std::copy_n(texto.begin(), std::min(texto.size(), serie.size()), serie.begin());

    const TCfop& cfop = registro.Cfop();
    if (!cfop.IsEntrada()) {
        Guardar(saidas_, serie, registro.Numero());
    } else if (registro.Cnpj() == cnpjDeclarante || registro.Emitente() == 'P' ||
               (registro.Uf() == "EX" && cfop.PrimeiroDigito() == 3)) {
        Guardar(entradasProprias_, serie, registro.Numero());
    }
}

void TProcReg50::Guardar(std::vector<FaixaNotas>& faixas, const Serie& serie, std::int32_t numero) {
    if (!faixas.empty()) {
        FaixaNotas& ultima = faixas.back();
        if (ultima.serie == serie && numero >= ultima.primeiro && numero <= ultima.ultimo + 1) {
            ultima.ultimo = std::max(ultima.ultimo, numero);
            return;
        }
    }
    faixas.push_back({serie, numero, numero});
}

void TProcReg50::Unir(std::vector<FaixaNotas>& faixas) {
    std::sort(faixas.begin(), faixas.end());
    std::size_t unidas = 0;
    for (const FaixaNotas& faixa : faixas) {
        if (unidas > 0 && faixas[unidas - 1].serie == faixa.serie && faixa.primeiro <= faixas[unidas - 1].ultimo + 1) {
            faixas[unidas - 1].ultimo = std::max(faixas[unidas - 1].ultimo, faixa.ultimo);
        } else {
            faixas[unidas++] = faixa;
        }
    }
    faixas.resize(unidas);
}

// The output numbers in order: a number more than one above the previous one of its
// series leaves a gap.
void TProcReg50::VerificarLacunas(std::vector<std::string>& advertencias) {
    Unir(saidas_);
    Unir(entradasProprias_);
    if (saidas_.empty()) return;
    if (saidas_.back().ultimo == kUltimoNumero && saidas_.front().primeiro != 1) return;

    std::vector<std::string> linhas;
    for (std::size_t i = 1; i < saidas_.size(); ++i) {
        const FaixaNotas& anterior = saidas_[i - 1];
        const FaixaNotas& atual = saidas_[i];
        if (atual.serie != anterior.serie) continue;
        if (atual.primeiro - anterior.ultimo - 1 > kMaiorLacuna) return;
        RelatarLacuna(atual.serie, anterior.ultimo + 1, atual.primeiro - 1, linhas);
    }
    std::sort(linhas.begin(), linhas.end());
    linhas.erase(std::unique(linhas.begin(), linhas.end()), linhas.end());
    advertencias.insert(advertencias.end(), linhas.begin(), linhas.end());
}

// The missing numbers from `primeiro` to `ultimo` that are not the declarant's
// entries of the same series, as runs of consecutive numbers.
void TProcReg50::RelatarLacuna(const Serie& serie, std::int32_t primeiro, std::int32_t ultimo,
                               std::vector<std::string>& linhas) const {
    const std::string textoSerie(serie.begin(), std::find(serie.begin(), serie.end(), '\0'));
    const auto relatar = [&](std::int32_t de, std::int32_t ate) {
        linhas.push_back(Formatar("ADVERTÊNCIA (Reg 50): A(s) nota(s) fiscal(is) de %d a %d não está(ã0) "
                                  "declarada(s) na série de notas '%s'. ",
                                  {de, ate, textoSerie}));
    };
    auto entrada = std::upper_bound(entradasProprias_.begin(), entradasProprias_.end(),
                                    FaixaNotas{serie, primeiro, kUltimoNumero});
    if (entrada != entradasProprias_.begin() && std::prev(entrada)->serie == serie &&
        std::prev(entrada)->ultimo >= primeiro) {
        --entrada;
    }
    std::int32_t inicio = primeiro;
    for (; entrada != entradasProprias_.end() && entrada->serie == serie && entrada->primeiro <= ultimo; ++entrada) {
        if (entrada->primeiro > inicio) relatar(inicio, entrada->primeiro - 1);
        inicio = std::max(inicio, entrada->ultimo + 1);
    }
    if (inicio <= ultimo) relatar(inicio, ultimo);
}

}  // namespace zq
