#include "selection/transmissao/ConferenciaRecibos.h"

#include <cstdio>
#include <filesystem>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Formatador.h"
#include "selection/Mensagens.h"
#include "selection/varredura/MidiaSintegra.h"

namespace zq {
namespace {

long long L(int valor) { return valor; }

// "dd/mm/yyyy hh:nn:ss" as a local date-time.
std::chrono::local_seconds LerDataHora(const std::string& data, const std::string& hora) {
    int dia = 0, mes = 0, ano = 0, h = 0, m = 0, s = 0;
    char sobra = 0;
    const std::string texto = data + " " + hora;
    if (std::sscanf(texto.c_str(), "%2d/%2d/%4d %2d:%2d:%2d%c", &dia, &mes, &ano, &h, &m, &s, &sobra) != 6 ||
        h > 23 || m > 59 || s > 59) {
        throw Excecao(Formatar("'%s' não é uma data e hora válida.", {texto}));
    }
    using namespace std::chrono;
    const year_month_day dataRecibo{year{ano}, month{static_cast<unsigned>(mes)}, day{static_cast<unsigned>(dia)}};
    if (!dataRecibo.ok()) throw Excecao(Formatar("'%s' não é uma data e hora válida.", {texto}));
    return local_days{dataRecibo} + hours{h} + minutes{m} + seconds{s};
}

}  // namespace

TConferenciaRecibos::TConferenciaRecibos(TArqDadosNoldeNet& dados, std::string pastaTxt, std::string pastaTemp,
                                         TTabelaNoldeNet& tabela)
    : dados_(dados), pastaTxt_(std::move(pastaTxt)), pastaTemp_(std::move(pastaTemp)), tabela_(tabela) {}

void TConferenciaRecibos::Carregar(const std::string& arquivoRecibos) {
    TArqReciboNoldeNet recibos(arquivoRecibos);
    if (dados_.Identificador() != recibos.Identificador()) {
        throw Excecao(Formatar("ARQUIVO DE RECIBO INVÁLIDO!\rMotivo: Divergência no identificador de aplicação\r\r"
                               "Arquivo de dados: '%s'\r   Identificador: %d\r\rArquivo de recibos: '%s'\r   Identificador: %d",
                               {dados_.Caminho(), L(dados_.Identificador()), recibos.Caminho(), L(recibos.Identificador())}));
    }
    if (dados_.QuantidadeRegistros() != recibos.Quantidade()) {
        throw Excecao(Formatar("ARQUIVO DE RECIBO INVÁLIDO\rMotivo: Divergência na quantidade de declarações\r\r"
                               "Arquivo de dados: '%s'\r   Quantidade de declarações: %d\r\r"
                               "Arquivo de recibos: '%s'\r   Quantidade de declarações: %d\r",
                               {dados_.Caminho(), L(dados_.QuantidadeRegistros()), recibos.Caminho(), L(recibos.Quantidade())}));
    }
    while (recibos.HaProximo()) {
        bool conferido = false;
        try {
            conferido = recibos.Proximo();
        } catch (const ENoldeNetForaDoPrazo&) {
        }
        if (recibos.ForaDoPrazo()) {
            throw Excecao("Declarações REJEITADAS, por transmissão FORA DO PRAZO!\r\rPara transmitir declarações fora do "
                          "prazo, utilize a opção de 'Gerar Arquivo para Coletoria' e apresente as declarações na "
                          "Repartição Fiscal.");
        }
        try {
            // The record is read whatever the receipt, so that lines and records stay paired.
            if (!dados_.LerProximo(true) || !conferido) continue;
            const TRegReciboNoldeNet& recibo = recibos.Atual();
            ConferirComRegistro(recibos, recibo);
            tabela_.Acrescentar(LinhaDoRecibo(recibos, recibo));
        } catch (const std::exception& falha) {
            CaixasAtuais().Informacao(falha.what());
        }
    }
    if (tabela_.Vazia()) {
        throw Excecao(Formatar("O arquivo de declarações '%s' não possui nenhum recibo válido!", {dados_.Caminho()}));
    }
    tabela_.Primeiro();
}

void TConferenciaRecibos::ConferirComRegistro(const TArqReciboNoldeNet& recibos, const TRegReciboNoldeNet& recibo) {
    const TRegDadosNoldeNet& registro = dados_.Registro();
    const long long numeroRecibo = recibos.Indice() + 1;
    const long long quantidade = recibos.Quantidade();
    if (recibo.NumeroMagico != dados_.Identificador()) {
        throw Excecao(Formatar("RECIBO DE DECLARAÇÃO INVÁLIDO\rMotivo: Divergência no identificador de aplicação\r\r"
                               "Arquivo de dados: '%s'\r   Identificador: %d\r\rArquivo de recibos: '%s'\r   Identificador: %d\r"
                               "   Recibo %d de %d\r      Identificador: %d",
                               {dados_.Caminho(), L(dados_.Identificador()), recibos.Caminho(), L(recibos.Identificador()),
                                numeroRecibo, quantidade, L(recibo.NumeroMagico)}));
    }
    if (recibo.Periodo != dados_.Periodo()) {
        throw Excecao(Formatar("RECIBO DE DECLARAÇÃO INVÁLIDO\rMotivo: Divergência no periodo da declaração\r\r"
                               "Arquivo de dados: '%s'\r   Período: %s\r\rArquivo de recibos: '%s'\r   Recibo %d de %d\r"
                               "      Período: %s",
                               {dados_.Caminho(), dados_.PeriodoTexto(), recibos.Caminho(), numeroRecibo, quantidade,
                                recibo.PeriodoTexto()}));
    }
    const long long numeroRegistro = dados_.RegistrosLidos();
    const long long registros = dados_.QuantidadeRegistros();
    if (registro.CodigoDados() != recibo.CodigoDados) {
        throw Excecao(Formatar(
            "RECIBO DE DECLARAÇÃO INVÁLIDO\rMotivo: Divergência no código autenticador de dados. Provavelmente trata-se de "
            "uma declaração apresentada anteriormente, em outro arquivo de declarações (.sfn). Nos dados do recibo, "
            "mostrados a seguir, podem ser encontrados os dados da transmissão original.\r\rArquivo de dados: '%s'\r"
            "   Empresa %d de %d\r      Código de dados: %s\r\rArquivo de recibos: '%s'\r   Recibo %d de %d\r%s",
            {dados_.Caminho(), numeroRegistro, registros, registro.CodigoDados(), recibos.Caminho(), numeroRecibo,
             quantidade, recibo.Descricao(6)}));
    }
    if (registro.Inscricao() != recibo.Inscricao) {
        throw Excecao(Formatar("RECIBO DE DECLARAÇÃO INVÁLIDO\rMotivo: Divergência na inscrição estadual\r\r"
                               "Arquivo de dados: '%s'\r   Empresa %d de %d\r      Inscrição: %s\r\r"
                               "Arquivo de recibos: '%s'\r   Recibo %d de %d\r      Inscrição: %s",
                               {dados_.Caminho(), numeroRegistro, registros, InscricaoComMascara(registro.Inscricao()),
                                recibos.Caminho(), numeroRecibo, quantidade, InscricaoComMascara(recibo.Inscricao)}));
    }
}

TReciboNoldeNet TConferenciaRecibos::LinhaDoRecibo(const TArqReciboNoldeNet& recibos, const TRegReciboNoldeNet& recibo) {
    TReciboNoldeNet linha;
    linha.Inscricao = recibo.Inscricao;
    linha.Periodo = recibo.PeriodoTexto();
    linha.Tipo = linha.Periodo.size() == 4 ? kTipoDadosAnuais : kTipoGim;
    linha.DataHoraRecibo = LerDataHora(recibo.Data, recibo.Hora);
    linha.CodigoDados = recibo.CodigoDados;
    linha.CodigoRecibo = recibo.CodigoRecibo;
    linha.Situacao = recibo.Situacao();
    ExtrairTxt(linha);
    ConferirTxt(recibos, recibo, linha);
    return linha;
}

void TConferenciaRecibos::ExtrairTxt(TReciboNoldeNet& linha) {
    const std::string temporario = pastaTemp_ + "RegDados.temp";
    std::error_code erro;
    std::filesystem::create_directories(CaminhoNativo(pastaTemp_), erro);
    struct Remocao {
        std::string arquivo;
        ~Remocao() {
            std::error_code e;
            std::filesystem::remove(CaminhoNativo(arquivo), e);
        }
    } remocao{temporario};
    try {
        dados_.Registro().ExportarDados(temporario);
        TArquivoZip zip(temporario, kSenhaRegistroNoldeNet);
        if (zip.Entradas().empty()) throw EZip("Arquivo compactado vazio.");
        VerificarEntradasConfiaveis(zip);
        zip.Extrair(pastaTxt_, "*.*");
        const TEntradaZip& primeira = zip.Entradas().front();
        linha.PathTxt = pastaTxt_ + primeira.Nome;
        linha.CrcTxt = primeira.Crc32;
        linha.TamanhoTxt = static_cast<std::int64_t>(primeira.Tamanho);
        linha.DataHoraTxt = primeira.DataHora;
    } catch (const std::exception& falha) {
        ApagarArquivos(pastaTxt_, "*.*");
        throw Excecao(Formatar("Erro ao descompactar txt NoldeNet!\r   Arquivo NoldeNet: '%s'\r   Período: '%s'\r"
                               "   Empresa atual: %d de %d\r%s\r\rMensagem do componente zip:\r'%s'",
                               {dados_.Caminho(), dados_.PeriodoTexto(), L(dados_.RegistrosLidos()),
                                L(dados_.QuantidadeRegistros()), dados_.Registro().Descricao(6), falha.what()}));
    }
    if (!std::filesystem::is_regular_file(CaminhoNativo(linha.PathTxt), erro)) {
        throw Excecao(Formatar("Arquivo TXT descompactado não encontrado: '%s'", {linha.PathTxt}));
    }
}

void TConferenciaRecibos::ConferirTxt(const TArqReciboNoldeNet& recibos, const TRegReciboNoldeNet& recibo,
                                      TReciboNoldeNet& linha) {
    leitor_.Abrir(linha.PathTxt, false);
    leitor_.Fechar();
    const TReg10& registro10 = leitor_.Registro10();
    const TRegs88& registros = leitor_.Registros88();
    const std::string tipo = registros.SomenteDadosAnuais() ? kTipoDadosAnuais : kTipoGim;
    const std::string periodoGim = registros.Periodo();
    const std::string periodo = registros.SomenteDadosAnuais()
                                    ? registros.AnoDadosAnuais()
                                    : (periodoGim.size() == 6 ? periodoGim.substr(0, 4) + "-" + periodoGim.substr(4) : periodoGim);

    const std::string empresa = Formatar("   Arquivo de dados: '%s'\r      Empresa %d de %d\r%s",
                                         {dados_.Caminho(), L(dados_.RegistrosLidos()), L(dados_.QuantidadeRegistros()),
                                          dados_.Registro().Descricao(9)});
    const std::string reciboTexto = Formatar("   Arquivo de recibos: '%s'\r      Recibo %d de %d\r%s",
                                             {recibos.Caminho(), L(recibos.Indice() + 1), L(recibos.Quantidade()),
                                              recibo.Descricao(9)});
    if (registro10.InscricaoEstadual() != recibo.Inscricao) {
        throw Excecao("ARQUIVO TXT SINTEGRA INVÁLIDO\rDivergência Dados/Recibo/Txt NoldeNet: Inscrição estadual\r\r" +
                      empresa + "\r\r" + reciboTexto + "\r\r   Inscrição no TXT: '" +
                      InscricaoComMascara(registro10.InscricaoEstadual()) + "'");
    }
    if (tipo != linha.Tipo) {
        throw Excecao("Divergência Dados/Recibo/Txt NoldeNet: Tipo de declaração\r" + empresa + reciboTexto +
                      "\r   Tipo de declaração no TXT: '" + tipo + "'");
    }
    if (periodo != linha.Periodo) {
        throw Excecao("Divergência Dados/Recibo/Txt NoldeNet: Período da declaração\r" + empresa + reciboTexto +
                      "\r   Período da declaração no TXT: '" + periodo + "'");
    }
    linha.Cnpj = registro10.Cnpj();
    linha.RazaoSocial = registro10.RazaoSocial();
    linha.emailTxt = registros.Registro8805().Email();
    const char finalidade = registros.SomenteDadosAnuais() ? registros.TipoDadosAnuais() : registros.TipoEntrega();
    linha.Finalidade = finalidade == '\0' ? std::string() : std::string(1, finalidade);
}

}  // namespace zq
