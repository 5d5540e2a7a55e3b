#pragma once
// What the program remembers between runs, in the INI file next to it (section "Config"), and the work folder
// of the run. The work folder belongs to this process alone: two runs at once never share it, and it is
// removed when the object ends, when an error unwinds past it, and when SIGINT, SIGTERM or SIGHUP end the
// process.

#include <string>

namespace zq {

class TConfigValidadorXra {
public:
    // Creates the work folder and reads the INI keys (defaults for the missing ones).
    TConfigValidadorXra();
    // Writes the five keys back, then removes the work folder.
    ~TConfigValidadorXra();
    TConfigValidadorXra(const TConfigValidadorXra&) = delete;
    TConfigValidadorXra& operator=(const TConfigValidadorXra&) = delete;

    // "<temporary folder>/<program name>-XXXXXX/", with the separator at the end.
    const std::string& PastaTrabalho() const { return pastaTrabalho_; }

    std::string PastaColetoria;            // "PastaColetoria": where generated declaration files go
    std::string PastaSintegra;             // "PastaSintegra": the folder of the media ZIPs
    std::string NomeArqInternet;           // "NomeArqInternet": last ".sfn" chosen
    std::string ValidadorSintegra;         // "ValidadorSintegra": the national validator's executable
    std::string NomeArqRecibosColetoria;  // "NomeArqRecibosColetoria": last receipts ZIP chosen

private:
    std::string pastaTrabalho_;
};

// A folder text as kept by the configuration: "" stays ""; a text ending in ':' or a separator is kept; a
// single letter becomes a drive ("C" -> "C:\"); anything else gets the separator.
std::string NormalizarPastaConfig(const std::string& pasta);

}  // namespace zq
