// End-to-end: what lodestrel-cli writes for each output form, search mode and
// condition option, compared byte for byte with the result file.

#include <gtest/gtest.h>

#include "tests/app/CliTest.h"

namespace clitest {
namespace {

// A CSV file with a header, an empty line, a comment line, a quoted first field
// that only looks like a comment, and a last line without a line end.
constexpr std::string_view People =
    "ID,名前,都市\r\n"
    "1,山田,東京\r\n"
    "\r\n"
    "#2,鈴木,東京\r\n"
    "3,佐藤,大阪\r\n"
    "\"#4\",田中,東京\r\n"
    "5,ｶﾀｶﾅ,東京";

struct FormCase {
    const char* name;
    std::vector<std::string> args;
    std::string expected;
};

class OutputForms : public CliTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(OutputForms, WritesTheHitsOfEachFormByteForByte)
{
    WriteText("people.csv", People);
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"-e", "東京", "-o", "out.txt", "people.csv"});
    CliResult result = Run(args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, OutputForms,
    ::testing::Values(
        FormCase{"LineWithoutComments", {},
                 CrLfLines({"1,山田,東京", "#2,鈴木,東京", "\"#4\",田中,東京", "5,ｶﾀｶﾅ,東京"})},
        FormCase{"LineSkippingHashComments", {"--comment", "#"},
                 CrLfLines({"1,山田,東京", "\"#4\",田中,東京", "5,ｶﾀｶﾅ,東京"})},
        FormCase{"TagJumpNumbersAreLineNumbers", {"--comment", "#", "--output", "tag"},
                 CrLfLines({"people.csv(2):1,山田,東京", "people.csv(6):\"#4\",田中,東京",
                            "people.csv(7):5,ｶﾀｶﾅ,東京"})},
        FormCase{"FieldTwo", {"--comment", "#", "--output", "field", "--field", "2"},
                 CrLfLines({"山田", "田中", "ｶﾀｶﾅ"})},
        FormCase{"FieldAloneMeansFieldOutput", {"--field=1"},
                 CrLfLines({"1", "#2", "\"#4\"", "5"})},
        FormCase{"FieldOutputDefaultsToFieldOne", {"--output", "field", "--comment", "@"},
                 CrLfLines({"1", "#2", "\"#4\"", "5"})}),
    CaseName());

TEST_F(CliTest, FieldsAreTestedInTheOrderListed)
{
    // x* hits both fields; its exclusion cancels field 1 only. Testing field 2
    // first finds a hit at once; testing field 1 first counts one cancelled hit.
    WriteText("pairs.csv", "x1,x2\r\n");
    const std::vector<std::string> condition{"-e", "x*", "--exclude", "x1", "-o", "out.txt", "pairs.csv"};
    struct Order {
        const char* fields;
        int skips;
    };
    for (Order order : {Order{"2,1", 0}, Order{"1,2", 1}}) {
        std::vector<std::string> args{"--fields", order.fields};
        args.insert(args.end(), condition.begin(), condition.end());
        CliResult result = Run(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(Read("out.txt"), CrLfLines({"x1,x2"})) << order.fields;
        EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 1, "out.txt", order.skips)) << order.fields;
    }
}

TEST_F(CliTest, FieldSearchLooksOnlyAtTheFieldsListed)
{
    WriteText("pairs.csv", "東京,大阪\r\n大阪,東京\r\n");
    CliResult result = Run({"--fields", "2", "-e", "東京", "-o", "out.txt", "pairs.csv"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"大阪,東京"}));
}

struct OrderCase {
    const char* name;
    std::vector<std::string> args;
    std::string expected;
};

class HitOrder : public CliTest, public ::testing::WithParamInterface<OrderCase> {};

// Conditions A, B (disabled in the condition file) and C over four records.
TEST_P(HitOrder, FollowsGroupingAndFirstHitOptions)
{
    WriteText("data.txt", "A1\r\nC1\r\nA2\r\nAC\r\n");
    WriteText("conditions.txt", "0,A,0,\r\n1,B,0,\r\n0,C,0,\r\n");
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"-c", "conditions.txt", "-o", "out.txt", "data.txt"});
    CliResult result = Run(args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, HitOrder,
    ::testing::Values(OrderCase{"RecordOrderEachRecordOnce", {}, CrLfLines({"A1", "C1", "A2", "AC"})},
                      OrderCase{"GroupedByConditionDisabledOneWritesNothing", {"--by-condition"},
                                CrLfLines({"A1", "A2", "AC", "C1", "AC"})},
                      OrderCase{"FirstHitOfTheFile", {"--first-only"}, CrLfLines({"A1"})},
                      OrderCase{"FirstHitOfEachCondition", {"--first-only", "--by-condition"},
                                CrLfLines({"A1", "C1"})}),
    CaseName());

TEST_F(CliTest, ExclusionsCancelHitsAndAreCountedInTheSummary)
{
    WriteText("addresses.txt", "東京都港区\r\n東京都新宿区\r\n大阪府\r\n");
    CliResult excluded = Run({"-e", "東京", "--exclude", "*港*,*渋谷*", "-o", "out.txt", "addresses.txt"});
    EXPECT_EQ(excluded.status, 0) << excluded.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"東京都新宿区"}));
    EXPECT_EQ(WithoutTimes(excluded.out), SummaryText(1, 1, "out.txt", 1));

    CliResult unused =
        Run({"-e", "東京", "--exclude", "*港*", "--no-exclusions", "-o", "out.txt", "addresses.txt"});
    EXPECT_EQ(unused.status, 0) << unused.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"東京都港区", "東京都新宿区"}));
    EXPECT_EQ(WithoutTimes(unused.out), SummaryText(1, 2, "out.txt", 0));
}

TEST_F(CliTest, CaseIsDistinguishedUnlessIgnoreCaseIsGiven)
{
    WriteText("words.txt", "abc\r\nABC\r\nＡｂｃ\r\nａｂｃ\r\n");
    Run({"-e", "abc", "-e", "ａｂｃ", "-o", "sensitive.txt", "words.txt"});
    EXPECT_EQ(Read("sensitive.txt"), CrLfLines({"abc", "ａｂｃ"}));
    Run({"-i", "-e", "abc", "-e", "ａｂｃ", "-o", "ignored.txt", "words.txt"});
    EXPECT_EQ(Read("ignored.txt"), CrLfLines({"abc", "ABC", "Ａｂｃ", "ａｂｃ"}));
}

TEST_F(CliTest, WildcardsCanBeSwitchedOff)
{
    WriteText("stars.txt", "a*c\r\nabc\r\n");
    Run({"-e", "a*c", "-o", "wild.txt", "stars.txt"});
    EXPECT_EQ(Read("wild.txt"), CrLfLines({"a*c", "abc"}));
    Run({"--no-wildcards", "-e", "a*c", "-o", "plain.txt", "stars.txt"});
    EXPECT_EQ(Read("plain.txt"), CrLfLines({"a*c"}));
}

struct KindCase {
    const char* name;
    std::vector<std::string> args;
    std::string expected;
};

class FileKinds : public CliTest, public ::testing::WithParamInterface<KindCase> {};

// Each record holds 東京 at the start of its second field for one delimiter
// only: ';' (record 1), TAB (record 2), comma (record 3).
TEST_P(FileKinds, SplitTheRecordsAtTheirDelimiter)
{
    WriteText("mixed.txt", "x;東京\ty,z\r\nx;y\t東京,z\r\nx;y\tz,東京\r\n");
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--fields", "2", "-e", "東京*", "-o", "out.txt", "mixed.txt"});
    CliResult result = Run(args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FileKinds,
    ::testing::Values(KindCase{"OtherWithSemicolon", {"--kind", "other", "--delimiter", ";"},
                               CrLfLines({"x;東京\ty,z"})},
                      KindCase{"DelimiterAloneMeansOther", {"--delimiter", ";"}, CrLfLines({"x;東京\ty,z"})},
                      KindCase{"Tab", {"--kind", "tab"}, CrLfLines({"x;y\t東京,z"})},
                      KindCase{"Csv", {"--kind", "csv"}, CrLfLines({"x;y\tz,東京"})},
                      KindCase{"AutoTakesTabBeforeComma", {}, CrLfLines({"x;y\t東京,z"})}),
    CaseName());

TEST_F(CliTest, TextKindRefusesFieldSearchWithTheProgramsMessage)
{
    WriteText("plain.txt", "東京\r\n");
    CliResult result = Run({"--kind", "text", "--fields", "1", "-e", "東京", "-o", "out.txt", "plain.txt"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "lodestrel-cli: テキストモードでは項目指定は出来ません。\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
}

TEST_F(CliTest, DashWritesTheResultToStandardOutputAndTheSummaryToStandardError)
{
    WriteText("people.csv", People);
    CliResult result = Run({"-e", "大阪", "-o", "-", "people.csv"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, CrLfLines({"3,佐藤,大阪"}));
    EXPECT_EQ(WithoutTimes(result.err), SummaryText(1, 1, "標準出力", 0));
}

TEST_F(CliTest, SummaryGoesToStandardOutputByteForByte)
{
    WriteText("people.csv", People);
    CliResult result = Run({"-e", "東京", "-o", "out.txt", "people.csv"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 4, "out.txt", 0));
    EXPECT_EQ(result.err, "");
}

}  // namespace
}  // namespace clitest
