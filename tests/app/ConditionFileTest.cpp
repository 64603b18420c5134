// Condition files given with -c: the lines as the window program reads them
// back, end to end, and the line-to-condition rule on its own.

#include <gtest/gtest.h>

#include "app/lodestrel-cli/ConditionFile.h"
#include "tests/app/CliTest.h"

namespace clitest {
namespace {

TEST_F(CliTest, ConditionFileLinesOfOneThreeAndFourFieldsBecomeConditions)
{
    WriteText("conditions.txt",
              "ABC\r\n"           // one field: enabled, no exclusion
              "\r\n"              // skipped
              "DEF,1,*x*\r\n"     // three fields: exclusion on
              "0,GHI,0,\r\n"      // four fields as the window writes them
              "1,JKL,0,\n"        // disabled; LF alone ends a line too
              "ABC,1,ABC");       // same search string as line 1: dropped
    WriteText("data.txt", "ABC\r\nDEF\r\nDEFx\r\nGHI\r\nJKL\r\n");
    CliResult result = Run({"-c", "conditions.txt", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"ABC", "DEF", "GHI"}));
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 3, "out.txt", 1));
}

TEST_F(CliTest, AQuotedCommaDoesNotDivideAConditionFileLine)
{
    // The exclusion strings are the five characters "x,y" with their quotes,
    // which the exclusion list then cuts into "x and y".
    WriteText("conditions.txt", "*,1,\"x,y\"\r\n");
    WriteText("data.txt", "\"x\r\nx\r\ny\"\r\ny\r\n");
    CliResult result = Run({"-c", "conditions.txt", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"x", "y"}));
}

TEST_F(CliTest, ConditionFileConditionsComeBeforeThoseOfCondition)
{
    WriteText("conditions.txt", "A\r\n");
    WriteText("data.txt", "B\r\nA\r\n");
    CliResult result = Run({"-e", "B", "-c", "conditions.txt", "--by-condition", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"A", "B"}));
}

TEST_F(CliTest, ConditionFileConditionsKeepTheirWildcards)
{
    WriteText("conditions.txt", "0,a*c,0,\r\n");
    WriteText("data.txt", "abc\r\na*c\r\n");
    Run({"-c", "conditions.txt", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(Read("out.txt"), CrLfLines({"abc", "a*c"}));
}

struct BadFileCase {
    const char* name;
    const char* contents;
    const char* message;
};

class BadConditionFiles : public CliTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadConditionFiles, AreRefusedNamingTheFileAndLine)
{
    WriteText("conditions.txt", GetParam().contents);
    WriteText("data.txt", "A\r\n");
    CliResult result = Run({"-c", "conditions.txt", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, std::string("lodestrel-cli: ") + GetParam().message + "\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, BadConditionFiles,
    ::testing::Values(
        BadFileCase{"TwoFields", "A\r\nB,1\r\n",
                    "conditions.txt(2): ファイル項目数(2)は、サポート対象外です。\n"
                    "例：検索条件無効フラグ,検索文字列,除外文字列使用フラグ,除外文字列"},
        BadFileCase{"FiveFields", "0,A,1,x,y\r\n",
                    "conditions.txt(1): ファイル項目数(5)は、サポート対象外です。\n"
                    "例：検索条件無効フラグ,検索文字列,除外文字列使用フラグ,除外文字列"}),
    CaseName());

TEST_F(CliTest, AMissingConditionFileIsRefused)
{
    WriteText("data.txt", "A\r\n");
    CliResult result = Run({"-c", "none.txt", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "lodestrel-cli: none.txt: cannot open: No such file or directory\n");
}

TEST_F(CliTest, AThousandConditionsAreAcceptedAndOneMoreIsRefused)
{
    std::string lines;
    for (int i = 1; i <= 1000; ++i)
        lines += "c" + std::to_string(i) + "\r\n";
    WriteBytes("thousand.txt", lines + "c1\r\n");  // the duplicate adds nothing
    WriteText("data.txt", "c1000\r\n");
    CliResult accepted = Run({"-c", "thousand.txt", "-o", "out.txt", "data.txt"});
    EXPECT_EQ(accepted.status, 0) << accepted.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"c1000"}));

    CliResult refused = Run({"-c", "thousand.txt", "-e", "one more", "-o", "more.txt", "data.txt"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "lodestrel-cli: too many conditions: 1001 (at most 1000)\n");
    EXPECT_FALSE(std::filesystem::exists(Path("more.txt")));
}

struct LineCase {
    const char* name;
    std::string line;
    int fieldCount;
    int SearchNotUse;
    std::string SearchString;
    int SkipUse;
    std::string SkipStr;
};

class ConditionLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ConditionLines, BecomeConditionsByTheirFieldCount)
{
    const LineCase& expected = GetParam();
    int fieldCount = 0;
    std::optional<CSearchInf> condition = ConditionFromLine(expected.line, fieldCount);
    EXPECT_EQ(fieldCount, expected.fieldCount);
    ASSERT_TRUE(condition);
    EXPECT_EQ(condition->SearchNotUse, expected.SearchNotUse);
    EXPECT_EQ(condition->WildMode, 1);
    EXPECT_EQ(condition->SearchString, expected.SearchString);
    EXPECT_EQ(condition->SkipUse, expected.SkipUse);
    EXPECT_EQ(condition->SkipStr, expected.SkipStr);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ConditionLines,
    ::testing::Values(LineCase{"OneField", "ABC", 1, 0, "ABC", 0, ""},
                      LineCase{"OneFieldBlanksKept", " AB C ", 1, 0, " AB C ", 0, ""},
                      LineCase{"ThreeFields", "ABC,1,x", 3, 0, "ABC", 1, "x"},
                      LineCase{"ThreeFieldsQuotedComma", "ABC,1,\"x,y\"", 3, 0, "ABC", 1, "\"x,y\""},
                      LineCase{"FourFieldsDisabled", "1,ABC,0,", 4, 1, "ABC", 0, ""},
                      LineCase{"FourFieldsFlagTwoAndBlanks", "2, DEF, 1 ,x*", 4, 2, " DEF", 1, "x*"},
                      LineCase{"FourFieldsFlagsAsIntegers", "yes,GHI,-3z,", 4, 0, "GHI", -3, ""},
                      LineCase{"DoubleByteCharacters", Sjis("表,1,ソ"), 3, 0, Sjis("表"), 1, Sjis("ソ")}),
    CaseName());

TEST(ConditionLine, OfTwoOrFiveFieldsIsRefusedWithItsCount)
{
    for (auto [line, count] : {std::pair{"A,B", 2}, std::pair{"0,A,1,x,y", 5}, std::pair{"a,b,c,d,e,f", 6}}) {
        int fieldCount = 0;
        EXPECT_FALSE(ConditionFromLine(line, fieldCount)) << line;
        EXPECT_EQ(fieldCount, count) << line;
    }
}

}  // namespace
}  // namespace clitest
