#pragma once
// The rows and fields of the program's declaration tables: tblSintegra (the declarations of the last scan),
// tblSelecao (those the filter keeps) and tblResProces (those it leaves out, with the reasons).

#include <chrono>
#include <cstdint>
#include <string>

#include "selection/tabelas/TabelaMemoria.h"

namespace zq {

// A declaration found in a media ZIP, with the identity of its TXT as the ZIP entry gave it.
struct TDeclaracaoSintegra {
    std::string PathTxt;         // the moved TXT
    std::string Inscricao;       // record 10
    std::string Cnpj;            // record 10
    std::string Tipo;            // "GIM" or "Dados Anuais"
    std::string Finalidade;      // "N" or "R"
    std::string Periodo;         // "yyyy-mm" for a GIM, "yyyy" for Dados Anuais
    std::string RazaoSocial;     // record 10
    std::string DataHoraMidia;   // the media ZIP's date-time, "dd/mm/yyyy hh:mm:ss"
    std::string VersaoSintegra;  // from the media's summary file
    std::chrono::local_seconds DataHoraTxt{};
    std::int64_t TamanhoTxt = 0;
    std::uint32_t CrcTxt = 0;
    int codRegApuracao = 0;      // 0 none, 1 Normal, 3 Simples Nacional, 7 EPP
};

// A declaration the filter left out.
struct TNaoSelecionada {
    std::string inscricao;
    std::string periodo;
    std::string finalidade;
    std::string razaoSocial;
    std::string mensagem;      // the reasons in words
    std::string tpDeclaracao;  // "GIM" or "Dados Anuais"
    int tpRegime = 0;
};

// A receipt of a transmission file that checked against its record and the TXT inside it.
struct TReciboNoldeNet {
    bool Imprimir = true;
    std::string Inscricao;
    std::string Periodo;  // "yyyy-mm" or "yyyy"
    std::string Tipo;     // "GIM" or "Dados Anuais"
    std::string CodigoRecibo;
    std::string CodigoDados;
    std::chrono::local_seconds DataHoraRecibo{};
    std::string Situacao;
    std::uint32_t CrcTxt = 0;
    std::int64_t TamanhoTxt = 0;
    std::chrono::local_seconds DataHoraTxt{};
    std::string PathTxt;
    std::string Cnpj;
    std::string RazaoSocial;
    std::string Finalidade;
    std::string emailTxt;
};

// A record of a transmission file listed without receipts.
struct TRegistroTransmissao {
    std::string Inscricao;
    std::string TamanhoDados;  // "%.0n bytes" up to 8192 bytes, else "%.0n KBytes"
    std::string CodigoDados;
};

inline constexpr const char* kTipoGim = "GIM";
inline constexpr const char* kTipoDadosAnuais = "Dados Anuais";

// 1 "NORMAL", 3 "SIMPLES NACIONAL", 7 "EPP"; empty for any other code.
std::string DescricaoRegApuracao(int codigo);
// 1 "Normal", 3 "Simples", 7 "EPP"; empty for any other code.
std::string DescricaoRegime(int codigo);

using TTabelaSintegra = TTabelaMemoria<TDeclaracaoSintegra>;
using TTabelaResProces = TTabelaMemoria<TNaoSelecionada>;
using TTabelaTransmissao = TTabelaMemoria<TRegistroTransmissao>;
using TTabelaNoldeNet = TTabelaMemoria<TReciboNoldeNet>;

TTabelaSintegra CriarTblSintegra();
// The fields of tblSintegra in the selection's order, and the calculated descRegApuracao.
TTabelaSintegra CriarTblSelecao();
TTabelaResProces CriarTblResProces();
TTabelaTransmissao CriarTblTransmissao();
TTabelaNoldeNet CriarTblNoldeNet();

// The size of a record's data as the window shows it.
std::string TextoTamanhoDados(std::int64_t bytes);

}  // namespace zq
