#include "platform/system/AvailableMemory.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

// The value of one "Name:   1234 kB" line, in bytes.
std::optional<std::uint64_t> MeminfoField(std::string_view meminfo, std::string_view name)
{
    std::size_t pos = 0;
    while (pos < meminfo.size()) {
        std::size_t end = meminfo.find('\n', pos);
        if (end == std::string_view::npos)
            end = meminfo.size();
        std::string_view line = meminfo.substr(pos, end - pos);
        pos = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ':')
            continue;
        line.remove_prefix(name.size() + 1);
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        std::uint64_t kib = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), kib);
        if (error != std::errc() || rest == line.data())
            return std::nullopt;
        return kib * 1024;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> AvailableMemoryFromMeminfo(std::string_view meminfo)
{
    const auto available = MeminfoField(meminfo, "MemAvailable");
    const auto swapFree = MeminfoField(meminfo, "SwapFree");
    if (!available || !swapFree)
        return std::nullopt;
    return *available + *swapFree;
}

std::optional<std::uint64_t> AvailableMemory()
{
    std::ifstream file("/proc/meminfo");
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return AvailableMemoryFromMeminfo(text.str());
}

}  // namespace platform
