#pragma once
// MD5 digests (RFC 1321) as 32 upper-case hexadecimal digits.

#include <istream>
#include <string>
#include <string_view>

namespace zq {

class TMD5 {
public:
    static std::string Digerir(std::string_view bytes);
    // The whole stream from its start, in blocks; its position is restored afterwards.
    static std::string Digerir(std::istream& fluxo);
};

}  // namespace zq
