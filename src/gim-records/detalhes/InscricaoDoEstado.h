#pragma once

#include <string_view>

namespace zq {

// A registration of the home state begins with "16" (so one of all zeros is not).
inline bool InscricaoDoEstado(std::string_view inscricao) { return inscricao.starts_with("16"); }

}  // namespace zq
