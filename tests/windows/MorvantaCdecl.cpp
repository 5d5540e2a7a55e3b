// A library with the right export name but the cdecl convention: the host
// stand-in must notice that the arguments were left on the stack.

#include <cstdint>

extern "C" __declspec(dllexport) std::uint8_t CriticaEspecifica(const char*, const char*) { return 0; }
