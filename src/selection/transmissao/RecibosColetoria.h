#pragma once
// The ZIP of PDF receipts the virtual office returns: its PDFs extracted into the work folder, listed and
// opened with the PDF reader.

#include <string>
#include <vector>

namespace zq {

class TRecibosColetoria {
public:
    // The extraction folder is "Coletoria" below the work folder.
    explicit TRecibosColetoria(const std::string& pastaTrabalho);

    // Extracts the "*.pdf" entries of the ZIP (the folder emptied first) and returns their names, in name
    // order. Excecao when the ZIP cannot be read, holds entries that cannot be trusted, or no PDF.
    std::vector<std::string> Extrair(const std::string& zip);
    // Opens an extracted PDF with the reader registered for "AcroRd32.exe"; without one, with the desktop's
    // default program when the user agrees. False when nothing was opened.
    bool Abrir(const std::string& nome);

    const std::string& Pasta() const { return pasta_; }

private:
    std::string pasta_;
    std::string leitorPdf_;
};

}  // namespace zq
