// Filing patterns under byte pairs and marking candidates.

#include "engine/CandidateFilter.h"

#include <algorithm>

namespace {

void SetBit(std::span<CandidateFilter::Word> marks, int condition)
{
    marks[static_cast<std::size_t>(condition) / 64] |= CandidateFilter::Word{1} << (condition % 64);
}

}  // namespace

CandidateFilter::CandidateFilter(std::span<const std::pair<int, std::string_view>> patterns)
{
    // Each pattern goes under the pair that has the fewest patterns so far, so
    // that patterns sharing a common pair (a frequent lead byte and second byte)
    // spread over their other pairs.
    std::vector<std::uint32_t> load(65536, 0);
    std::vector<std::pair<unsigned, int>> filed;  // (pair, condition)
    for (const auto& [condition, pattern] : patterns) {
        if (pattern.size() == 1) {
            m_byteConditions[static_cast<unsigned char>(pattern[0])].push_back(condition);
            m_anyByte = true;
            continue;
        }
        unsigned best = 0;
        for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
            const unsigned key = PairKey(static_cast<unsigned char>(pattern[i]), static_cast<unsigned char>(pattern[i + 1]));
            if (i == 0 || load[key] < load[best])
                best = key;
        }
        ++load[best];
        filed.emplace_back(best, condition);
    }

    std::sort(filed.begin(), filed.end());
    m_pairStart.assign(65537, 0);
    m_pairConditions.reserve(filed.size());
    for (const auto& [key, condition] : filed) {
        ++m_pairStart[key + 1];
        m_pairConditions.push_back(condition);
        m_pairUsed[key / 64] |= Word{1} << (key % 64);
    }
    for (std::size_t key = 0; key < 65536; ++key)
        m_pairStart[key + 1] += m_pairStart[key];
}

void CandidateFilter::Mark(std::string_view text, std::span<Word> marks) const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    for (std::size_t i = 0; i + 1 < size; ++i) {
        const unsigned key = PairKey(bytes[i], bytes[i + 1]);
        if ((m_pairUsed[key / 64] >> (key % 64) & 1) == 0)
            continue;
        for (std::uint32_t at = m_pairStart[key]; at < m_pairStart[key + 1]; ++at)
            SetBit(marks, m_pairConditions[at]);
    }
    if (!m_anyByte)
        return;
    for (std::size_t i = 0; i < size; ++i) {
        for (const int condition : m_byteConditions[bytes[i]])
            SetBit(marks, condition);
    }
}
