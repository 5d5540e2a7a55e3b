#include "selection/transmissao/Md5.h"

#include <openssl/evp.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace zq {
namespace {

class Resumo {
public:
    Resumo() : contexto_(EVP_MD_CTX_new(), EVP_MD_CTX_free) {
        if (!contexto_ || EVP_DigestInit_ex(contexto_.get(), EVP_md5(), nullptr) != 1) {
            throw std::runtime_error("MD5 indisponível.");
        }
    }
    void Acrescentar(const char* bytes, std::size_t quantidade) {
        EVP_DigestUpdate(contexto_.get(), bytes, quantidade);
    }
    std::string Texto() {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int tamanho = 0;
        EVP_DigestFinal_ex(contexto_.get(), digest, &tamanho);
        static const char kHexa[] = "0123456789ABCDEF";
        std::string texto;
        for (unsigned int i = 0; i < tamanho; ++i) {
            texto += kHexa[digest[i] >> 4];
            texto += kHexa[digest[i] & 0x0F];
        }
        return texto;
    }

private:
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> contexto_;
};

}  // namespace

std::string TMD5::Digerir(std::string_view bytes) {
    Resumo resumo;
    resumo.Acrescentar(bytes.data(), bytes.size());
    return resumo.Texto();
}

std::string TMD5::Digerir(std::istream& fluxo) {
    const auto posicao = fluxo.tellg();
    fluxo.clear();
    fluxo.seekg(0);
    Resumo resumo;
    std::vector<char> bloco(65536);
    while (fluxo) {
        fluxo.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        if (fluxo.gcount() > 0) resumo.Acrescentar(bloco.data(), static_cast<std::size_t>(fluxo.gcount()));
    }
    fluxo.clear();
    fluxo.seekg(posicao);
    return resumo.Texto();
}

}  // namespace zq
