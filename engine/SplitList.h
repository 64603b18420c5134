#pragma once
// SplitList: cuts a code page 932 string at its commas into pieces, the way a
// condition's exclusion strings are written.

#include <string>
#include <string_view>
#include <vector>

// Fills list with the pieces of text between commas, exactly as cut: blanks
// kept, two adjacent commas giving an empty piece, a comma at the end an empty
// last piece. The second byte of a double-byte character is never a comma.
// Returns false, with list empty, when text is empty.
bool SplitList(std::string_view text, std::vector<std::string>& list);
