#pragma once
// Opens a file or an address with the desktop's "open" action: the program
// the desktop associates with its type shows it.

#include <string_view>

namespace platform {

// What went wrong, as the numbers the program's messages show.
enum class OpenResult {
    Opened = 0,
    FileNotFound = 2,   // no such file
    NoApplication = 31, // the desktop has nothing to open it with
};

// target is a path (relative ones start from the current directory) or an
// address such as "https://..."; code page 932.
OpenResult OpenDocument(std::string_view target);

}  // namespace platform
