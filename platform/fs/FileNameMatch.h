#pragma once
// File-name patterns as Windows matches them: "*" stands for any run of
// characters, "?" for exactly one character (one or two bytes in code page
// 932), letters match regardless of case, and "*.*" matches every name.
// Anything else, a comma included, is an ordinary character.

#include <string_view>

namespace platform {

bool MatchFileName(std::string_view pattern, std::string_view name);

}  // namespace platform
