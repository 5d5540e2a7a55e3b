#pragma once
// Fixture of the file readers: files are written into a folder of the test,
// and the platform's temporary folder and program name point into it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Plataforma.h"
#include "support/PastaTeste.h"
#include "support/PlataformaTeste.h"

namespace zq::teste {

class LeituraEmPasta : public testing::Test {
protected:
    std::filesystem::path Arquivo(const std::string& bytes, const std::string& nome = "declaracao.txt") const {
        const std::filesystem::path arquivo = pasta_ / CaminhoNativo(nome);
        GravarArquivo(arquivo, bytes);
        return arquivo;
    }
    const std::filesystem::path& Temporaria() const { return temporaria_; }

private:
    PastaTeste pasta_;
    std::filesystem::path temporaria_ = [this] {
        std::filesystem::create_directory(pasta_ / "tmp");
        return pasta_ / "tmp";
    }();
    PlataformaTeste plataforma_{temporaria_, "/opt/zq/ValidadorXraZQ"};
};

}  // namespace zq::teste
