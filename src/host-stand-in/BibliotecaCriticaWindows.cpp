#include <windows.h>

#include <stdexcept>

#include "host-stand-in/BibliotecaCritica.h"
#include "platform/Plataforma.h"

namespace zq {
namespace {

// Calls the export as the validator does: two pointers pushed, the callee
// removes them (stdcall). The stack pointer after the call tells whether it did;
// the stack is put back in any case.
std::uint8_t ChamarStdcall(void* funcao, const char* arquivo, const char* saida, bool& pilhaEquilibrada) {
    std::uint32_t resultado = 0;
    std::uintptr_t antes = 0;
    std::uintptr_t depois = 0;
    asm volatile(
        "movl %%esp, %%esi\n\t"
        "pushl %%edx\n\t"
        "pushl %%ecx\n\t"
        "call *%%ebx\n\t"
        "movl %%esp, %%edi\n\t"
        "movl %%esi, %%esp"
        : "=a"(resultado), "=&S"(antes), "=&D"(depois), "+c"(arquivo), "+d"(saida)
        : "b"(funcao)
        : "memory", "cc");
    pilhaEquilibrada = antes == depois;
    return static_cast<std::uint8_t>(resultado & 0xFF);
}

std::string DescricaoDoErro(DWORD codigo) {
    char* texto = nullptr;
    const DWORD tamanho =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, codigo, 0, reinterpret_cast<char*>(&texto), 0, nullptr);
    std::string descricao = tamanho ? std::string(texto, tamanho) : "erro " + std::to_string(codigo);
    LocalFree(texto);
    while (!descricao.empty() && (descricao.back() == '\n' || descricao.back() == '\r')) descricao.pop_back();
    return descricao;
}

}  // namespace

BibliotecaCritica::BibliotecaCritica(const std::filesystem::path& pasta) {
    const std::string biblioteca = CaminhoCp1252(pasta / "Morvanta.dll");
    HMODULE modulo = LoadLibraryA(biblioteca.c_str());
    if (modulo == nullptr) {
        throw std::runtime_error("Não foi possível carregar " + biblioteca + ": " + DescricaoDoErro(GetLastError()));
    }
    modulo_ = modulo;
    funcao_ = reinterpret_cast<void*>(GetProcAddress(modulo, "CriticaEspecifica"));
    if (funcao_ == nullptr) {
        FreeLibrary(modulo);
        throw std::runtime_error("CriticaEspecifica não encontrada em " + biblioteca);
    }
}

BibliotecaCritica::~BibliotecaCritica() { FreeLibrary(static_cast<HMODULE>(modulo_)); }

std::uint8_t BibliotecaCritica::CriticaEspecifica(const std::string& arquivoCp1252,
                                                  const std::string& saidaCp1252) const {
    bool pilhaEquilibrada = false;
    const std::uint8_t resultado = ChamarStdcall(funcao_, arquivoCp1252.c_str(), saidaCp1252.c_str(), pilhaEquilibrada);
    if (!pilhaEquilibrada) throw std::runtime_error("CriticaEspecifica não removeu seus argumentos da pilha (stdcall)");
    return resultado;
}

// The C runtime hands the command line over in the ANSI code page (1252).
std::string ArgumentoCp1252(const char* argumento) { return argumento; }

}  // namespace zq
