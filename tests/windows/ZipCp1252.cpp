// Usage: ZipCp1252 PASTA
// Packs a declaration with an accented name into an encrypted archive inside
// PASTA (a CP1252 path), lists and extracts it back, and tries a wrong
// password: the archive layer through the ANSI paths of Windows. Literals are CP1252.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/Plataforma.h"
#include "record-model/arquivos/Arquivos.h"
#include "record-model/arquivos/Zip.h"

namespace {

const std::string kConteudo = "10 declaração de teste\r\n";

std::string Ler(const std::string& arquivoCp1252) {
    std::ifstream entrada(zq::CaminhoNativo(arquivoCp1252), std::ios::binary);
    std::ostringstream texto;
    texto << entrada.rdbuf();
    return texto.str();
}

bool Conferir(bool condicao, const char* falha) {
    if (!condicao) std::cerr << falha << '\n';
    return condicao;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Uso: ZipCp1252 PASTA\n";
        return 64;
    }
    const std::string pasta = zq::IncluirBarra(argv[1]);
    const std::string declaracao = pasta + "declaração.txt";
    const std::string arquivoZip = pasta + "mídia de março.zip";
    std::ofstream(zq::CaminhoNativo(declaracao), std::ios::binary) << kConteudo;
    try {
        zq::CompactarArquivos({declaracao}, arquivoZip, "senha");
        zq::TArquivoZip zip(arquivoZip, "senha");
        bool certo = Conferir(zip.Entradas().size() == 1, "entradas") &&
                     Conferir(zip.Entradas()[0].Nome == "declaração.txt", "nome da entrada") &&
                     Conferir(zip.Entradas()[0].Tamanho == kConteudo.size(), "tamanho da entrada");
        const auto extraidos = zip.Extrair(pasta + "extraídos", "*.*");
        certo = certo && Conferir(extraidos.size() == 1 && Ler(extraidos[0]) == kConteudo, "extração");
        bool senhaRecusada = false;
        try {
            zq::TArquivoZip(arquivoZip, "errada").Extrair(pasta + "recusados", "*.*");
        } catch (const zq::EZip&) {
            senhaRecusada = true;
        }
        certo = certo && Conferir(senhaRecusada, "senha errada aceita");
        if (certo) std::cout << "compactado, listado e extraído\n";
        return certo ? 0 : 1;
    } catch (const zq::EZip& erro) {
        std::cerr << "EZip: " << erro.what() << '\n';
        return 1;
    }
}
