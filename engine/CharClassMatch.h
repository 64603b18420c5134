#pragma once
// MatchCharClass: whether a code page 932 text holds a character of a set of
// keyword classes. Byte ranges are numeric: a code inside a range counts whether
// or not the code page assigns a character to it.

#include <string_view>

#include "engine/Keywords.h"

// The half-width classes of a byte that is not a lead byte. A NUL byte inside a
// text is a control character, as the C locale classifies it.
ClassMask HalfWidthClasses(unsigned char byte);

// The full-width classes of a double-byte code (lead byte * 256 + second byte).
ClassMask FullWidthClasses(unsigned code);

// True when text holds at least one character of a class in mask. A lead byte is
// taken with the byte after it as one character; a lead byte that is the last
// byte of text is taken as the code lead byte * 256.
bool MatchCharClass(ClassMask mask, std::string_view text);
