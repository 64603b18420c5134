#pragma once
// CandidateFilter: one pass over a text marks exactly the conditions whose
// pattern occurs in it at some byte position. The patterns form one automaton
// over bytes (a trie with failure links), so the pass costs the same for 3 or
// 1000 patterns, even when they all share their bytes, as numbers do. It does
// not know character boundaries: a pattern that occurs only from the second
// byte of a double-byte character is marked too, and the search that confirms
// a marked condition rejects it; an unmarked condition cannot hit.
//
// Transitions are stored by byte class (the bytes the patterns use each have
// their own, all others share one), as full rows for the states nearest the
// root, where most of the text is matched, and as child lists plus failure
// links for the deeper ones, so that the table stays small enough for the
// cache with 1000 long patterns.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class PatternTrie;

class CandidateFilter {
public:
    using Word = std::uint64_t;  // marks hold one bit per condition, 64 to a word

    // Words needed for the marks of conditionCount conditions.
    static std::size_t WordsFor(int conditionCount) { return (static_cast<std::size_t>(conditionCount) + 63) / 64; }

    // patterns: (condition number, pattern) for each pattern to watch; an empty
    // pattern occurs in every text.
    explicit CandidateFilter(std::span<const std::pair<int, std::string_view>> patterns);

    // Sets in marks the bit of every condition whose pattern occurs in text;
    // other bits are left as they are.
    void Mark(std::string_view text, std::span<Word> marks) const;

private:
    // Where the automaton stands: for a state with a full row, the index of the
    // row's first target in m_rows; for another, m_sparseBase plus its index
    // in m_sparse. A transition's target is a position, with OutputBit set
    // when some pattern ends there.
    using Target = std::uint32_t;
    static constexpr Target OutputBit = Target{1} << 31;

    struct Edge {
        std::uint16_t byteClass;
        Target target;
    };
    // A state without a full row: its children, and where to go for other classes.
    struct SparseState {
        std::uint32_t edgeBegin;
        std::uint32_t edgeEnd;
        Target fail;
    };
    // The conditions of the patterns ending at a state: its own, then those of
    // the state next (0 for none), the longest proper suffix that ends some.
    struct Output {
        std::uint32_t begin;
        std::uint32_t end;
        std::uint32_t next;
    };

    void BuildStartPairs(const PatternTrie& trie);
    void BuildRows(const PatternTrie& trie);
    void BuildSparse(const PatternTrie& trie);
    void BuildOutputs(const PatternTrie& trie);
    Target PositionOf(std::uint32_t state) const;
    std::uint32_t StateAt(Target position) const;
    Target Encode(const PatternTrie& trie, std::uint32_t state) const;
    bool StartsPattern(const unsigned char* at) const;
    Target Step(Target position, unsigned byteClass) const;
    void Report(Target position, std::span<Word> marks) const;

    std::array<std::uint16_t, 256> m_classOf{};
    // The first two bytes of the patterns (any second byte after a one-byte
    // pattern), one bit per pair: at the root, a position where no pattern
    // starts is passed over without a step.
    std::array<Word, 65536 / 64> m_startPairs{};
    std::uint32_t m_classCount = 1;
    std::uint32_t m_denseCount = 1;  // states 0 to m_denseCount - 1 have full rows
    Target m_sparseBase = 0;         // m_denseCount * m_classCount
    std::vector<Target> m_rows;
    std::vector<SparseState> m_sparse;  // by state - m_denseCount
    std::vector<Edge> m_edges;
    std::vector<Output> m_outputs;  // by state
    std::vector<int> m_outputConditions;
    std::vector<int> m_everywhere;  // conditions with an empty pattern
};
