// The candidate filter against a plain byte search: on random and chosen
// pattern sets it marks exactly the patterns that occur somewhere in the text,
// at any byte position, and leaves every other bit as it was.

#include "engine/CandidateFilter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Sjis.h"
#include "platform/text/Search.h"

namespace {

bool Marked(std::span<const CandidateFilter::Word> marks, int condition)
{
    return (marks[condition / 64] >> (condition % 64) & 1) != 0;
}

// Pattern i watched as condition 2i + 1, so that the even bits, filled at
// random before the pass, show that the filter leaves them alone.
class Watch {
public:
    explicit Watch(std::vector<std::string> patterns) : m_patterns(std::move(patterns))
    {
        for (std::size_t i = 0; i < m_patterns.size(); ++i)
            m_watched.emplace_back(static_cast<int>(2 * i + 1), m_patterns[i]);
    }

    std::span<const std::pair<int, std::string_view>> Watched() const { return m_watched; }

    // Checks one pass of filter over text against std::string::find.
    void Check(const CandidateFilter& filter, const std::string& text, std::mt19937_64& random) const
    {
        std::vector<CandidateFilter::Word> marks(CandidateFilter::WordsFor(static_cast<int>(2 * m_patterns.size() + 1)));
        for (CandidateFilter::Word& word : marks)
            word = random() & 0x5555555555555555u;
        const std::vector<CandidateFilter::Word> before = marks;
        filter.Mark(text, marks);
        for (std::size_t i = 0; i < m_patterns.size(); ++i) {
            const bool occurs = text.find(m_patterns[i]) != std::string::npos;
            ASSERT_EQ(Marked(marks, static_cast<int>(2 * i + 1)), occurs)
                << "pattern " << i << " \"" << m_patterns[i] << "\" in \"" << text << "\"";
        }
        for (std::size_t word = 0; word < marks.size(); ++word)
            ASSERT_EQ(marks[word] & 0x5555555555555555u, before[word]) << "word " << word;
    }

private:
    std::vector<std::string> m_patterns;
    std::vector<std::pair<int, std::string_view>> m_watched;
};

class Random {
public:
    explicit Random(unsigned seed) : m_random(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string From(std::string_view alphabet, int low, int high)
    {
        std::string s(static_cast<std::size_t>(Between(low, high)), ' ');
        for (char& c : s)
            c = alphabet[static_cast<std::size_t>(Between(0, static_cast<int>(alphabet.size()) - 1))];
        return s;
    }

    // A text of pieces of the patterns (whole, heads, tails and middles, so that
    // the automaton goes deep and falls back often) and bytes from alphabet.
    std::string Text(const std::vector<std::string>& patterns, std::string_view alphabet, int pieces)
    {
        std::string text;
        for (int i = 0; i < pieces; ++i) {
            const std::string& pattern = patterns[static_cast<std::size_t>(Between(0, static_cast<int>(patterns.size()) - 1))];
            const int size = static_cast<int>(pattern.size());
            const int from = Between(0, 2) == 0 ? 0 : Between(0, size);
            const int to = Between(0, 2) == 0 ? size : Between(from, size);
            text += pattern.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
            text += From(alphabet, 0, 2);
        }
        return text;
    }

    std::mt19937_64& Engine() { return m_random; }

private:
    std::mt19937_64 m_random;
};

// Lead bytes, second bytes that are also ASCII ("\\", "|", "A", "@"), letters
// and digits.
constexpr std::string_view MixedBytes = "ab1A\\|@\x82\x83\x95\xA0\xE0";

}  // namespace

TEST(CandidateFilter, MarksExactlyThePatternsThatOccurInRandomSets)
{
    Random random(99);
    int occurring = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> patterns;
        for (int i = random.Between(1, 300); i > 0; --i)
            patterns.push_back(random.From(MixedBytes, i % 50 == 0 ? 0 : 1, 6));
        const Watch watch(patterns);
        const CandidateFilter filter(watch.Watched());
        for (int t = 0; t < 20; ++t) {
            const std::string text = t % 2 == 0 ? random.From(MixedBytes, 0, 16) : random.Text(patterns, MixedBytes, 4);
            ASSERT_NO_FATAL_FAILURE(watch.Check(filter, text, random.Engine()));
            for (const std::string& pattern : patterns)
                occurring += text.find(pattern) != std::string::npos;
        }
    }
    EXPECT_GT(occurring, 50000);
}

TEST(CandidateFilter, MarksExactlyAmongAThousandLongPatterns)
{
    // Long patterns over all 256 bytes have more states than the full rows can
    // hold; the deeper ones are stepped through their child lists.
    Random random(7);
    std::string allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes.push_back(static_cast<char>(byte));
    for (int round = 0; round < 4; ++round) {
        std::vector<std::string> patterns;
        const std::string sharedHead = random.From(allBytes, 0, 8);
        for (int i = 0; i < 1000; ++i)
            patterns.push_back((i % 3 == 0 ? sharedHead : std::string()) + random.From(allBytes, 2, 30));
        const Watch watch(patterns);
        const CandidateFilter filter(watch.Watched());
        for (int t = 0; t < 200; ++t)
            ASSERT_NO_FATAL_FAILURE(watch.Check(filter, random.Text(patterns, allBytes, 12), random.Engine()));
    }
}

TEST(CandidateFilter, MarksExactlyAmongAThousandNumbers)
{
    // Six-digit numbers and their heads: every pattern shares all its byte
    // pairs with the others.
    Random random(11);
    for (int round = 0; round < 4; ++round) {
        std::vector<std::string> patterns;
        for (int i = 0; i < 1000; ++i)
            patterns.push_back(random.From("0123456789", i % 10 == 0 ? 2 : 6, 6));
        const Watch watch(patterns);
        const CandidateFilter filter(watch.Watched());
        int occurring = 0;
        for (int t = 0; t < 300; ++t) {
            const std::string text = random.Text(patterns, "0123456789,-", 6) + random.From("0123456789-", 0, 40);
            ASSERT_NO_FATAL_FAILURE(watch.Check(filter, text, random.Engine()));
            for (const std::string& pattern : patterns)
                occurring += text.find(pattern) != std::string::npos;
        }
        EXPECT_GT(occurring, 300 * 6);
    }
}

TEST(CandidateFilter, MarksChosenOverlapsSuffixesAndDoubleByteCharacters)
{
    struct Case {
        const char* name;
        std::vector<std::string> patterns;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"overlapping", {"aba", "bab", "abab", "baba", "abba"}, "ababa"},
        {"overlapping, apart", {"aba", "bab", "abab"}, "aba|bab"},
        {"suffixes of one another", {"abcd", "bcd", "cd", "d", "bcde"}, "xabcdx"},
        {"prefixes of one another", {"a", "ab", "abc", "abcd", "abcde"}, "zabcd"},
        {"a suffix met on the way to a longer pattern", {"abcx", "bc", "c"}, "abcy"},
        {"the same pattern twice", {"12", "12", "123"}, "0123"},
        {"at the very start and end", {"q", "z", "qz"}, "q--z"},
        {"only the last byte", {"y", "xy"}, "wy"},
        {"sharing a long head", {"prefix1", "prefix2", "prefix12", "refix2"}, "prefix2"},
        {"an empty pattern", {"", "zz"}, ""},
        {"second bytes 5C and 7C", {Sjis("ソ"), Sjis("ポ"), "\\", "|", Sjis("表ポ"), "\\\x83"}, Sjis("表ポ")},
        {"a lead byte alone", {"\x83", "\x83\x83", "\x83\x41"}, Sjis("ア")},
        {"across a character boundary", {"\x41\x83", Sjis("イ"), Sjis("アイ")}, Sjis("アイ")},
    };
    std::mt19937_64 random(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Watch watch(c.patterns);
        const CandidateFilter filter(watch.Watched());
        ASSERT_NO_FATAL_FAILURE(watch.Check(filter, c.text, random));
    }
}

TEST(CandidateFilter, MarksAPatternFoundOnlyFromASecondByteForTheSearchToReject)
{
    // In アイ (83 41 83 43) the bytes 41 83 start on the second byte of ア: the
    // filter marks the pattern, and only the search on character boundaries
    // tells that it does not hit.
    const std::string text = Sjis("アイ");
    const std::string pattern = "\x41\x83";
    const std::pair<int, std::string_view> watched[] = {{0, pattern}, {1, "zz"}, {2, "yy"}};
    const CandidateFilter filter(watched);
    std::vector<CandidateFilter::Word> marks(1);
    filter.Mark(text, marks);
    EXPECT_EQ(marks[0], CandidateFilter::Word{1});
    EXPECT_EQ(cp932::Find(text, pattern), std::string_view::npos);
}

TEST(CandidateFilter, LeavesOtherMarksAsTheyWere)
{
    const std::string pattern = "xy";
    const std::pair<int, std::string_view> watched[] = {{3, pattern}};
    const CandidateFilter filter(watched);
    std::vector<CandidateFilter::Word> marks{CandidateFilter::Word{1} << 5};
    filter.Mark("axyb", marks);
    EXPECT_EQ(marks[0], (CandidateFilter::Word{1} << 5) | (CandidateFilter::Word{1} << 3));
    filter.Mark("ab", marks);
    EXPECT_EQ(marks[0], (CandidateFilter::Word{1} << 5) | (CandidateFilter::Word{1} << 3));
}
