#include "selection/transmissao/ArqDadosNoldeNet.h"

#include <zlib.h>

#include <fstream>
#include <iterator>

#include "platform/Plataforma.h"
#include "record-model/comum/Limites.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "selection/Mensagens.h"
#include "selection/transmissao/Md5.h"

namespace zq {
namespace {

constexpr std::size_t kTamanhoCabecalho = 13;
constexpr std::size_t kTamanhoInscricao = 9;

std::uint32_t LerInteiro32(const std::string& bytes, std::size_t posicao) {
    std::uint32_t valor = 0;
    for (int i = 3; i >= 0; --i) valor = (valor << 8) | static_cast<unsigned char>(bytes[posicao + static_cast<std::size_t>(i)]);
    return valor;
}

std::string Inteiro32(std::uint32_t valor) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((valor >> (8 * i)) & 0xFF);
    return bytes;
}

bool SoDigitos(const std::string& texto) {
    return !texto.empty() && texto.find_first_not_of("0123456789") == std::string::npos;
}

std::chrono::year_month_day DataDoPeriodo(const std::string& periodo) {
    if (periodo.size() != 8 || !SoDigitos(periodo)) throw Excecao(Formatar("Período inválido: '%s'.", {periodo}));
    using namespace std::chrono;
    const bool mensal = periodo.substr(0, 4) != periodo.substr(4, 4);
    const year_month_day data =
        mensal ? year{std::stoi(periodo.substr(4, 4))} / month{static_cast<unsigned>(std::stoi(periodo.substr(2, 2)))} /
                     day{static_cast<unsigned>(std::stoi(periodo.substr(0, 2)))}
               : year{std::stoi(periodo.substr(0, 4))} / December / 1;
    if (!data.ok()) throw Excecao(Formatar("Período inválido: '%s'.", {periodo}));
    return data;
}

// The records from `posicao`: inscrição and data, or the failure that stops the reading.
struct LeituraRegistro {
    std::string inscricao;
    std::string dados;
    std::size_t fim = 0;
};

LeituraRegistro LerRegistro(const std::string& registros, std::size_t posicao) {
    const std::size_t restantes = registros.size() - posicao;
    if (restantes < kTamanhoInscricao + 4) {
        throw Excecao(Formatar("Registro de dados truncado: %d byte(s) restante(s).", {static_cast<long long>(restantes)}));
    }
    LeituraRegistro leitura;
    leitura.inscricao = registros.substr(posicao, kTamanhoInscricao);
    const auto tamanho = static_cast<std::int32_t>(LerInteiro32(registros, posicao + kTamanhoInscricao));
    const std::size_t inicio = posicao + kTamanhoInscricao + 4;
    if (tamanho < 0 || static_cast<std::size_t>(tamanho) > registros.size() - inicio) {
        throw Excecao(Formatar("Tamanho dos dados inválido: %d byte(s), %d byte(s) no arquivo.",
                               {tamanho, static_cast<long long>(registros.size() - inicio)}));
    }
    leitura.dados = registros.substr(inicio, static_cast<std::size_t>(tamanho));
    leitura.fim = inicio + static_cast<std::size_t>(tamanho);
    return leitura;
}

}  // namespace

std::string InscricaoComMascara(const std::string& inscricao) {
    if (inscricao.size() != 9) return inscricao;
    return inscricao.substr(0, 2) + "." + inscricao.substr(2, 3) + "." + inscricao.substr(5, 3) + "-" + inscricao.substr(8);
}

void TRegDadosNoldeNet::Definir(std::string inscricao, std::string dados) {
    inscricao_ = std::move(inscricao);
    dados_ = std::move(dados);
    codigo_.reset();
}

const std::string& TRegDadosNoldeNet::CodigoDados() const {
    if (!codigo_) {
        std::string inscricao = inscricao_;
        inscricao.resize(kTamanhoInscricao, ' ');
        codigo_ = TMD5::Digerir(inscricao + Inteiro32(static_cast<std::uint32_t>(dados_.size())) + dados_);
    }
    return *codigo_;
}

void TRegDadosNoldeNet::ExportarDados(const std::string& arquivo) const {
    std::ofstream saida(CaminhoNativo(arquivo), std::ios::binary | std::ios::trunc);
    saida.write(dados_.data(), static_cast<std::streamsize>(dados_.size()));
    saida.close();
    if (!saida) throw ErroDeGravacao(arquivo);
}

std::string TRegDadosNoldeNet::Descricao(int recuo) const {
    const std::string margem(static_cast<std::size_t>(std::max(recuo, 0)), ' ');
    const std::string inscricao = inscricao_.empty() ? "(Vazia)" : InscricaoComMascara(inscricao_);
    const std::string codigo = dados_.empty() ? "(Sem código)" : CodigoDados();
    return Formatar("%0:sInscricao: %1:s\r%0:sTamanho dos dados: %2:d byte(s)\r%0:sCódigo dos dados: %3:s",
                    {margem, inscricao, static_cast<long long>(dados_.size()), codigo});
}

bool TArqDadosNoldeNet::Abrir(const std::string& arquivo) {
    caminho_ = arquivo;
    registros_.clear();
    posicao_ = 0;
    lidos_ = 0;
    quantidade_.reset();
    registro_.Limpar();
    try {
        std::ifstream entrada(CaminhoNativo(arquivo), std::ios::binary);
        if (!entrada) throw Excecao(Formatar("Não foi possível abrir o arquivo '%s'.", {arquivo}));
        VerificarTamanhoMaximo(arquivo, kArquivoTransmissaoMaximo);
        std::string bytes{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
        if (entrada.bad()) throw Excecao(Formatar("Não foi possível ler o arquivo '%s'.", {arquivo}));
        if (bytes.size() < kTamanhoCabecalho) {
            throw Excecao(Formatar("Cabeçalho truncado: %d byte(s).", {static_cast<long long>(bytes.size())}));
        }
        const std::uint32_t crc = LerInteiro32(bytes, 0);
        identificador_ = static_cast<unsigned char>(bytes[4]);
        periodo_ = bytes.substr(5, 8);
        const auto calculado = static_cast<std::uint32_t>(
            crc32_z(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data() + 4), bytes.size() - 4));
        if (calculado != crc) throw Excecao("Dados corrompidos!");
        dataPeriodo_ = DataDoPeriodo(periodo_);
        registros_ = bytes.substr(kTamanhoCabecalho);
        return true;
    } catch (const std::exception& falha) {
        registros_.clear();
        CaixasAtuais().Erro("Erro ao carregar dados do arquivo \"" + arquivo + "\"\r" + falha.what());
        return false;
    }
}

std::string TArqDadosNoldeNet::PeriodoTexto(char separador) const {
    if (!PeriodoMensal()) return periodo_.substr(0, 4);
    return periodo_.substr(4, 4) + separador + periodo_.substr(2, 2);
}

int TArqDadosNoldeNet::Ano() const { return static_cast<int>(dataPeriodo_.year()); }

bool TArqDadosNoldeNet::LerProximo(bool comMensagens) {
    try {
        const LeituraRegistro leitura = LerRegistro(registros_, posicao_);
        registro_.Definir(leitura.inscricao, leitura.dados);
        posicao_ = leitura.fim;
        ++lidos_;
        return true;
    } catch (const std::exception& falha) {
        registro_.Definir(registros_.substr(posicao_, kTamanhoInscricao), {});
        if (comMensagens) {
            CaixasAtuais().Erro("Erro na leitura de registro de dados!\r" + registro_.Descricao(0) + "\r\r" + falha.what());
        }
        registro_.Limpar();
        posicao_ = registros_.size();
        return false;
    }
}

int TArqDadosNoldeNet::QuantidadeRegistros() const {
    if (!quantidade_) {
        int quantidade = 0;
        try {
            for (std::size_t posicao = 0; posicao < registros_.size(); ++quantidade) {
                posicao = LerRegistro(registros_, posicao).fim;
            }
        } catch (const Excecao&) {
        }
        quantidade_ = quantidade;
    }
    return *quantidade_;
}

}  // namespace zq
