#include "platform/system/AvailableMemory.h"

#include <gtest/gtest.h>

using platform::AvailableMemoryFromMeminfo;

TEST(AvailableMemory, AddsAvailableMemoryAndFreeSwapInBytes)
{
    const char* meminfo =
        "MemTotal:       16000000 kB\n"
        "MemFree:          100000 kB\n"
        "MemAvailable:    8000000 kB\n"
        "SwapTotal:       4000000 kB\n"
        "SwapFree:        3000000 kB\n";
    EXPECT_EQ(AvailableMemoryFromMeminfo(meminfo), 11000000ull * 1024);
}

TEST(AvailableMemory, FiguresAboveFourGigabytesAreNotTruncated)
{
    const auto bytes = AvailableMemoryFromMeminfo("MemAvailable: 20000000 kB\nSwapFree: 0 kB\n");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, 20000000ull * 1024);
    EXPECT_GT(*bytes, 0xFFFFFFFFull);
}

TEST(AvailableMemory, MissingOrMalformedFiguresGiveNothing)
{
    EXPECT_FALSE(AvailableMemoryFromMeminfo("").has_value());
    EXPECT_FALSE(AvailableMemoryFromMeminfo("MemAvailable: 5 kB\n").has_value());
    EXPECT_FALSE(AvailableMemoryFromMeminfo("MemAvailable: x kB\nSwapFree: 1 kB\n").has_value());
    // A name that only starts like the one asked for is another field.
    EXPECT_FALSE(AvailableMemoryFromMeminfo("MemAvailableX: 5 kB\nSwapFree: 1 kB\n").has_value());
}

TEST(AvailableMemory, ThisMachineReportsSomeMemory)
{
    const auto bytes = platform::AvailableMemory();
    ASSERT_TRUE(bytes.has_value());
    EXPECT_GT(*bytes, 0u);
}
