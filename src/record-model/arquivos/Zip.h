#pragma once
// ZIP archives whose entries may be protected by traditional PKWARE encryption. Entry names are CP1252
// texts like every path of the record model. Entries are always written without their folder names, so
// extraction never writes outside the chosen folder.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "record-model/comum/Excecao.h"

struct zip;

namespace zq {

// A failure of the ZIP layer, carrying the ZIP library's message or the file system's.
class EZip : public Excecao {
public:
    using Excecao::Excecao;
};

struct TEntradaZip {
    std::string Nome;  // as stored, folders included
    std::uint32_t Crc32 = 0;
    std::uint64_t Tamanho = 0;  // uncompressed, in bytes
    std::uint64_t TamanhoCompactado = 0;  // as stored in the archive, in bytes
    std::chrono::local_seconds DataHora;  // the entry's MS-DOS date and time
};

// An archive opened for reading; the password opens its encrypted entries.
class TArquivoZip {
public:
    TArquivoZip(const std::string& arquivo, const std::string& senha);
    ~TArquivoZip();
    TArquivoZip(const TArquivoZip&) = delete;
    TArquivoZip& operator=(const TArquivoZip&) = delete;

    // Every entry, in the order of the archive's directory.
    const std::vector<TEntradaZip>& Entradas() const { return entradas_; }

    // Writes the file entries whose name without folders matches the mask (see CombinaComMascara) into
    // the folder, creating it, each file under that name and with the entry's date-time. Files already
    // there are replaced; an entry that fails leaves nothing half-written. Returns the paths written, in
    // the archive's order. An entry that inflates past its declared size is an error, so a lying directory
    // never fills the disk.
    std::vector<std::string> Extrair(const std::string& pasta, const std::string& mascara);
    // One entry, by its index in Entradas(): written into the folder as Extrair writes it (returns the path),
    // or read into memory.
    std::string ExtrairEntrada(std::size_t indice, const std::string& pasta);
    std::string LerEntrada(std::size_t indice);

private:
    zip* zip_;
    std::vector<TEntradaZip> entradas_;
    std::vector<std::time_t> instantes_;  // the entries' date-times as the file system keeps them
};

// Refuses, with EZip naming the limit broken, an archive from outside whose directory promises more than
// the limits of Limites.h: checked before anything of it is inflated.
void VerificarLimites(const TArquivoZip& arquivo);

// Packs the files into a new archive at `zip` (its folder must exist), each under its name without
// folders, encrypted with the password unless it is empty. An archive already there is replaced only when
// the new one is complete. EZip on failure.
void CompactarArquivos(const std::vector<std::string>& lista, const std::string& zip, const std::string& senha);

// Unpacks every entry into the folder (the archive's own folder when empty) and returns the path of the
// first file written. The archive must pass VerificarLimites. EZip "Erro ao descompactar arquivo '<zip>':\r<message>" on failure.
std::string DescompactarArquivo(const std::string& zip, const std::string& pasta, const std::string& senha);

}  // namespace zq
