#pragma once

namespace zq {

// The authority's web site, quoted by several messages of the critique.
inline constexpr const char* kEnderecoSiteXar = "http://www.xar.zq.gov.br";

}  // namespace zq
