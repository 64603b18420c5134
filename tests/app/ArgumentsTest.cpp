// End-to-end: the command line itself, the input errors the run refuses, and
// the exit status of every way a run ends.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/app/CliTest.h"

namespace clitest {
namespace {

TEST_F(CliTest, HelpListsTheOptionsAndTheExitStatuses)
{
    CliResult result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.starts_with("Usage: lodestrel-cli [OPTION]... SOURCE-FILE\n")) << result.out;
    for (const char* expected : {"--result FILE", "--by-condition", "--settings", "\n  0 ", "\n  2 ", "\n  3 ",
                                 "\n  4 ", "\n  130 "})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, VersionNamesTheProgram)
{
    CliResult result = Run({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.starts_with("lodestrel-cli ")) << result.out;
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // part of the one-line error
};

class RefusedCommandLines : public CliTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedCommandLines, EndWithStatusTwoBeforeAnythingIsWritten)
{
    WriteText("s.txt", "東京\r\n");
    CliResult result = Run(GetParam().args);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with("lodestrel-cli: ")) << result.err;
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Try 'lodestrel-cli --help'"), std::string::npos);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RefusedCommandLines,
    ::testing::Values(
        RefusalCase{"UnknownLongOption", {"--bogus", "s.txt"}, "unknown option '--bogus'"},
        RefusalCase{"UnknownShortOption", {"-x", "s.txt"}, "unknown option '-x'"},
        RefusalCase{"MissingValue", {"s.txt", "-e"}, "option '-e' needs a value"},
        RefusalCase{"ValueForAFlag", {"--yes=1", "s.txt"}, "option '--yes' takes no value"},
        RefusalCase{"UnknownKind", {"--kind", "xml", "-e", "a", "-o", "out.txt", "s.txt"}, "invalid argument 'xml' for '--kind'"},
        RefusalCase{"UnknownOutput", {"--output", "json", "-e", "a", "-o", "out.txt", "s.txt"}, "for '--output'"},
        RefusalCase{"UnknownComment", {"--comment", "%", "-e", "a", "-o", "out.txt", "s.txt"}, "for '--comment'"},
        RefusalCase{"FieldNotANumber", {"--field", "two", "-e", "a", "-o", "out.txt", "s.txt"}, "takes a field number"},
        RefusalCase{"FieldWithLineOutput", {"--output", "line", "--field", "2", "-e", "a", "-o", "out.txt", "s.txt"},
                    "--field goes with --output field"},
        RefusalCase{"DelimiterWithCsv", {"--kind", "csv", "--delimiter", ";", "-e", "a", "-o", "out.txt", "s.txt"},
                    "--delimiter goes with --kind other"},
        RefusalCase{"DelimiterOfTwoBytes", {"--delimiter", "ab", "-e", "a", "-o", "out.txt", "s.txt"}, "one single-byte character"},
        RefusalCase{"DelimiterOfADoubleByteCharacter", {"--delimiter", "東", "-e", "a", "-o", "out.txt", "s.txt"}, "one single-byte character"},
        RefusalCase{"ExcludeBeforeCondition", {"--exclude", "x", "-e", "a", "-o", "out.txt", "s.txt"}, "must follow the condition"},
        RefusalCase{"ExcludeTwice", {"-e", "a", "--exclude", "x", "--exclude", "y", "-o", "out.txt", "s.txt"}, "given twice"},
        RefusalCase{"EmptyExclude", {"-e", "a", "--exclude", "", "-o", "out.txt", "s.txt"}, "exclusion strings of '--exclude' are empty"},
        RefusalCase{"EmptyCondition", {"-e", "", "-o", "out.txt", "s.txt"}, "the condition of '-e' is empty"},
        RefusalCase{"NoSource", {"-e", "a", "-o", "out.txt"}, "no SOURCE-FILE or --dir given"},
        RefusalCase{"TwoSources", {"-e", "a", "-o", "out.txt", "s.txt", "t.txt"}, "more than one SOURCE-FILE"},
        RefusalCase{"SourceAndDir", {"-e", "a", "-o", "out.txt", "--dir", ".", "s.txt"}, "either a SOURCE-FILE or --dir"},
        RefusalCase{"PatternWithSource", {"-e", "a", "-o", "out.txt", "--pattern", "*.txt", "s.txt"}, "go with --dir"},
        // Text without a code page 932 form: an emoji, an accented letter, a name.
        RefusalCase{"EmojiCondition", {"-e", "東京😀", "-o", "out.txt", "s.txt"}, "the condition of -e '東京😀' cannot be used"},
        RefusalCase{"AccentedCondition", {"-e", "café", "-o", "out.txt", "s.txt"}, "no code page 932 (Shift_JIS) form"},
        RefusalCase{"EmojiResultName", {"-e", "a", "-o", "out😀.txt", "s.txt"}, "the result file name 'out😀.txt'"},
        RefusalCase{"EmojiSourceName", {"-e", "a", "-o", "out.txt", "s😀.txt"}, "the source file name 's😀.txt'"},
        RefusalCase{"SourceNameNotUtf8", {"-e", "a", "-o", "out.txt", "s\xff.txt"}, "or is not UTF-8"}),
    CaseName());

struct InputErrorCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // the program's own message, whole
};

class InputErrors : public CliTest, public ::testing::WithParamInterface<InputErrorCase> {};

TEST_P(InputErrors, ShowTheProgramsMessageAndEndWithStatusTwo)
{
    WriteText("s.csv", "東京,大阪\r\n");
    CliResult result = Run(GetParam().args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, std::string("lodestrel-cli: ") + GetParam().message + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, InputErrors,
    ::testing::Values(
        InputErrorCase{"MissingSource", {"-e", "a", "-o", "out.txt", "missing.csv"}, "missing.csvは存在しません。再確認して下さい。"},
        InputErrorCase{"NoResultFile", {"-e", "a", "s.csv"}, "抽出結果ファイルを入力して下さい。"},
        InputErrorCase{"NoConditions", {"-o", "out.txt", "s.csv"}, "検索文字列をリストＢＯＸに追加して下さい。"},
        InputErrorCase{"OutputFieldBeyondTheFields", {"--field", "3", "-e", "a", "-o", "out.txt", "s.csv"},
                       "抽出位置は、１以上ファイルの項目数以下で入力して下さい。"},
        InputErrorCase{"SearchFieldZero", {"--fields", "0", "-e", "a", "-o", "out.txt", "s.csv"}, "項目番号を入力して下さい。"},
        InputErrorCase{"SearchFieldsEmpty", {"--fields", "", "-e", "a", "-o", "out.txt", "s.csv"}, "項目番号を入力して下さい。"},
        InputErrorCase{"ResultIsTheSource", {"-e", "a", "-o", "s.csv", "s.csv"}, "s.csv ファイルがオープン出来ません。"},
        InputErrorCase{"ResultInAMissingFolder", {"-e", "a", "-o", "nofolder/out.txt", "s.csv"},
                       "nofolder/out.txt ファイルがオープン出来ません。"}),
    CaseName());

TEST_F(CliTest, ARefusedResultLeavesTheSourceUntouched)
{
    WriteText("s.csv", "東京,大阪\r\n");
    Run({"-e", "a", "-o", "s.csv", "s.csv"});
    EXPECT_EQ(Read("s.csv"), Sjis("東京,大阪\r\n"));
}

TEST_F(CliTest, AFailedWriteIsReportedAndEndsWithStatusFour)
{
    WriteText("s.txt", "東京\r\n");
    CliResult result = Run({"-e", "東京", "-o", "/dev/full", "s.txt"});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.err, "lodestrel-cli: /dev/full ファイルに書き込めませんでした。(No space left on device)\n");
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 1, "/dev/full", 0));
}

TEST_F(CliTest, ACompleteRunEndsWithStatusZero)
{
    WriteText("s.txt", "東京\r\n");
    CliResult result = Run({"-e", "大阪", "-o", "out.txt", "s.txt"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Read("out.txt"), "");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, OptionsMayBeBundledAndJoinedToTheirValues)
{
    WriteText("s.txt", "ABC\r\nabc\r\n");
    CliResult result = Run({"-iyeabc", "-oout.txt", "--output=tag", "--", "s.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), CrLfLines({"s.txt(1):ABC", "s.txt(2):abc"}));
}

TEST_F(CliTest, UnevenFieldCountsAreToldOnStandardError)
{
    WriteText("s.csv", "a,b,c\r\na,b\r\n");
    CliResult result = Run({"-e", "a", "-o", "out.txt", "s.csv"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "lodestrel-cli: 項目数が不揃いです。最小(2列)、最大(3列)です。\n");
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 2, "out.txt", 0));
}

}  // namespace
}  // namespace clitest
