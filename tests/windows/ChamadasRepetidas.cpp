// Usage: ChamadasRepetidas N ARQUIVO SAIDA
// Calls the library's export N times in one process, as a validator critiquing
// one declaration after another does, and fails when an open handle or heap
// memory is left behind by the calls or when a call answers differently.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "host-stand-in/BibliotecaCritica.h"
#include "platform/Plataforma.h"

namespace {

// The first calls create what lives as long as the library: the message lists,
// tables built once, the C runtime's buffers.
constexpr int kChamadasDeAquecimento = 20;
constexpr long kFolgaHeap = 64 * 1024;

struct Medida {
    DWORD handles = 0;             // open in the process (Wine always answers 0)
    std::uintptr_t proximoHandle = 0;  // handles take the lowest free slot: left-open ones push it up
    long bytesHeap = 0;            // in use in every heap of the process
};

std::uintptr_t ProximoHandle() {
    HANDLE evento = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const auto valor = reinterpret_cast<std::uintptr_t>(evento);
    CloseHandle(evento);
    return valor;
}

long BytesEmUsoNosHeaps() {
    HANDLE heaps[256];
    const DWORD quantidade = GetProcessHeaps(256, heaps);
    long total = 0;
    for (DWORD i = 0; i < quantidade && i < 256; ++i) {
        PROCESS_HEAP_ENTRY entrada{};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &entrada)) {
            if (entrada.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += static_cast<long>(entrada.cbData);
        }
        HeapUnlock(heaps[i]);
    }
    return total;
}

Medida Medir() {
    Medida medida;
    GetProcessHandleCount(GetCurrentProcess(), &medida.handles);
    medida.proximoHandle = ProximoHandle();
    medida.bytesHeap = BytesEmUsoNosHeaps();
    return medida;
}

std::string Conteudo(const std::string& arquivoCp1252) {
    std::ifstream entrada(zq::CaminhoNativo(arquivoCp1252), std::ios::binary);
    std::ostringstream texto;
    texto << entrada.rdbuf();
    return texto.str();
}

}  // namespace

int Chamar(int chamadas, const std::string& arquivo, const std::string& saida) {
    const zq::BibliotecaCritica biblioteca(zq::PlataformaAtual().CaminhoProgramaEmExecucao().parent_path());

    const std::uint8_t primeiro = biblioteca.CriticaEspecifica(arquivo, saida);
    const std::string relatorio = Conteudo(saida);
    for (int i = 1; i < kChamadasDeAquecimento; ++i) biblioteca.CriticaEspecifica(arquivo, saida);

    const Medida antes = Medir();
    for (int i = kChamadasDeAquecimento; i < chamadas; ++i) {
        const std::uint8_t resultado = biblioteca.CriticaEspecifica(arquivo, saida);
        if (resultado != primeiro) {
            std::cerr << "chamada " << i + 1 << ": resultado " << int(resultado) << ", o primeiro foi " << int(primeiro)
                      << '\n';
            return 1;
        }
    }
    const Medida depois = Medir();
    const bool mesmoRelatorio = Conteudo(saida) == relatorio;

    std::cout << chamadas << " chamadas, resultado " << int(primeiro) << "; handles " << antes.handles << " -> "
              << depois.handles << ", próximo handle " << antes.proximoHandle << " -> " << depois.proximoHandle
              << "; heap " << antes.bytesHeap << " -> " << depois.bytesHeap << " bytes\n";
    const bool handlesFechados = depois.handles <= antes.handles && depois.proximoHandle <= antes.proximoHandle;
    const bool heapEstavel = depois.bytesHeap <= antes.bytesHeap + kFolgaHeap;
    if (!mesmoRelatorio) std::cerr << "o relatório da última chamada difere do primeiro\n";
    if (!handlesFechados) std::cerr << "handles ficam abertos\n";
    if (!heapEstavel) std::cerr << "memória do heap cresce\n";
    return mesmoRelatorio && handlesFechados && heapEstavel ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "Uso: ChamadasRepetidas N ARQUIVO SAIDA\n";
        return 64;
    }
    try {
        return Chamar(std::atoi(argv[1]), argv[2], argv[3]);
    } catch (const std::runtime_error& erro) {
        std::cerr << erro.what() << '\n';
        return 1;
    }
}
