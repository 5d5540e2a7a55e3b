#include "selection/DmValidador.h"

#include <algorithm>
#include <filesystem>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Interacao.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"
#include "selection/tabelas/TabelaMemoria.h"
#include "selection/transmissao/ArquivoGimAtf.h"
#include "selection/transmissao/ConferenciaRecibos.h"
#include "selection/varredura/ConferenciaTxt.h"
#include "selection/varredura/DataHoraArquivo.h"

namespace zq {
namespace {

std::string Subpasta(const std::string& base, std::initializer_list<const char*> partes) {
    std::string pasta = base;
    for (const char* parte : partes) pasta += std::string(parte) + kBarraPasta;
    return pasta;
}

void CriarPasta(const std::string& pasta) {
    std::error_code erro;
    std::filesystem::create_directories(CaminhoNativo(pasta), erro);
}

// A character of record 10 as part of a file name: never a folder separator.
char CaractereDeNome(char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32 ? '_' : c;
}

std::string TextoDoErro(const ErroRegistro& erro) {
    if (erro.Campo == nullptr) return erro.Texto;
    return Formatar("Registro %s - Campo: %s - %s", {erro.Texto, erro.Campo->Descricao(), erro.Campo->Erro()});
}

std::string EmTexto(char c) { return c == '\0' ? std::string() : std::string(1, c); }

void Mover(const std::string& origem, const std::string& destino) {
    std::error_code erro;
    std::filesystem::rename(CaminhoNativo(origem), CaminhoNativo(destino), erro);
    if (erro) throw ErroDeGravacao(destino);
}

}  // namespace

TDmValidador::TDmValidador(const std::string& pastaTrabalho)
    : pastaTrabalho_(IncluirBarra(pastaTrabalho)),
      pastaTxt_(Subpasta(pastaTrabalho_, {"Zip", "Sintegra", "Txt"})),
      pastaExtracao_(Subpasta(pastaTrabalho_, {"Zip", "Sintegra", "Auxiliar"})),
      pastaTxtNoldeNet_(Subpasta(pastaTrabalho_, {"Zip", "NoldeNet", "Txt"})),
      pastaTempNoldeNet_(Subpasta(pastaTrabalho_, {"Zip", "NoldeNet", "Temp"})),
      limites_(LimitesDeHoje()) {
    CriarPasta(Subpasta(pastaTrabalho_, {"NoldeNet"}));
    for (const auto& pasta : Pastas()) {
        CriarPasta(pasta);
        ApagarArquivos(pasta, "*.*");
    }
}

TDmValidador::~TDmValidador() {
    leitor_.Fechar();
    for (const auto& pasta : Pastas()) ApagarPasta(pasta, false);
}

std::vector<std::string> TDmValidador::Pastas() const {
    return {pastaTxt_, pastaExtracao_, Subpasta(pastaTrabalho_, {"Zip", "Sintegra", "Temp"}),
            pastaTxtNoldeNet_, pastaTempNoldeNet_};
}

void TDmValidador::CarregarPastaMidias(const std::string& pasta) {
    tblSintegra.Esvaziar();
    tblSelecao.Esvaziar();
    gimEncontrada_ = false;
    dadosAnuaisEncontrados_ = false;
    midias_.clear();
    midiasRecusadas_.clear();
    leitor_.Registros88().Limpar();
    ApagarArquivos(pastaTxt_, "*.*");

    std::error_code erro;
    if (pasta.empty() || !std::filesystem::is_directory(CaminhoNativo(pasta), erro)) {
        throw Excecao(Formatar("Pasta de mídias Sintegra não localizada: '%s'.", {pasta}));
    }
    ListarArquivos(pasta, "*.zip", midias_, true, false, false);
    // In name order, as the Windows file system lists a folder, whatever the order of this one.
    std::sort(midias_.begin(), midias_.end(),
              [](const std::string& a, const std::string& b) { return Maiusculas(a) < Maiusculas(b); });
    if (midias_.empty()) throw Excecao(Formatar("Nenhum arquivo de mídia Sintegra localizado na pasta '%s'.", {pasta}));

    for (const auto& midia : midias_) {
        InteracaoAtual().ProcessarEventos();
        std::optional<TTxtMidia> txt;
        try {
            txt = ExtrairMidia(midia, pastaExtracao_);
        } catch (const EMidiaRecusada& recusa) {
            midiasRecusadas_.push_back({midia, MensagemDe(recusa)});
        }
        if (txt && !IncluirDeclaracao(midia, *txt)) ApagarArquivos(pastaExtracao_, "*.*");
    }
    tblSintegra.Primeiro();
    if (!tblSintegra.Vazia()) return;

    const TRegs88& registros = leitor_.Registros88();
    if (registros.SemErros()) {
        throw Excecao(Formatar("Nenhum arquivo de mídia Sintegra localizado na pasta '%s'.", {pasta}));
    }
    std::string erros = "\r\r";
    for (const auto& falha : registros.Erros()) erros += "Erro : " + TextoDoErro(falha) + " \r";
    throw Excecao(Formatar("Os erros abaixo foram encontrados ao processar o arquivo da inscrição : %s no período %s. %s",
                           {leitor_.Registro10().InscricaoEstadual(), registros.Periodo(), erros}));
}

std::string TDmValidador::NomeNovo() const {
    const TReg10& registro10 = leitor_.Registro10();
    const std::string periodo = leitor_.Registros88().SomenteDadosAnuais()
                                    ? std::to_string(registro10.AnoReferencia())
                                    : registro10.PeriodoReferencia();
    const std::string radical = periodo + "_" + registro10.InscricaoEstadual() + "_" +
                                CaractereDeNome(registro10.CodigoConvenio()) +
                                CaractereDeNome(registro10.CodigoFinalidade());
    return NomeLivre(pastaTxt_, radical + "_%.2d.txt");
}

bool TDmValidador::IncluirDeclaracao(const std::string& midia, const TTxtMidia& txt) {
    std::string caminhoTxt;
    try {
        leitor_.Abrir(txt.ArquivoTxt, true);
        leitor_.Fechar();
        const TReg10& registro10 = leitor_.Registro10();
        if (registro10.CodigoNatureza() != '3') return false;
        if (registro10.CodigoFinalidade() != '1' && registro10.CodigoFinalidade() != '2') return false;

        caminhoTxt = pastaTxt_ + NomeNovo();
        Mover(txt.ArquivoTxt, caminhoTxt);

        const TRegs88& registros = leitor_.Registros88();
        TDeclaracaoSintegra linha;
        linha.PathTxt = caminhoTxt;
        linha.Cnpj = registro10.Cnpj();
        linha.Inscricao = registro10.InscricaoEstadual();
        linha.RazaoSocial = registro10.RazaoSocial();
        if (registros.SomenteDadosAnuais()) {
            linha.Tipo = kTipoDadosAnuais;
            linha.Finalidade = EmTexto(registros.TipoDadosAnuais());
            linha.Periodo = registros.AnoDadosAnuais();
        } else {
            const std::string periodo = registros.Periodo();
            if (periodo.size() != 6) throw Excecao("Período da declaração inválido.");
            linha.Tipo = kTipoGim;
            linha.Finalidade = EmTexto(registros.TipoEntrega());
            linha.Periodo = periodo.substr(0, 4) + "-" + periodo.substr(4);
        }
        linha.codRegApuracao = registros.CodigoRegimeApuracao();
        const auto dataHoraMidia = DataHoraArquivo(midia);
        linha.DataHoraMidia = dataHoraMidia ? TextoDataHora(*dataHoraMidia) : std::string();
        linha.VersaoSintegra = txt.VersaoSintegra.substr(0, 10);
        linha.TamanhoTxt = txt.TamanhoTxt;
        linha.DataHoraTxt = txt.DataHoraTxt;
        linha.CrcTxt = txt.CrcTxt;

        if (linha.Tipo == kTipoDadosAnuais) {
            dadosAnuaisEncontrados_ = true;
        } else {
            gimEncontrada_ = true;
        }
        tblSintegra.Acrescentar(std::move(linha));
        return true;
    } catch (const std::exception&) {
        leitor_.Fechar();
        if (!caminhoTxt.empty()) {
            std::error_code erro;
            std::filesystem::remove(CaminhoNativo(caminhoTxt), erro);
        }
        return false;
    }
}

std::string TDmValidador::ConferirTxt(const TTabelaSintegra& tabela) const {
    const TDeclaracaoSintegra& linha = tabela.Atual();
    return zq::ConferirTxt(linha.PathTxt, linha.TamanhoTxt, linha.DataHoraTxt, linha.CrcTxt);
}

void TDmValidador::GerarArquivoColetoria(const std::string& saida, const std::string& versaoPrograma) {
    std::vector<std::string> txts;
    const std::size_t atual = tblSelecao.Posicao();
    for (tblSelecao.Primeiro(); !tblSelecao.Fim(); tblSelecao.Proximo()) {
        try {
            txts.push_back(ConferirTxt(tblSelecao));
        } catch (...) {
            tblSelecao.IrPara(atual);
            throw;
        }
    }
    tblSelecao.IrPara(atual);
    if (txts.empty()) throw Excecao("Nenhum arquivo TXT recuperado para geração!");
    GeraArquivoGimAtf(txts, kSenhaGimAtf, DigitosVersao(versaoPrograma), pastaTrabalho_, saida);
}

std::string TDmValidador::ConferirTxt(const TTabelaNoldeNet& tabela) const {
    const TReciboNoldeNet& linha = tabela.Atual();
    return zq::ConferirTxt(linha.PathTxt, linha.TamanhoTxt, linha.DataHoraTxt, linha.CrcTxt);
}

int TDmValidador::QuantidadeEscolhidos() const {
    return static_cast<int>(std::count_if(tblNoldeNet.Linhas().begin(), tblNoldeNet.Linhas().end(),
                                          [](const TReciboNoldeNet& l) { return l.Imprimir; }));
}

void TDmValidador::EscolherTodos(bool imprimir) {
    for (std::size_t i = 0; i < tblNoldeNet.Quantidade(); ++i) tblNoldeNet.Alterar(i).Imprimir = imprimir;
}

void TDmValidador::DefinirImprimir(bool imprimir) { tblNoldeNet.Alterar(tblNoldeNet.Posicao()).Imprimir = imprimir; }

std::unique_ptr<TArqDadosNoldeNet> TDmValidador::AbrirArquivoInternet(const std::string& arquivoSfn) {
    tblTransmissao.Esvaziar();
    tblNoldeNet.Esvaziar();
    auto arquivo = std::make_unique<TArqDadosNoldeNet>();
    if (!arquivo->Abrir(arquivoSfn)) return nullptr;
    ListarArquivoInternet(*arquivo);
    return arquivo;
}

void TDmValidador::ListarArquivoInternet(TArqDadosNoldeNet& arquivo) {
    tblTransmissao.Esvaziar();
    tblNoldeNet.Esvaziar();
    const std::string arquivoRecibos =
        CaminhoCp1252(std::filesystem::path(CaminhoNativo(arquivo.Caminho())).replace_extension(".rcb"));
    std::error_code erro;
    if (std::filesystem::exists(CaminhoNativo(arquivoRecibos), erro)) {
        TConferenciaRecibos(arquivo, pastaTxtNoldeNet_, pastaTempNoldeNet_, tblNoldeNet).Carregar(arquivoRecibos);
        return;
    }
    while (arquivo.HaMaisRegistros() && arquivo.LerProximo(true)) {
        const TRegDadosNoldeNet& registro = arquivo.Registro();
        tblTransmissao.Acrescentar({registro.Inscricao(),
                                    TextoTamanhoDados(static_cast<std::int64_t>(registro.Dados().size())),
                                    registro.CodigoDados()});
    }
    tblTransmissao.Primeiro();
}

void TDmValidador::SelecionarDeclaracoes(const TFiltroDeclaracoes& filtro) {
    zq::SelecionarDeclaracoes(tblSintegra, filtro, limites_, tblSelecao);
}

void TDmValidador::ListarNaoSelecionadas(const TFiltroDeclaracoes& filtro) {
    zq::ListarNaoSelecionadas(tblSintegra, tblSelecao, filtro, limites_, tblResProces);
}

}  // namespace zq
