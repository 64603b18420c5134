#include "engine/FieldSplit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "Sjis.h"

namespace {

using Fields = std::vector<std::string>;

// Records and fields are written with Q for the double quote, as they are easier
// to read that way.
std::string Q(std::string text)
{
    for (char& c : text) {
        if (c == 'Q')
            c = '"';
    }
    return text;
}

Fields Q(Fields fields)
{
    for (std::string& field : fields)
        field = Q(field);
    return fields;
}

Fields Split(std::string_view record, int fieldCount, char delimiter)
{
    Fields list;
    SplitFields(record, list, fieldCount, delimiter);
    return list;
}

}  // namespace

TEST(FieldSplit, QuotesAndDoubledQuotesFollowTheRules)
{
    const struct {
        std::string record;
        char delimiter;
        Fields fields;  // three of them
    } cases[] = {
        {"a,Qb,cQ,d", ',', {"a", "Qb,cQ", "d"}},
        {"QxQQyQ,z", ',', {"QxQyQ", "z", ""}},
        {"QQ,b", ',', {"", "b", ""}},
        {"aQQ", ',', {"a", "", ""}},
        {",,", ',', {"", "", ""}},
        {"", ',', {"", "", ""}},
        {"a\tQb\tcQ\td", '\t', {"a", "Qb\tcQ", "d"}},
        {"a;QQ;b", ';', {"a", "", "b"}},
        {"aQQb;c", ';', {"aQb", "c", ""}},
        // Plain text: one field, but doubled quotes still collapse, and vanish at the end.
        {"aQQbQQ", '\n', {"aQb", "", ""}},
        {"a,b", '\n', {"a,b", "", ""}},
        // A quote used as delimiter never splits.
        {"aQb", 'Q', {"aQb", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Split(Q(c.record), 3, Q(std::string(1, c.delimiter))[0]), Q(c.fields)) << c.record;
}

TEST(FieldSplit, DoubleByteCharactersAreNeverSplitOrTakenForQuotesOrDelimiters)
{
    // ポ is 0x83 0x7C, 表 0x95 0x5C.
    const std::string po = Sjis("ポ");
    EXPECT_EQ(Split(po + "|" + Sjis("表") + "|x", 3, '|'), (Fields{po, Sjis("表"), "x"}));
    EXPECT_EQ(CountFields(po + po + po, '|'), 1);
    // A lead byte takes whatever byte follows it, a quote or a delimiter too.
    EXPECT_EQ(Split("\x82\"a,b", 3, ','), (Fields{"\x82\"a", "b", ""}));
    EXPECT_EQ(Split("a,\x82,b", 3, ','), (Fields{"a", "\x82,b", ""}));
    // A lead byte at the very end stays in the last field.
    EXPECT_EQ(Split("a,\x82", 3, ','), (Fields{"a", "\x82", ""}));
    EXPECT_EQ(CountFields("a,\x82", ','), 2);
}

TEST(FieldSplit, CountFieldsCountsDelimitersOutsideQuotes)
{
    const struct {
        std::string record;
        char delimiter;
        int count;
    } cases[] = {
        {"", ',', 0},
        {"a", ',', 1},
        {",", ',', 2},
        {"a,Qb,cQ,d", ',', 3},
        {"QQ,b", ',', 2},
        {"Qa,b", ',', 1},  // an unclosed quote runs to the end
        {"a\tb\tc", '\t', 3},
        {"a,b", '\t', 1},
        {"a,b", '\n', 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountFields(Q(c.record), c.delimiter), c.count) << c.record;
}

TEST(FieldSplit, FieldsBeyondTheCountAskedForAreLeftOutAndReported)
{
    Fields list;
    EXPECT_EQ(SplitFields("a,b,c,d", list, 2, ','), 4);
    EXPECT_EQ(list, (Fields{"a", "b"}));
    EXPECT_EQ(SplitFields("a,b", list, 0, ','), 2);
    EXPECT_TRUE(list.empty());
}

TEST(FieldSplit, ReusingTheListKeepsNoTextOfTheRecordBefore)
{
    Fields list;
    SplitFields("long first field,second", list, 3, ',');
    SplitFields("x", list, 3, ',');
    EXPECT_EQ(list, (Fields{"x", "", ""}));
    SplitFields("a,b,c", list, 2, ',');
    EXPECT_EQ(list, (Fields{"a", "b"}));
}

TEST(FieldSplit, SplitterAndCounterAgreeOnRandomRecords)
{
    const char alphabet[] = {'a', ',', '"', '"', '\t', '|', '\x82', '\x7C', '\xA0'};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<int> length(0, 12);
    Fields list;
    Fields wider;
    for (int i = 0; i < 100000; ++i) {
        std::string record(length(random), ' ');
        for (char& c : record)
            c = alphabet[pick(random)];
        for (const char delimiter : {',', '|', '\t', '\n'}) {
            const int count = CountFields(record, delimiter);
            ASSERT_EQ(SplitFields(record, list, count, delimiter), count) << record;
            // Room for more fields changes none of them and adds empty ones.
            SplitFields(record, wider, count + 2, delimiter);
            ASSERT_EQ(Fields(wider.begin(), wider.begin() + count), list) << record;
            ASSERT_EQ(wider[count], "");
            ASSERT_EQ(wider[count + 1], "");
            // Less room keeps the first fields as they were.
            if (count > 1) {
                SplitFields(record, wider, count - 1, delimiter);
                ASSERT_EQ(wider, Fields(list.begin(), list.end() - 1)) << record;
            }
        }
    }
}

TEST(FieldSplit, BusinessPostalCodesSplitAtCommasAndNeverAtSecondBytes)
{
    // Many names in this file have 0x7C as a second byte, and none has a bar.
    const std::filesystem::path path = LODESTREL_CORPORA_DIR "/postal_csv/JIGYOSYO.CSV";
    std::ifstream file(path, std::ios::binary);
    if (!file)
        GTEST_SKIP() << "no corpus at " << path;
    Fields list;
    int records = 0;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ASSERT_EQ(CountFields(line, '|'), 1) << "record " << records + 1;
        const int count = CountFields(line, ',');
        ASSERT_EQ(SplitFields(line, list, count, ','), count);
        // Without doubled quotes (empty quoted fields), the fields joined by
        // commas give the record back.
        if (count > 0 && line.find("\"\"") == std::string::npos) {
            std::string joined = list.at(0);
            for (std::size_t i = 1; i < list.size(); ++i)
                joined += "," + list[i];
            ASSERT_EQ(joined, line) << "record " << records + 1;
        }
        ++records;
    }
    EXPECT_GT(records, 0);
}
