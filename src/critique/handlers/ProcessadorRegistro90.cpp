#include "critique/handlers/ProcessadorRegistro90.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "critique/EnderecoSite.h"
#include "critique/fechamento/ConciliacaoSubstituicao.h"
#include "critique/fechamento/LeituraSegura.h"
#include "record-model/campos/CampoSintegra.h"
#include "record-model/comum/Formatador.h"
#include "record-model/campos/ValidacaoCampos.h"

namespace zq {
namespace {

// "yyyymm" as "yyyy-mm".
std::string PeriodoComHifen(const std::string& periodo) {
    return periodo.size() == 6 ? periodo.substr(0, 4) + "-" + periodo.substr(4, 2) : periodo;
}

std::string LinhaDeErro(const ErroRegistro& erro) {
    if (erro.Campo == nullptr) return erro.Texto;
    return Formatar("REJEICAO (REG.%s): Campo: %s - Erro: %s.",
                    {erro.Texto, erro.Campo->Descricao(), erro.Campo->Erro()});
}

}  // namespace

void ProcessadorRegistro90::Processar(const LinhaCritica& linha) {
    ValidarCampoInteiro(linha.texto, 126, 1, "90 - Totalização do arquivo", "Número de registros tipo 90",
                        contexto_.mensagens.ListaRejeicoes);
    if (Declaracao().registro90Processado) return;
    Declaracao().registro90Processado = true;

    VerificarEntregaRegimeNormal();
    objetos_.procReg50.VerificarLacunas(contexto_.mensagens.ListaAdvertencias);
    VerificarSequencia88();
    RelatarNotasSem54();
    VerificarQuantidades();
    VerificarSimplesNacional();
    ConciliarSubstituicao();
    VerificarTanques();
    VerificarRecibo8830();
    objetos_.complementos.quadroV->ConferirTotalSaidas(objetos_.vlrRegistros.TotalSaidas(),
                                                       contexto_.registro10.periodo, contexto_.mensagens);
    RelatarErros88();
    VerificarRegistrosExigidos();
}

void ProcessadorRegistro90::VerificarEntregaRegimeNormal() {
    if (!Declaracao().regimeNormal) return;
    objetos_.complementos.entregaRegimeNormal->Verificar(
        contexto_.registro10.inscricao, PeriodoComHifen(contexto_.registro10.periodo), contexto_.mensagens.ListaRejeicoes);
}

void ProcessadorRegistro90::VerificarSequencia88() {
    const std::vector<int>& subtipos = Declaracao().subtipos88;
    if (!std::is_sorted(subtipos.begin(), subtipos.end())) Rejeitar("REJEIÇÃO: Registros 88 fora da sequência");
}

void ProcessadorRegistro90::RelatarNotasSem54() {
    if (!Declaracao().existe54) return;
    TControle54& controle = objetos_.controle54;
    controle.RelatarPendencias(contexto_.mensagens.ListaAdvertencias);
    contexto_.registros54Lidos = Declaracao().quantidade54;
    contexto_.notasSem54 = static_cast<long long>(controle.Pendencias());
}

void ProcessadorRegistro90::VerificarQuantidades() {
    if (Quantidade88(5) > 1) Rejeitar("REJEIÇÃO: Encontrado mais de um registro 8805");
    if (Quantidade88(50) > Declaracao().quantidade50) {
        Rejeitar("REJEIÇÃO: Encontrado mais registros 8850 do que registros 50.");
        Rejeitar(Formatar("Quant. REG-8850: %d Quant. REG-50: %d", {Quantidade88(50), Declaracao().quantidade50}));
    }
}

void ProcessadorRegistro90::VerificarSimplesNacional() {
    if (!Declaracao().regimeSimples) return;
    const DetalhesGim& detalhes = objetos_.detalhes;
    const int q8819 = detalhes.encerrantes.Quantidade();
    const int q8820 = detalhes.estoqueTanques.Quantidade();
    const int q8826 = detalhes.veiculos.Quantidade();
    const int q8830 = detalhes.reciboMesAnterior.Quantidade();
    const int permitidos = q8819 + Quantidade88(50) + q8820 + Quantidade88(4) + Quantidade88(5) + Quantidade88(6) +
                           q8826 + q8830 + 1;
    if (Declaracao().quantidade88 <= permitidos) return;
    Rejeitar(Formatar(
        "REJEIÇÃO: Existem registros 88 que não são os permitidos na declaração do Simples Nacional. Os REG-88 aceitos "
        "na GIM do Simples Nacional são: O 8804, 8806, 8850, 8819, 8820 e 8826 (opcionais) e o 8805, 8818  e o 8830 "
        "(obrigatórios). De forma que a quantidade de registros 88 é superior a soma das quantidades de registros "
        "8850, 8819, 8820 e 8826 mais cinco (O \"cinco\" representa um registro 8818, 8805 e 8830 obrigatórios e os "
        "registros 8804 e 8806 opcionais).\r\n* Encontrados: Quant. REG-88: %d > (Qtd. REG-8850: %d + Qtd. REG-8819: "
        "%d + Qtd. REG-8820: %d + Qtd. REG-8805: %d + Qtd. REG-8804: %d + Qtd. REG-8806: %d + Qtd. REG-8826: %d + "
        "Qtd. REG-8830: %d + Qtd. REG-8818: 1) = %d",
        {Declaracao().quantidade88, Quantidade88(50), q8819, q8820, Quantidade88(5), Quantidade88(4),
         Quantidade88(6), q8826, q8830, permitidos}));
}

void ProcessadorRegistro90::ConciliarSubstituicao() {
    const TReg8802& registro8802 = objetos_.registros88.Registro8802();
    const auto campo12 = ValorSeValido([&] { return registro8802.StSaidasJaRecolhida(); });
    const auto campo13 = ValorSeValido([&] { return registro8802.StRetencaoFonte(); });
    if (!campo12 || !campo13) return;
    const ComplementosCritica& complementos = objetos_.complementos;
    const ValoresSubstituicao valores{Declaracao().diferencaSt8802,
                                      complementos.funcep->FuncepStSaidas(),
                                      *campo12,
                                      *campo13,
                                      objetos_.acumReg53.RetidoSaidasAntecipacao5(),
                                      objetos_.acumReg53.RetidoSaidas()};
    ConciliacaoSubstituicao(objetos_.detalhes, *complementos.funcep)
        .Conciliar(valores, contexto_.mensagens);
}

void ProcessadorRegistro90::VerificarTanques() {
    const int encerrantes = objetos_.detalhes.encerrantes.QuantidadeTanques();
    const int estoque = objetos_.detalhes.estoqueTanques.QuantidadeTanques();
    if (estoque >= encerrantes) return;
    Rejeitar(Formatar("REJEIÇÃO (Reg.8819) Campo 9 (Tanque): Nem todos os tanques informados no registro 8819 estão no "
                      "registro 8820 Campo(4). Qtd. de Tanques informados : 8819 = %d e 8820 = %d",
                      {encerrantes, estoque}));
}

// A normal monthly delivery must carry the receipt of the previous month.
void ProcessadorRegistro90::VerificarRecibo8830() {
    if (objetos_.detalhes.reciboMesAnterior.Quantidade() != 0 || contexto_.registro10.tipoEntrega != '1' ||
        Declaracao().dadosAnuais) {
        return;
    }
    TReg8830::VerificarAusencia(contexto_.registro10.periodo, kEnderecoSiteXar, contexto_.mensagens.ListaRejeicoes,
                                contexto_.mensagens.ListaAvisos);
}

// The errors of the record set that no branch reported yet (the records without a branch, the lines that could
// not be read); each one once.
void ProcessadorRegistro90::RelatarErros88() {
    const ListaErros& erros = objetos_.registros88.Erros();
    if (erros.empty()) return;
    std::vector<std::string>& rejeicoes = contexto_.mensagens.ListaRejeicoes;
    std::vector<std::string> novas;
    {
        const std::unordered_set<std::string_view> relatadas(rejeicoes.begin(), rejeicoes.end());
        for (const ErroRegistro& erro : erros) {
            std::string linha = LinhaDeErro(erro);
            if (!relatadas.contains(linha)) novas.push_back(std::move(linha));
        }
    }
    rejeicoes.insert(rejeicoes.end(), std::make_move_iterator(novas.begin()), std::make_move_iterator(novas.end()));
}

void ProcessadorRegistro90::VerificarRegistrosExigidos() {
    EstadoDeclaracao& declaracao = Declaracao();
    if (!declaracao.dadosAnuais && !declaracao.regimeSimples) {
        if (!Presente88(1)) Rejeitar("REJEIÇÃO: Não Existe Registro 8801");
        if (!Presente88(2)) Rejeitar("REJEIÇÃO: Não Existe Registro 8802");
    }
    if (!declaracao.regimeSimples) {
        if (!Presente88(4)) Rejeitar("REJEIÇÃO: Não Existe Registro 8804 (Informações Complementares)");
        if (!Presente88(5)) Rejeitar("REJEIÇÃO: Não Existe Registro 8805 (Informações Contador)");
    }
    if (declaracao.dadosAnuais) {
        for (const int subtipo : {1, 2, 15, 16}) declaracao.Registro88(subtipo).presente = true;
        if (!Presente88(6)) Rejeitar("REJEIÇÃO: Não Existe Registro 8806 (Dados Anuais)");
    }
    if (declaracao.regimeEpp && !Presente88(14) && !Presente88(17) && !declaracao.dadosAnuais) {
        Rejeitar("REJEIÇÃO (Reg.8804): Não Existe Registro com Informações Crédito - EPP.");
    }
    if (declaracao.regimeNormal) {
        if (Presente88(14)) Rejeitar("REJEIÇÃO (Reg8804): Empresa NORMAL não pode informar Registro 8814.)");
        if (Presente88(17)) Rejeitar("REJEIÇÃO (Reg.8804): Empresa NORMAL não pode informar Registro 8817.)");
    }
    if (declaracao.apos012005) {
        if (declaracao.regimeEpp && (Presente88(15) || Presente88(16)) && !declaracao.dadosAnuais) {
            Rejeitar("REJEIÇÃO (Reg.8804): Não informar registros 8815 e 8816 em GIM EPP!");
        }
        if (declaracao.regimeNormal && (!Presente88(15) || !Presente88(16))) {
            Rejeitar("REJEIÇÃO (Reg.8804): Empresa NORMAL deve informar Registros 8815 e 8816.");
        }
    }
}

}  // namespace zq
