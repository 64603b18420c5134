// Listing the files of a directory run.

#include "engine/DirectoryWalk.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "engine/Messages.h"
#include "platform/fs/DirectoryListing.h"
#include "platform/fs/FileNameMatch.h"
#include "platform/text/Convert.h"

namespace {

std::optional<std::string> CurrentDirectory()
{
    std::unique_ptr<char, decltype(&std::free)> native(::getcwd(nullptr, 0), &std::free);
    if (!native)
        return std::nullopt;
    return cp932::FromUtf8(native.get());
}

std::string JoinPath(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

}  // namespace

std::string AbsolutePath(std::string_view path)
{
    std::string full;
    if (path.empty() || path.front() != '/') {
        const auto current = CurrentDirectory();
        if (!current)
            return std::string(path);
        full = JoinPath(*current, path);
    } else {
        full = path;
    }
    // "/" is a byte no code page 932 character contains, so cutting at it is safe.
    std::vector<std::string_view> parts;
    std::string_view rest = full;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string normal;
    for (std::string_view part : parts) {
        normal += '/';
        normal += part;
    }
    return normal.empty() ? "/" : normal;
}

int CollectFiles(std::string_view directory, std::string_view pattern, Recursion recursion,
                 DirectoryWalk& walk, platform::Prompter& prompter)
{
    const std::string base = AbsolutePath(directory);
    std::vector<platform::DirectoryEntry> entries;
    if (!platform::ListDirectory(base, entries))
        return static_cast<int>(walk.files.size());

    for (const platform::DirectoryEntry& entry : entries)
        if (entry.kind == platform::EntryKind::File && platform::MatchFileName(pattern, entry.name))
            walk.files.push_back(JoinPath(base, entry.name));
    if (recursion == Recursion::ThisDirectoryOnly)
        return static_cast<int>(walk.files.size());

    std::vector<std::string> subdirectories;
    for (const platform::DirectoryEntry& entry : entries) {
        if (entry.kind != platform::EntryKind::Directory)
            continue;
        const bool atLimit = walk.directoryCount == walk.limit;
        if (atLimit)
            prompter.Tell(msg::DirectoryLimit(walk.limit), platform::MessageIcon::Stop);
        else if (walk.directoryCount < walk.limit)
            subdirectories.push_back(JoinPath(base, entry.name));
        ++walk.directoryCount;
        if (atLimit)
            break;
    }
    for (const std::string& subdirectory : subdirectories)
        CollectFiles(subdirectory, pattern, recursion, walk, prompter);
    return static_cast<int>(walk.files.size());
}
