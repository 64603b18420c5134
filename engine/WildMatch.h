#pragma once
// WildMatch: byte-wise wildcard matching anchored at both ends. "*" stands for
// any run of bytes (the empty one included), "?" for exactly one byte, every
// other byte for itself. Being byte-wise, "?" is half of a double-byte
// character and "*" may end inside one.

#include <string_view>

bool WildMatch(std::string_view pattern, std::string_view text);
