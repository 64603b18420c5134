#pragma once
// CandidateFilter: a pre-filter for many substring conditions. One pass over a
// text marks every condition whose pattern may occur in it: each pattern is
// filed under one of its byte pairs (or its byte, when it has only one), and a
// condition is marked when the text holds that pair anywhere. It may mark a
// condition whose pattern does not occur, but never misses one that occurs at
// any byte position, so the conditions it leaves unmarked cannot hit.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class CandidateFilter {
public:
    using Word = std::uint64_t;  // marks hold one bit per condition, 64 to a word

    // Words needed for the marks of conditionCount conditions.
    static std::size_t WordsFor(int conditionCount) { return (static_cast<std::size_t>(conditionCount) + 63) / 64; }

    // patterns: (condition number, pattern) for each non-empty pattern to watch.
    explicit CandidateFilter(std::span<const std::pair<int, std::string_view>> patterns);

    // Sets in marks the bit of every condition whose pattern may occur in text;
    // other bits are left as they are.
    void Mark(std::string_view text, std::span<Word> marks) const;

private:
    static unsigned PairKey(unsigned char first, unsigned char second) { return first << 8 | second; }

    std::array<Word, 65536 / 64> m_pairUsed{};  // pairs with conditions filed under them
    std::vector<std::uint32_t> m_pairStart;     // 65537 offsets into m_pairConditions, by pair
    std::vector<int> m_pairConditions;
    std::array<std::vector<int>, 256> m_byteConditions;  // one-byte patterns, by byte
    bool m_anyByte = false;
};
