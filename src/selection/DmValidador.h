#pragma once
// The program's data module: the declaration tables and the operations over them (scan of a media folder,
// selection, reasons, re-check of a TXT). It owns its folders below the work folder: the moved TXTs, the
// extraction folder of the media and the folders of the receipt ZIPs.

#include <string>
#include <vector>

#include <memory>

#include "gim-records/ArqSintegraGimZQLeitura.h"
#include "selection/transmissao/ArqDadosNoldeNet.h"
#include "selection/selecao/FiltroSelecao.h"
#include "selection/tabelas/TabelasValidador.h"
#include "selection/varredura/MidiaSintegra.h"

namespace zq {

class TDmValidador {
public:
    // Opens the tables: empties its folders below the work folder (creating them). The period bounds of the
    // filter are taken now.
    explicit TDmValidador(const std::string& pastaTrabalho);
    // Closes the tables: removes its folders with their contents.
    ~TDmValidador();
    TDmValidador(const TDmValidador&) = delete;
    TDmValidador& operator=(const TDmValidador&) = delete;

    // Replaces tblSintegra with the declarations of the media ZIPs found directly in the folder (tblSelecao is
    // emptied). Media that are not declarations are skipped without a word, media that break a ZIP limit
    // with a word in MidiasRecusadas; Excecao when the folder is missing or yields no declaration.
    void CarregarPastaMidias(const std::string& pasta);
    // The TXT of the table's current row, checked against its recorded size, date-time and CRC-32.
    std::string ConferirTxt(const TTabelaSintegra& tabela) const;
    std::string ConferirTxt(const TTabelaNoldeNet& tabela) const;

    // Writes the virtual-office file at `saida` from the TXTs of tblSelecao, each re-checked first, with the
    // version digits of the program's file version `versaoPrograma` ("a.b.c.d").
    void GerarArquivoColetoria(const std::string& saida, const std::string& versaoPrograma);

    // Opens a transmission file: with its receipt file (same name, ".rcb") beside it, fills tblNoldeNet with the
    // receipts that check (Excecao for an error of the receipt file as a whole); without it, tblTransmissao with
    // its records. Nothing when it cannot be loaded (its error box was shown).
    std::unique_ptr<TArqDadosNoldeNet> AbrirArquivoInternet(const std::string& arquivoSfn);
    // The same listing for a transmission file already opened: the caller keeps the file object also when the
    // receipt file fails (Excecao).
    void ListarArquivoInternet(TArqDadosNoldeNet& arquivo);

    void SelecionarDeclaracoes(const TFiltroDeclaracoes& filtro);
    void ListarNaoSelecionadas(const TFiltroDeclaracoes& filtro);

    // What the last scan found.
    bool GimEncontrada() const { return gimEncontrada_; }
    bool DadosAnuaisEncontrados() const { return dadosAnuaisEncontrados_; }
    const std::vector<std::string>& Midias() const { return midias_; }
    struct TMidiaRecusada {
        std::string Midia;
        std::string Motivo;
    };
    const std::vector<TMidiaRecusada>& MidiasRecusadas() const { return midiasRecusadas_; }

    TTabelaSintegra tblSintegra = CriarTblSintegra();
    TTabelaSintegra tblSelecao = CriarTblSelecao();
    TTabelaResProces tblResProces = CriarTblResProces();
    TTabelaTransmissao tblTransmissao = CriarTblTransmissao();
    TTabelaNoldeNet tblNoldeNet = CriarTblNoldeNet();

    // The receipts of tblNoldeNet chosen for printing.
    int QuantidadeEscolhidos() const;
    void EscolherTodos(bool imprimir);
    void DefinirImprimir(bool imprimir);  // the current row

private:
    // Reads the extracted TXT of the media and lists it; false when it is not a declaration to list.
    bool IncluirDeclaracao(const std::string& midia, const TTxtMidia& txt);
    std::string NomeNovo() const;
    std::vector<std::string> Pastas() const;

    std::string pastaTrabalho_;
    std::string pastaTxt_;
    std::string pastaExtracao_;
    std::string pastaTxtNoldeNet_;
    std::string pastaTempNoldeNet_;
    TLimitesPeriodo limites_;
    TArqSintegraGimZQLeitura leitor_;
    std::vector<std::string> midias_;
    std::vector<TMidiaRecusada> midiasRecusadas_;
    bool gimEncontrada_ = false;
    bool dadosAnuaisEncontrados_ = false;
};

}  // namespace zq
