#pragma once
// The transmission file (".sfn"): the CRC-32 of the rest, the application identifier, the period, and the
// declaration records, each an inscrição, a length and that many bytes of a ZIP holding the declaration TXT.
// Every length read from the file is checked against the bytes really there.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zq {

inline constexpr const char* kSenhaRegistroNoldeNet = "QbrLmkahzeq";

// "99.999.999-9" for a 9-character inscrição; other texts as they are.
std::string InscricaoComMascara(const std::string& inscricao);

class TRegDadosNoldeNet {
public:
    void Definir(std::string inscricao, std::string dados);
    void Limpar() { Definir({}, {}); }

    const std::string& Inscricao() const { return inscricao_; }
    const std::string& Dados() const { return dados_; }
    // MD5 of the record as stored: the 9 inscrição bytes, the 4 length bytes, the data.
    const std::string& CodigoDados() const;
    // Writes the data to the file; EArquivo when it cannot.
    void ExportarDados(const std::string& arquivo) const;
    // Inscrição, data size and data code, each line indented by `recuo` spaces.
    std::string Descricao(int recuo) const;

private:
    std::string inscricao_;
    std::string dados_;
    mutable std::optional<std::string> codigo_;
};

class TArqDadosNoldeNet {
public:
    // Loads the file and checks its CRC-32. When it cannot be loaded, shows the error box and returns false.
    bool Abrir(const std::string& arquivo);

    const std::string& Caminho() const { return caminho_; }
    int Identificador() const { return identificador_; }
    const std::string& Periodo() const { return periodo_; }  // the 8 stored characters
    bool PeriodoMensal() const { return periodo_.substr(0, 4) != periodo_.substr(4, 4); }
    // "yyyy-mm" (with the separator given) for a month, "yyyy" for a year.
    std::string PeriodoTexto(char separador = '-') const;
    int Ano() const;
    std::chrono::year_month_day DataPeriodo() const { return dataPeriodo_; }

    bool HaMaisRegistros() const { return posicao_ < registros_.size(); }
    // Reads the next record into Registro(). False when it cannot be read; with `comMensagens` the failure is
    // shown in an error box first.
    bool LerProximo(bool comMensagens);
    const TRegDadosNoldeNet& Registro() const { return registro_; }
    int RegistrosLidos() const { return lidos_; }
    // The records that can be read from the start, counted once.
    int QuantidadeRegistros() const;

private:
    std::string caminho_;
    int identificador_ = 0;
    std::string periodo_;
    std::chrono::year_month_day dataPeriodo_{};
    std::string registros_;
    std::size_t posicao_ = 0;
    int lidos_ = 0;
    TRegDadosNoldeNet registro_;
    mutable std::optional<int> quantidade_;
};

}  // namespace zq
