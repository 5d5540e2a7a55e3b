#pragma once
// Declarations and media ZIPs for the tests of the program: a declaration file of any kind the scan lists,
// packed the way the national validator's "Gerar Mídia" packs it.

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gim-records/LinhasGim.h"
#include "platform/Plataforma.h"
#include "record-model/arquivos/Zip.h"
#include "selection/varredura/MidiaSintegra.h"
#include "support/PastaTeste.h"
#include "support/Sintegra.h"

namespace zq::teste {

enum class Regime { Normal, Simples, Epp, DadosAnuais };

// A declaration the program's reader accepts: record 10, record 11, the type-88 lines of its kind and a
// record 90 counting them.
struct DeclaracaoTeste {
    std::string inscricao = "161234569";
    std::string periodo = "201705";  // the year alone is taken for Dados Anuais
    char finalidade = '1';           // record 10, column 126: 1 normal, 2 retificadora
    char natureza = '3';             // record 10, column 125
    Regime regime = Regime::Normal;
    std::string razaoSocial = "DISTRIBUIDORA DE ALIMENTOS EXEMPLO";

    char Tipo() const { return finalidade == '2' ? 'R' : 'N'; }

    std::vector<std::string> Linhas88() const {
        const std::string ie = inscricao;
        const auto cabecalho = [&](auto& r) {
            r.SetInscricaoEstadual(ie);
            r.SetPeriodo(periodo);
            r.SetTipoEntrega(Tipo());
        };
        switch (regime) {
            case Regime::Normal:
                return {Compor<TReg8801>(cabecalho), Compor<TReg8802>(cabecalho),
                        Compor<TReg8804>([&](TReg8804& r) { cabecalho(r), r.SetRegimeApuracao('1'); }), Linha8805()};
            case Regime::Simples:
                return {Compor<TReg8804>([&](TReg8804& r) { cabecalho(r), r.SetRegimeApuracao('3'); }), Linha8805(),
                        Compor<TReg8818>([&](TReg8818& r) {
                            cabecalho(r);
                            r.SetRegimeApuracao('3');
                            r.SetCategoria('1');
                        })};
            case Regime::Epp:
                return {Compor<TReg8804>([&](TReg8804& r) { cabecalho(r), r.SetRegimeApuracao('7'); }), Linha8805(),
                        Linha8814()};
            case Regime::DadosAnuais:
                return {Linha8805(), Compor<TReg8806>([&](TReg8806& r) {
                            r.SetInscricaoEstadual(ie);
                            r.SetAno(std::stoi(periodo.substr(0, 4)));
                            r.SetTipoEntrega(Tipo());
                        })};
        }
        return {};
    }

    std::string Bytes() const {
        Registro10 registro10;
        registro10.inscricao = inscricao;
        registro10.razaoSocial = razaoSocial;
        registro10.periodo = periodo.size() == 6 ? periodo : periodo.substr(0, 4) + "01";
        registro10.finalidade = finalidade;
        std::string linha10 = registro10.Linha();
        linha10[124] = natureza;
        std::vector<std::string> linhas{linha10, Linha126("11RUA DAS FLORES                    00042")};
        for (int i = 0; i < 3; ++i) linhas.push_back(Linha126("5012345678000195161234569     20170510"));
        const std::vector<std::string> gim = Linhas88();
        linhas.insert(linhas.end(), gim.begin(), gim.end());
        char pares[64];
        std::snprintf(pares, sizeof pares, "50%08d88%08zu99%08zu", 3, gim.size(), linhas.size() + 1);
        std::string linha90 = "9012345678000195" + Ajustado14(inscricao) + pares;
        linha90.resize(125, ' ');
        linhas.push_back(linha90 + "1");
        return Arquivo(linhas);
    }

private:
    static std::string Ajustado14(std::string texto) {
        texto.resize(14, ' ');
        return texto;
    }
};

// What a media ZIP holds; every entry encrypted with the media password unless told otherwise.
struct MidiaTeste {
    std::string nomeTxt = "DECLARACAO.TXT";
    std::string txt = DeclaracaoTeste().Bytes();
    std::string nomeResumo = "Validacao2.resumo";
    std::string resumo = "Resumo da validação\r\nArquivo: DECLARACAO.TXT\r\n5.2.0.9\r\nFim\r\n";
    std::vector<std::string> cfops = {"Entradas.cfop", "Saidas.cfop"};
    std::string senha = kSenhaMidia;
};

// Packs the media through the program's ZIP layer, as the national validator would.
inline void GravarMidia(const std::filesystem::path& zip, const MidiaTeste& midia) {
    PastaTeste montagem;
    std::vector<std::string> arquivos;
    const auto acrescentar = [&](const std::string& nome, const std::string& bytes) {
        GravarArquivo(montagem / nome, bytes);
        arquivos.push_back(CaminhoCp1252(montagem / nome));
    };
    if (!midia.nomeTxt.empty()) acrescentar(midia.nomeTxt, midia.txt);
    if (!midia.nomeResumo.empty()) acrescentar(midia.nomeResumo, midia.resumo);
    for (const auto& cfop : midia.cfops) acrescentar(cfop, "5102;100,00\r\n");
    CompactarArquivos(arquivos, CaminhoCp1252(zip), midia.senha);
}

// A ZIP whose entries carry the names given, written by the ZIP library itself (names with folders, "..").
inline void GravarZipComNomes(const std::filesystem::path& zip,
                              const std::vector<std::pair<std::string, std::string>>& entradas,
                              const std::string& senha = kSenhaMidia) {
    int erro = 0;
    zip_t* arquivo = zip_open(zip.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    for (const auto& [nome, bytes] : entradas) {
        zip_source_t* fonte = zip_source_buffer(arquivo, bytes.data(), bytes.size(), 0);
        const zip_int64_t indice = zip_file_add(arquivo, nome.c_str(), fonte, ZIP_FL_ENC_UTF_8);
        if (!senha.empty()) {
            zip_file_set_encryption(arquivo, static_cast<zip_uint64_t>(indice), ZIP_EM_TRAD_PKWARE, senha.c_str());
        }
    }
    zip_close(arquivo);
}

}  // namespace zq::teste
