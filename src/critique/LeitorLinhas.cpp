#include "critique/LeitorLinhas.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "platform/Plataforma.h"
#include "record-model/comum/Formatador.h"

namespace zq {
namespace {
constexpr std::size_t kTamanhoBloco = std::size_t{1} << 20;
}

LeitorLinhas::LeitorLinhas(const std::filesystem::path& arquivo)
    : arquivo_(AbrirArquivoC(arquivo, "rb")), bloco_(kTamanhoBloco) {
    std::error_code erro;
    if (!arquivo_ || std::filesystem::is_directory(arquivo, erro)) {
        throw std::runtime_error(Formatar("Não foi possível abrir o arquivo '%s'.", {CaminhoCp1252(arquivo)}));
    }
    tamanho_ = std::filesystem::file_size(arquivo, erro);
    if (erro) throw std::runtime_error(Formatar("Não foi possível abrir o arquivo '%s'.", {CaminhoCp1252(arquivo)}));
}

bool LeitorLinhas::Encher() {
    inicio_ = 0;
    fim_ = std::fread(bloco_.data(), 1, bloco_.size(), arquivo_.get());
    if (fim_ == 0 && std::ferror(arquivo_.get())) {
        throw std::runtime_error("Erro de leitura do arquivo.");
    }
    return fim_ > 0;
}

bool LeitorLinhas::LerLinha(std::string& linha) {
    linha.clear();
    tamanhoLinha_ = 0;
    if (inicio_ == fim_ && !Encher()) return false;
    while (true) {
        const char* comeco = bloco_.data() + inicio_;
        const auto disponivel = fim_ - inicio_;
        const auto* retorno = static_cast<const char*>(std::memchr(comeco, '\r', disponivel));
        const std::size_t usados = retorno ? static_cast<std::size_t>(retorno - comeco) : disponivel;
        linha.append(comeco, std::min(usados, kLimiteLinha - linha.size()));
        tamanhoLinha_ += usados;
        inicio_ += usados;
        posicao_ += usados;
        if (retorno) {
            ++inicio_;
            ++posicao_;
            // The byte after the carriage return is dropped. A carriage return
            // that is the file's last byte simply ends the last line.
            if (inicio_ < fim_ || Encher()) {
                ++inicio_;
                ++posicao_;
            }
            return true;
        }
        if (!Encher()) return true;
    }
}

}  // namespace zq
