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

// Bytes of the UTF-8 character at the start of text; 1 for a byte that does
// not start a well-formed sequence.
std::size_t Utf8SequenceLength(std::string_view text)
{
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
    if (length > text.size())
        return 1;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80)
            return 1;
    return length;
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
        const std::size_t length = Utf8SequenceLength(utf8.substr(i));
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
