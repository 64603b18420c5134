// The survey of a source file: its messages and their order, the counts, the
// records kept in memory and the sample records.

#include "engine/SourceSurvey.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "RunHarness.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace {

class SourceSurvey : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tree.Valid()); }
    SurveyResult Survey(::Survey kind = ::Survey::Interactive)
    {
        return SurveySource(kind, job, values, prompter, busy);
    }
    void Source(const std::string& bytes) { job.SourceFile = tree.Write("source.dat", bytes); }

    TempTree tree;
    JobSettings job;
    SurveyValues values;
    EventLog log;
    LoggingPrompter prompter{log};
    LoggingBusy busy{log};
};

TEST_F(SourceSurvey, CountsRecordsAndTheLargestFieldCountAndKeepsTheRecords)
{
    Source("a,b,c\r\n\r\nd,\"e,f\",g\n");
    EXPECT_EQ(Survey(), SurveyResult::Done);
    EXPECT_EQ(values.RecordCount, 3);
    EXPECT_EQ(values.MaxFieldCount, 3);
    EXPECT_EQ(values.FieldDelimiter, ',');
    EXPECT_EQ(values.SourceLines, (std::vector<std::string>{"a,b,c", "", "d,\"e,f\",g"}));
    ASSERT_EQ(values.SampleRecords.size(), 3u);
    EXPECT_EQ(values.SampleRecords[1], (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(values.SampleRecords[2], (std::vector<std::string>{"d", "\"e,f\"", "g"}));
    // Empty lines count as records, not as field counts: no uneven-count message.
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_EQ(log.events, (std::vector<std::string>{"busy begin", "busy end"}));
}

TEST_F(SourceSurvey, UnevenFieldCountsAreToldWithTheSmallestAndLargest)
{
    Source("a,b,c\na,b,c,d,e\n");
    Survey();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, Sjis("項目数が不揃いです。最小(3列)、最大(5列)です。"));
    EXPECT_EQ(prompter.prompts[0].icon, platform::MessageIcon::Information);
}

TEST_F(SourceSurvey, UnevenFieldCountsAreNotToldInDirectoryMode)
{
    Source("a,b,c\na,b,c,d,e\n");
    job.DirMode = 1;
    Survey(::Survey::ForRun);
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_EQ(values.MaxFieldCount, 5);
}

TEST_F(SourceSurvey, AnEmptyFileHasNoRecordsAndNoFields)
{
    values.RecordCount = 9;
    values.MaxFieldCount = 9;
    Source("");
    EXPECT_EQ(Survey(), SurveyResult::Done);
    EXPECT_EQ(values.RecordCount, 0);
    EXPECT_EQ(values.MaxFieldCount, 0);
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(SourceSurvey, PlainTextCountsEveryRecordAsOneField)
{
    Source("a,b\n\nc\n");
    job.FileKind = 3;
    Survey();
    EXPECT_EQ(values.MaxFieldCount, 1);
    EXPECT_EQ(values.FieldDelimiter, '\n');
    EXPECT_EQ(values.SampleRecords[0], std::vector<std::string>{"a,b"});
}

TEST_F(SourceSurvey, TheDelimiterFollowsTheFileKind)
{
    Source("a\tb|c,d\n");
    const std::pair<int, char> kinds[] = {{0, '\t'}, {1, ','}, {2, '\t'}, {3, '\n'}, {4, '|'}};
    for (const auto& [kind, delimiter] : kinds) {
        job.FileKind = kind;
        Survey();
        EXPECT_EQ(values.FieldDelimiter, delimiter) << "kind " << kind;
    }
}

TEST_F(SourceSurvey, WithoutMemoryModeNoRecordsAreKeptAndNoSamplesBuilt)
{
    Source("a,b\nc,d\n");
    job.OnMemory = 0;
    values.SourceLines = {"old"};
    Survey();
    EXPECT_EQ(values.RecordCount, 2);
    EXPECT_TRUE(values.SourceLines.empty());
    EXPECT_TRUE(values.SampleRecords.empty());
}

TEST_F(SourceSurvey, KeepsExactly101SampleRecords)
{
    std::string bytes;
    for (int n = 1; n <= 150; ++n)
        bytes += std::to_string(n) + ",x\n";
    Source(bytes);
    Survey();
    ASSERT_EQ(values.SampleRecords.size(), 101u);
    EXPECT_EQ(values.SampleRecords[100][0], "101");
}

TEST_F(SourceSurvey, OnlyAnInteractiveSurveySetsTheOutputFieldToOne)
{
    Source("a,b,c\n");
    job.KeyCol = 3;
    Survey(::Survey::ForRun);
    EXPECT_EQ(job.KeyCol, 3);
    Survey(::Survey::Interactive);
    EXPECT_EQ(job.KeyCol, 1);
}

TEST_F(SourceSurvey, AMissingFileIsToldAndChangesNothing)
{
    job.SourceFile = tree.Path("none.csv");
    values.RecordCount = 4;
    values.SampleRecords = {{"x"}};
    EXPECT_EQ(Survey(), SurveyResult::Missing);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{job.SourceFile + Sjis("は存在しません。再確認して下さい。")});
    EXPECT_EQ(prompter.prompts[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(values.RecordCount, 4);
    EXPECT_EQ(values.SampleRecords.size(), 1u);
    EXPECT_TRUE(log.events.size() == 1);  // the message; no busy indicator
}

TEST_F(SourceSurvey, AFileThatCannotBeOpenedIsToldByTheMemoryCheckOrByTheCount)
{
    job.SourceFile = tree.MakeFolder("folder.csv");
    values.RecordCount = 4;
    EXPECT_EQ(Survey(), SurveyResult::NotOpened);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{job.SourceFile + Sjis(" OPENエラー")});
    EXPECT_EQ(values.RecordCount, 4);

    prompter.prompts.clear();
    job.OnMemory = 0;
    EXPECT_EQ(Survey(), SurveyResult::CountFailed);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{job.SourceFile + Sjis(" ファイルOPENエラー")});
    EXPECT_EQ(values.RecordCount, 0);
}

TEST_F(SourceSurvey, AReadErrorIsToldAndLeavesNoCounts)
{
    // Reading /proc/self/mem from its start fails with an I/O error.
    job.SourceFile = "/proc/self/mem";
    job.FileKind = 1;
    EXPECT_EQ(Survey(), SurveyResult::CountFailed);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, msg::SourceRead(job.SourceFile, "Input/output error"));
    EXPECT_EQ(values.RecordCount, 0);
}

TEST_F(SourceSurvey, AFileTooLargeForMemoryAsksAndStopsUnlessTheAnswerIsYes)
{
    Source("a,b\n");
    std::filesystem::resize_file(job.SourceFile, std::uintmax_t{1} << 43);  // sparse
    job.FileKind = 1;
    values.RecordCount = 4;
    prompter.defaultAnswer = platform::MessageAnswer::No;
    EXPECT_EQ(Survey(), SurveyResult::Declined);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, Sjis("全件メモリに読み込めない可能性があります。続行しますか？"));
    EXPECT_EQ(prompter.prompts[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(prompter.prompts[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(values.RecordCount, 4);
}

struct FitCase {
    std::uint64_t length;
    std::optional<std::uint64_t> available;
    bool fits;
};

void PrintTo(const FitCase& c, std::ostream* out)
{
    *out << c.length << " in " << (c.available ? std::to_string(*c.available) : "unknown");
}

class MemoryFitCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(MemoryFitCases, AFileFitsWhenThreeTimesItsLengthIsAvailable)
{
    EXPECT_EQ(FitsInMemory(GetParam().length, GetParam().available), GetParam().fits);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoryFitCases,
                         ::testing::Values(FitCase{100, 300, true}, FitCase{100, 299, false}, FitCase{0, 0, true},
                                           // Figures beyond 32 bits are taken whole.
                                           FitCase{3'000'000'000, 9'000'000'000, true},
                                           FitCase{3'000'000'001, 9'000'000'000, false},
                                           FitCase{UINT64_MAX / 2, UINT64_MAX, false},
                                           FitCase{1, std::nullopt, false}));

TEST(MemoryFit, AReaderThatIsNotOpenCannotBeExamined)
{
    platform::RecordReader closed;
    EXPECT_EQ(CheckMemoryFit(closed), MemoryFit::NotOpen);
}

}  // namespace
