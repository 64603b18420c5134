#include "platform/fs/DirectoryListing.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <optional>
#include <utility>
#include <sys/stat.h>

#include "platform/text/CaseFold.h"
#include "platform/text/Convert.h"

namespace platform {
namespace {

// The code page 932 form of a UTF-8 text, if it converts back to the very same
// text (two Unicode characters can share one code page 932 form).
std::optional<std::string> RoundTrip(std::string_view utf8)
{
    auto converted = cp932::FromUtf8(utf8);
    if (!converted || cp932::ToUtf8(*converted) != utf8)
        return std::nullopt;
    return converted;
}

// The code page 932 form of a UTF-8 name from the file system; characters
// without an exact one become 0xFF (see DirectoryEntry::name).
std::string NameFromFileSystem(std::string_view utf8)
{
    if (auto exact = RoundTrip(utf8))
        return *exact;
    std::string name;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t length = 1;
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        length = std::min(length, utf8.size() - i);
        const auto converted = RoundTrip(utf8.substr(i, length));
        name += converted ? *converted : std::string(1, '\xFF');
        i += length;
    }
    return name;
}

EntryKind KindOf(const std::string& path)
{
    struct stat link {};
    if (lstat(path.c_str(), &link) != 0)
        return EntryKind::File;
    if (S_ISDIR(link.st_mode))
        return EntryKind::Directory;
    struct stat target {};
    if (S_ISLNK(link.st_mode) && stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
        return EntryKind::LinkToDirectory;
    return EntryKind::File;
}

// Case-insensitive order, ties broken by the bytes of the names.
void SortByName(std::vector<DirectoryEntry>& entries)
{
    std::vector<std::pair<std::string, DirectoryEntry>> keyed;
    keyed.reserve(entries.size());
    for (DirectoryEntry& entry : entries) {
        std::string key = entry.name;
        cp932::UpperInPlace(key);
        keyed.emplace_back(std::move(key), std::move(entry));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        entries[i] = std::move(keyed[i].second);
}

}  // namespace

bool ListDirectory(std::string_view directory, std::vector<DirectoryEntry>& entries)
{
    entries.clear();
    const auto native = cp932::ToUtf8(directory);
    if (!native)
        return false;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(native->c_str()), closedir);
    if (!dir)
        return false;
    const std::string prefix = native->empty() || native->back() == '/' ? *native : *native + "/";
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        entries.push_back({NameFromFileSystem(name), KindOf(prefix + entry->d_name)});
    }
    SortByName(entries);
    return true;
}

}  // namespace platform
