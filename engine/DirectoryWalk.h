#pragma once
// The list of source files of a directory run: every file of a directory whose
// name matches the pattern, and with recursion those of all its subdirectories,
// depth first: a directory's own files, then the whole walk of its first
// subdirectory, then of its second, and so on. Entries come sorted by name, so
// the same tree always gives the same list. A link to a file is listed like the
// file; a link to a directory is never walked into, so a link cycle cannot send
// the walk round and round.

#include <string>
#include <string_view>
#include <vector>

#include "platform/prompt/Prompter.h"

enum class Recursion { ThisDirectoryOnly, IntoSubdirectories };

// The largest number of subdirectories a walk searches.
inline constexpr int DirectoryLimit = 32767;

// What one walk shares between its levels.
struct DirectoryWalk {
    std::vector<std::string> files;  // full paths (code page 932), "/" between the parts
    int directoryCount = 0;          // subdirectories met so far, the start directory not counted
    int limit = DirectoryLimit;      // subdirectories beyond this are counted but not searched
};

// Adds the matching files of directory (and, with recursion, of its
// subdirectories) to walk.files and returns their number. A directory that
// does not exist or cannot be read adds nothing, silently. Meeting a
// subdirectory beyond the limit is told once, then that directory's further
// subdirectories are left out, and so is every later one.
int CollectFiles(std::string_view directory, std::string_view pattern, Recursion recursion,
                 DirectoryWalk& walk, platform::Prompter& prompter);

// The absolute form of path: relative to the current directory when it does
// not start with "/", with "." and ".." parts and repeated slashes resolved
// by text alone. Unchanged when the current directory has no code page 932 form.
std::string AbsolutePath(std::string_view path);
