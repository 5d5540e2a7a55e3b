#pragma once
// Files of the project that the tests read (examples, samples, fixtures).

#include <filesystem>

namespace zq::teste {

// The project's own folder, whatever the folder the tests run in.
inline std::filesystem::path PastaProjeto() { return ZQ_PASTA_PROJETO; }

}  // namespace zq::teste
