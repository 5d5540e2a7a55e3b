#include "selection/transmissao/ArquivoGimAtf.h"

#include <filesystem>
#include <limits>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "selection/transmissao/FileStreamCrc32.h"

namespace zq {
namespace fs = std::filesystem;

namespace {

// Removes the file when the scope ends, whatever happened.
class ArquivoTemporario {
public:
    explicit ArquivoTemporario(std::string caminho) : caminho_(std::move(caminho)) { Remover(); }
    ~ArquivoTemporario() { Remover(); }
    ArquivoTemporario(const ArquivoTemporario&) = delete;
    ArquivoTemporario& operator=(const ArquivoTemporario&) = delete;
    const std::string& Caminho() const { return caminho_; }

private:
    void Remover() const {
        std::error_code erro;
        fs::remove(CaminhoNativo(caminho_), erro);
    }
    std::string caminho_;
};

}  // namespace

std::string DigitosVersao(const std::string& versao) {
    std::string digitos;
    for (char c : versao) {
        if (c != '.') digitos += c;
    }
    return digitos.substr(0, 4);
}

std::string NomeArquivoColetoria(const std::string& prefixo, int quantidade, std::chrono::local_seconds agora) {
    using namespace std::chrono;
    const auto dia = floor<days>(agora);
    const year_month_day data{dia};
    const hh_mm_ss hora{agora - dia};
    return Formatar("%s_Coletoria_%.4d%.2d%.2d-%.2d%.2d%.2d_%.5d.atfgim",
                    {prefixo, static_cast<int>(data.year()), static_cast<unsigned>(data.month()),
                     static_cast<unsigned>(data.day()), static_cast<int>(hora.hours().count()),
                     static_cast<int>(hora.minutes().count()), static_cast<int>(hora.seconds().count()), quantidade});
}

void GeraArquivoGimAtf(const std::vector<std::string>& txts, const std::string& senha, const std::string& digitosVersao,
                       const std::string& pastaTrabalho, const std::string& saida) {
    const std::string pastaZip = IncluirBarra(pastaTrabalho) + "Zip" + kBarraPasta;
    std::error_code erro;
    fs::create_directories(CaminhoNativo(pastaZip), erro);
    const ArquivoTemporario zip(pastaZip + "ZipGimAtf.temp");
    const ArquivoTemporario fluxo(IncluirBarra(pastaTrabalho) + "GimAtf.temp");

    CompactarArquivos(txts, zip.Caminho(), senha);
    const auto tamanhoZip = fs::file_size(CaminhoNativo(zip.Caminho()), erro);
    if (erro || tamanhoZip > static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max())) {
        throw EArquivo(Formatar("Arquivo compactado grande demais: '%s'.", {zip.Caminho()}));
    }

    {
        TFileStreamCrc32 conteudo(fluxo.Caminho());
        std::string versao = digitosVersao;
        versao.resize(4, ' ');
        conteudo.Escrever(versao);
        conteudo.EscreverInteiro32(static_cast<std::int32_t>(tamanhoZip));
        conteudo.AnexarArquivo(zip.Caminho());
        fs::create_directories(CaminhoNativo(saida).parent_path(), erro);
        conteudo.GravarComCrc(saida);
    }
}

}  // namespace zq
