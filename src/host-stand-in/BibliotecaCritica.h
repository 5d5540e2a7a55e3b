#pragma once
// The critique library loaded from a folder, as the national validator loads it,
// and its export called with CP1252 paths.

#include <cstdint>
#include <filesystem>
#include <string>

namespace zq {

class BibliotecaCritica {
public:
    // Throws std::runtime_error naming the library when it cannot be loaded or has no export.
    explicit BibliotecaCritica(const std::filesystem::path& pasta);
    ~BibliotecaCritica();
    BibliotecaCritica(const BibliotecaCritica&) = delete;
    BibliotecaCritica& operator=(const BibliotecaCritica&) = delete;

    // On Windows, throws std::runtime_error when the export does not keep the stdcall convention.
    std::uint8_t CriticaEspecifica(const std::string& arquivoCp1252, const std::string& saidaCp1252) const;

private:
    void* modulo_ = nullptr;
    void* funcao_ = nullptr;
};

// A path given on the command line as CP1252, as the validator passes it to the library.
std::string ArgumentoCp1252(const char* argumento);

}  // namespace zq
