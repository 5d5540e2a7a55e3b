#include "critique/ExecutorCritica.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "critique/ArquivoTemporario.h"
#include "critique/ContextoCritica.h"
#include "critique/LeitorLinhas.h"
#include "critique/ProcessadoresCritica.h"
#include "critique/ReferenciaCritica.h"
#include "critique/Relatorio.h"
#include "critique/VersaoValidador.h"
#include "platform/Plataforma.h"
#include "record-model/campos/Conversoes.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/TextoParaInteiro.h"

namespace zq {
namespace {

#ifdef _WIN32
constexpr const char* kArquivoBiblioteca = "Morvanta.dll";
#else
constexpr const char* kArquivoBiblioteca = "libMorvanta.so";
#endif

constexpr std::size_t kTamanhoLinha = 126;

// Characters 1-2 as an integer; a type that is not a number ends the pass.
int TipoDoRegistro(const std::string& linha) { return TextoParaInteiro(Colunas(linha, 1, 2)); }

// A line as the report quotes it: whole, or the part the reader kept and a mark with the line's length.
std::string LinhaCitada(const std::string& linha, std::uint64_t tamanho) {
    if (tamanho <= linha.size()) return linha;
    return linha + Formatar(" [...] (linha cortada: mostrados os primeiros %d de %d caracteres)", {linha.size(), tamanho});
}

bool ArquivoExiste(const std::filesystem::path& arquivo) {
    std::error_code erro;
    return std::filesystem::exists(arquivo, erro) && !std::filesystem::is_directory(arquivo, erro);
}

bool PastaExiste(const std::filesystem::path& pasta) {
    std::error_code erro;
    return pasta.empty() || std::filesystem::is_directory(pasta, erro);
}

// The pass over one file: objects of the call, the line loop, the end checks.
class PassagemCritica {
public:
    explicit PassagemCritica(ContextoCritica& contexto) : contexto_(contexto) {}

    void Executar(const std::filesystem::path& entrada) {
        try {
            Passar(entrada);
        } catch (const std::exception& erro) {
            Rejeitar(MensagemDe(erro));
        } catch (...) {
            Rejeitar("Erro desconhecido.");
        }
    }

private:
    void Passar(const std::filesystem::path& entrada) {
        // The database outlives the handlers that consult it.
        std::unique_ptr<ReferenciaCritica> referencia;
        Etapa("Criando objetos");
        ProcessadoresCritica processadores(contexto_);
        Etapa("Criando modelo de dados");
        try {
            referencia = CriarReferenciaCritica();
        } catch (const std::exception& erro) {
            throw std::runtime_error(std::string("Erro ao tentar criar o modelo de dados. Mensagem: ") + MensagemDe(erro));
        }
        Etapa("Realizando conexão");
        referencia->Conectar();
        Etapa("Abrindo tabelas");
        referencia->AbrirTabelas();
        Etapa("Criando objeto contribuinte");
        referencia->CriarContribuinte();
        Etapa("Criando lista de contribuintes");
        Etapa("Preenchendo a lista de contribuintes");
        referencia->CarregarRegraEspecial();
        referencia->Completar(processadores.Complementos());

        const bool ufDiferente = LerLinhas(entrada, processadores);
        if (ufDiferente) {
            contexto_.mensagens.ListaRejeicoes.push_back("(Reg 10) UF diferente de 'ZQ'. Nenhuma crítica a realizar.");
        }
        if (linhas88_ == 0) throw std::runtime_error("REJEIÇÃO: Nenhum registro 88 encontrado!");
        processadores.CriticasFinais();

        Etapa("Fechando objetos");
        Etapa("Desconectando o bando de dados");
        referencia->FecharTabelas();
        Etapa("Liberando o banco de dados");
    }

    // Returns true when a record 10 of another state stopped the pass.
    bool LerLinhas(const std::filesystem::path& entrada, ProcessadoresCritica& processadores) {
        LeitorLinhas leitor(entrada);
        // Each line is read into the buffer the step text does not quote, which it quotes once its type is read.
        while (leitor.Posicao() < leitor.Tamanho() && leitor.LerLinha(linhas_[1 - linhaComTipo_])) {
            const std::string& linha = linhas_[1 - linhaComTipo_];
            ++numeroLinha_;
            if (leitor.TamanhoLinha() > kTamanhoLinha) {
                contexto_.mensagens.ListaRejeicoes.push_back(
                    Formatar("Foi localizado um caracter não permitido na linha %d do arquivo. \r\n     O Conteúdo da "
                             "linha segue abaixo: \r\n       '%s'",
                             {numeroLinha_, LinhaCitada(linha, leitor.TamanhoLinha())}));
            }
            const int tipo = TipoDoRegistro(linha);
            tipoAtual_ = tipo;
            if (tipo >= 50 && tipo <= 76) contexto_.semMovimento = false;
            linhaComTipo_ = 1 - linhaComTipo_;
            etapaFixa_ = nullptr;

            if (tipo == 10) {
                if (Colunas(linha, 96, 2) != "ZQ") return true;
                GuardarRegistro10(linha);
            } else if (tipo == 88) {
                ++linhas88_;
            }
            processadores.Processar(tipo, LinhaCritica{linha, numeroLinha_});
        }
        return false;
    }

    void GuardarRegistro10(const std::string& linha) {
        auto& dados = contexto_.registro10;
        dados.periodo = std::string(Colunas(linha, 108, 6));
        dados.tipoEntrega = linha.size() >= kTamanhoLinha ? linha[kTamanhoLinha - 1] : ' ';
        dados.inscricao = std::string(Colunas(linha, 17, 9));
        dados.cnpj = std::string(Colunas(linha, 3, 14));
        dados.linha = numeroLinha_;
    }

    void Etapa(const char* texto) { etapaFixa_ = texto; }

    std::string TextoDaEtapa() const {
        return etapaFixa_ ? std::string(etapaFixa_) : Formatar("Lendo a linha '%s'.", {linhas_[linhaComTipo_]});
    }

    void Rejeitar(const std::string& mensagemErro) {
        contexto_.mensagens.ListaRejeicoes.push_back(
            Formatar("Erro ao processar crítica específica (Registro %d - Linha do arquivo: %s - %s): %s",
                     {tipoAtual_, std::to_string(numeroLinha_), TextoDaEtapa(), mensagemErro}));
    }

    ContextoCritica& contexto_;
    int tipoAtual_ = 0;
    long long numeroLinha_ = 0;
    long long linhas88_ = 0;
    // The step text is built only when an error needs it: a fixed text, or
    // "Lendo a linha" with the last line whose type was read.
    const char* etapaFixa_ = nullptr;
    std::array<std::string, 2> linhas_;
    std::size_t linhaComTipo_ = 0;
};

// The host only learns the result: a report that cannot be written must not
// end the call with an error.
template <typename Gravacao>
void GravarSemFalhar(Gravacao&& gravar) {
    try {
        gravar();
    } catch (...) {
    }
}

}  // namespace

ResultadoCritica ExecutarCritica(const std::string& arquivo, const std::string& saida, MensagensCritica& mensagens) {
    Plataforma& plataforma = PlataformaAtual();
    const auto programaHost = plataforma.CaminhoProgramaEmExecucao();
    ContextoCritica contexto(mensagens);
    contexto.cabecalho.arquivoAnalisado = arquivo;
    contexto.cabecalho.versaoBiblioteca =
        plataforma.VersaoDoArquivo(programaHost.parent_path() / kArquivoBiblioteca).value_or("");
    mensagens.Limpar();

    const auto entrada = CaminhoNativo(arquivo);
    const auto relatorio = CaminhoNativo(saida);
    if (!ArquivoExiste(entrada)) {
        mensagens.ListaRejeicoes.push_back("Parâmetro inválido: Arquivo para crítica inexistente.");
        GravarSemFalhar([&] { GravarLinhas(relatorio, mensagens.ListaRejeicoes); });
        return ResultadoCritica::ParametroInvalido;
    }
    if (!PastaExiste(relatorio.parent_path())) {
        mensagens.ListaRejeicoes.push_back("Parâmetro inválido: Pasta de saída inexistente.");
        return ResultadoCritica::ParametroInvalido;
    }

    VerificarVersaoValidador(programaHost, plataforma.VersaoDoArquivo(programaHost), mensagens);
    if (mensagens.ListaRejeicoes.empty()) PassagemCritica(contexto).Executar(entrada);

    const auto notasSem54 = contexto.registros54Lidos > 0 ? std::optional(contexto.notasSem54) : std::nullopt;
    GravarSemFalhar([&] { GravarRelatorio(relatorio, contexto.cabecalho, mensagens, notasSem54); });

    if (!mensagens.ListaRejeicoes.empty()) {
        plataforma.MostrarMensagem("MORVANTA.DLL - GIM-ZQ\r\rOcorreram erros na validação dos registros Tipo '88'!");
    } else if (!mensagens.Vazias()) {
        plataforma.MostrarMensagem("MORVANTA.DLL - GIM-ZQ\r\rRegistros Tipo '88' aceitos com ADVERTÊNCIAS e/ou AVISOS!");
    }
    if (!mensagens.Vazias()) {
        plataforma.AbrirDocumento("notepad.exe", relatorio);
        std::error_code erro;
        if (std::filesystem::exists(ArquivoTemporario(), erro)) {
            plataforma.AbrirDocumento("notepad.exe", ArquivoTemporario());
        }
    }
    return mensagens.ListaRejeicoes.empty() ? ResultadoCritica::SemRejeicao : ResultadoCritica::ComRejeicoes;
}

}  // namespace zq
