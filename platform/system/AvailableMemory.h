#pragma once
// How much memory the program could still take: the physical memory the kernel
// reports as available plus the free swap, in bytes.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// nullopt when the figures cannot be read.
std::optional<std::uint64_t> AvailableMemory();

// The same figure computed from the text of /proc/meminfo.
std::optional<std::uint64_t> AvailableMemoryFromMeminfo(std::string_view meminfo);

}  // namespace platform
