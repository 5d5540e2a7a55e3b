#pragma once
// Folders removed with everything in them when the process is ended by SIGINT, SIGTERM or SIGHUP; the
// signal then ends the process as it would have. The removal runs in the signal handler with system calls
// alone, so it is safe whatever the process was doing.

#include <string>

namespace zq {

// `pasta` is a native path; it is registered until Esquecer. At most a handful of folders at once; further
// ones are not guarded.
void RemoverAoTerminar(const std::string& pasta);
void EsquecerRemocao(const std::string& pasta);

}  // namespace zq
