// Laying out the automaton of the patterns and running it over a text.

#include "engine/CandidateFilter.h"

#include <algorithm>

#include "engine/PatternTrie.h"

namespace {

// Full rows take at most this many targets (1 MiB): all states of 1000 short
// patterns over few bytes, or the shallow ones of long patterns over many.
constexpr std::size_t RowTargets = std::size_t{1} << 18;

void SetBit(std::span<CandidateFilter::Word> marks, int condition)
{
    marks[static_cast<std::size_t>(condition) / 64] |= CandidateFilter::Word{1} << (condition % 64);
}

}  // namespace

CandidateFilter::CandidateFilter(std::span<const std::pair<int, std::string_view>> patterns)
{
    const PatternTrie trie(patterns);
    for (unsigned byte = 0; byte < 256; ++byte)
        m_classOf[byte] = static_cast<std::uint16_t>(trie.ClassOf(static_cast<unsigned char>(byte)));
    m_classCount = trie.ClassCount();
    m_denseCount = static_cast<std::uint32_t>(std::clamp<std::size_t>(RowTargets / m_classCount, 1, trie.StateCount()));
    m_sparseBase = m_denseCount * m_classCount;
    const auto everywhere = trie.Conditions(0);
    m_everywhere.assign(everywhere.begin(), everywhere.end());
    BuildStartPairs(trie);
    BuildRows(trie);
    BuildSparse(trie);
    BuildOutputs(trie);
}

CandidateFilter::Target CandidateFilter::PositionOf(std::uint32_t state) const
{
    return state < m_denseCount ? state * m_classCount : m_sparseBase + (state - m_denseCount);
}

std::uint32_t CandidateFilter::StateAt(Target position) const
{
    return position < m_sparseBase ? position / m_classCount : m_denseCount + (position - m_sparseBase);
}

CandidateFilter::Target CandidateFilter::Encode(const PatternTrie& trie, std::uint32_t state) const
{
    return PositionOf(state) | (trie.EndsPattern(state) ? OutputBit : 0);
}

void CandidateFilter::BuildStartPairs(const PatternTrie& trie)
{
    // Every class but 0 stands for one byte.
    std::array<unsigned, 257> byteOf{};
    for (unsigned byte = 0; byte < 256; ++byte)
        byteOf[m_classOf[byte]] = byte;
    const auto set = [this](unsigned pair) { m_startPairs[pair / 64] |= Word{1} << (pair % 64); };
    for (const PatternTrie::Child& first : trie.Children(0)) {
        const unsigned high = byteOf[first.byteClass] << 8;
        const bool endsHere = !trie.Conditions(first.state).empty();
        for (unsigned second = 0; endsHere && second < 256; ++second)
            set(high | second);
        for (const PatternTrie::Child& second : trie.Children(first.state))
            set(high | byteOf[second.byteClass]);
    }
}

void CandidateFilter::BuildRows(const PatternTrie& trie)
{
    // A class without a child goes where the failure state goes; that state is
    // shallower, so its row is already filled.
    m_rows.assign(m_sparseBase, 0);
    for (std::uint32_t state = 0; state < m_denseCount; ++state) {
        Target* row = &m_rows[PositionOf(state)];
        if (state != 0)
            std::copy_n(&m_rows[PositionOf(trie.Fail(state))], m_classCount, row);
        for (const PatternTrie::Child& child : trie.Children(state))
            row[child.byteClass] = Encode(trie, child.state);
    }
}

void CandidateFilter::BuildSparse(const PatternTrie& trie)
{
    for (std::uint32_t state = m_denseCount; state < trie.StateCount(); ++state) {
        const auto begin = static_cast<std::uint32_t>(m_edges.size());
        for (const PatternTrie::Child& child : trie.Children(state))
            m_edges.push_back(Edge{child.byteClass, Encode(trie, child.state)});
        m_sparse.push_back(SparseState{begin, static_cast<std::uint32_t>(m_edges.size()), PositionOf(trie.Fail(state))});
    }
}

void CandidateFilter::BuildOutputs(const PatternTrie& trie)
{
    // The root's conditions are those of empty patterns, kept in m_everywhere.
    m_outputs.push_back(Output{0, 0, 0});
    for (std::uint32_t state = 1; state < trie.StateCount(); ++state) {
        const auto conditions = trie.Conditions(state);
        const auto begin = static_cast<std::uint32_t>(m_outputConditions.size());
        m_outputConditions.insert(m_outputConditions.end(), conditions.begin(), conditions.end());
        m_outputs.push_back(Output{begin, static_cast<std::uint32_t>(m_outputConditions.size()), trie.OutputLink(state)});
    }
}

inline bool CandidateFilter::StartsPattern(const unsigned char* at) const
{
    const unsigned pair = at[0] << 8 | at[1];
    return (m_startPairs[pair / 64] >> (pair % 64) & 1) != 0;
}

inline CandidateFilter::Target CandidateFilter::Step(Target position, unsigned byteClass) const
{
    while (position >= m_sparseBase) {
        const SparseState& sparse = m_sparse[position - m_sparseBase];
        for (std::uint32_t edge = sparse.edgeBegin; edge < sparse.edgeEnd; ++edge) {
            if (m_edges[edge].byteClass == byteClass)
                return m_edges[edge].target;
        }
        position = sparse.fail;
    }
    return m_rows[position + byteClass];
}

void CandidateFilter::Report(Target position, std::span<Word> marks) const
{
    for (std::uint32_t state = StateAt(position); state != 0; state = m_outputs[state].next) {
        for (std::uint32_t at = m_outputs[state].begin; at < m_outputs[state].end; ++at)
            SetBit(marks, m_outputConditions[at]);
    }
}

void CandidateFilter::Mark(std::string_view text, std::span<Word> marks) const
{
    for (const int condition : m_everywhere)
        SetBit(marks, condition);
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = at + text.size();
    Target position = 0;
    while (at != end) {
        // At the root, a position where no pattern starts (judged by its first
        // two bytes) is passed over: stepping it could only lead to where a
        // step from the root at the next byte leads. The last byte has no
        // pair and is always stepped.
        if (position == 0) {
            while (end - at >= 2 && !StartsPattern(at))
                ++at;
        }
        const Target target = Step(position, m_classOf[*at++]);
        position = target & ~OutputBit;
        if ((target & OutputBit) != 0)
            Report(position, marks);
    }
}
