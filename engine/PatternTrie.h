#pragma once
// PatternTrie: a set of byte patterns as a trie with failure links, the
// structure from which CandidateFilter lays out its automaton. Bytes are
// replaced by classes: each byte that some pattern uses has a class of its
// own, numbered from 1 in byte order; all other bytes share class 0. States
// are numbered breadth first from the root, 0, so a state's failure link (the
// state of its longest proper suffix in the trie) always has a lower number.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class PatternTrie {
public:
    struct Child {
        std::uint16_t byteClass;
        std::uint32_t state;
    };

    // patterns: (condition number, pattern); an empty pattern ends at the root.
    explicit PatternTrie(std::span<const std::pair<int, std::string_view>> patterns);

    unsigned ClassOf(unsigned char byte) const { return m_classOf[byte]; }
    unsigned ClassCount() const { return m_classCount; }
    std::uint32_t StateCount() const { return static_cast<std::uint32_t>(m_fail.size()); }

    // The children of state, in increasing class order.
    std::span<const Child> Children(std::uint32_t state) const;
    std::optional<std::uint32_t> ChildOf(std::uint32_t state, unsigned byteClass) const;
    std::uint32_t Fail(std::uint32_t state) const { return m_fail[state]; }

    // The conditions whose pattern is the path from the root to state.
    std::span<const int> Conditions(std::uint32_t state) const;
    // The nearest state on the failure chain (not the root) where some pattern
    // ends, or 0 when there is none.
    std::uint32_t OutputLink(std::uint32_t state) const { return m_outputLink[state]; }
    // True when some non-empty pattern ends at the last byte that led to state.
    bool EndsPattern(std::uint32_t state) const;

private:
    // Insertion order nodes, before they are numbered breadth first.
    struct Node {
        std::vector<Child> children;  // in increasing class order
        std::vector<int> conditions;
    };

    void AssignClasses(std::span<const std::pair<int, std::string_view>> patterns);
    static void Insert(std::vector<Node>& nodes, std::span<const std::uint16_t> classes, int condition);
    void NumberBreadthFirst(const std::vector<Node>& nodes);
    void LinkFailures();
    std::uint32_t Next(std::uint32_t state, unsigned byteClass) const;

    std::array<std::uint16_t, 256> m_classOf{};
    unsigned m_classCount = 1;
    std::vector<std::uint32_t> m_childBegin;  // StateCount() + 1 offsets into m_children
    std::vector<Child> m_children;
    std::vector<std::uint32_t> m_conditionBegin;  // StateCount() + 1 offsets into m_conditions
    std::vector<int> m_conditions;
    std::vector<std::uint32_t> m_fail;
    std::vector<std::uint32_t> m_outputLink;
};
