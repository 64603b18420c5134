// End-to-end runs over one source file: the three output forms, field search,
// grouping by condition, stopping after the first hit, exclusions.

#include <gtest/gtest.h>

#include "RunHarness.h"
#include "TempTree.h"

namespace {

class ExtractionOutput : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Valid());
        run.job.OnMemory = GetParam();
        run.job.ResultFile = tree.Path("result.txt");
    }
    void Source(const std::string& bytes) { run.job.SourceFile = tree.Write("source.csv", bytes); }
    std::string Result() const { return TempTree::Read(run.job.ResultFile); }

    TempTree tree;
    RunHarness run;
};

// Comment lines, an empty line and a quoted "#" among the hits.
const std::vector<std::string> CommentedSource = {
    "#note,ABC,0",  // 1 comment
    "a,ABC,x",      // 2
    "",             // 3
    "b,zzz,y",      // 4
    "#c,ABC,v",     // 5 comment
    "\"#q\",ABC,z", // 6 not a comment: its first field starts with the quote
    "c,ABC,w",      // 7
};

TEST_P(ExtractionOutput, LineOutputWritesHitRecordsAsReadSkippingComments)
{
    Source(LfLines(CommentedSource));
    run.job.Coment = 1;
    run.Add("ABC");
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(outcome.check, RunCheck::Passed);
    EXPECT_EQ(Result(), CrLfLines({"a,ABC,x", "\"#q\",ABC,z", "c,ABC,w"}));
    EXPECT_EQ(run.HitCount, 3);
}

TEST_P(ExtractionOutput, TagJumpNumbersAreLineNumbersOfTheFile)
{
    Source(LfLines(CommentedSource));
    run.job.Coment = 1;
    run.job.PickMode = 1;
    run.Add("ABC");
    run.Run();
    const std::string& path = run.job.SourceFile;
    EXPECT_EQ(Result(), CrLfLines({path + "(2):a,ABC,x", path + "(6):\"#q\",ABC,z", path + "(7):c,ABC,w"}));
}

TEST_P(ExtractionOutput, FieldOutputWritesTheChosenFieldWithItsQuotes)
{
    Source(LfLines({"a,ABC,\"x,1\"", "b,ABC", "c,zzz,y"}));
    run.job.PickMode = 2;
    run.job.KeyCol = 3;
    run.Add("ABC");
    run.Run();
    // The second record has no third field: an empty line.
    EXPECT_EQ(Result(), CrLfLines({"\"x,1\"", ""}));
}

TEST_P(ExtractionOutput, CaseInsensitiveMatchingWritesRecordsUnchanged)
{
    Source(LfLines({"abc", Sjis("ａｂｃ"), "xyz"}));
    run.job.UppChk = 0;
    run.Add("ABC");
    run.Add("ＡＢＣ");
    run.Run();
    EXPECT_EQ(Result(), CrLfLines({"abc", Sjis("ａｂｃ")}));
}

// The exclusion "XY" cancels a hit on a text that is exactly "XY", and every
// cancelled test counts, so SkipCount shows which fields were tested.
struct FieldSearchCase {
    const char* SearchCol;
    int hits;
    int skips;
};

void PrintTo(const FieldSearchCase& c, std::ostream* out) { *out << "SearchCol " << c.SearchCol; }

class FieldSearchOrder : public ::testing::TestWithParam<FieldSearchCase> {};

TEST_P(FieldSearchOrder, FieldsAreTestedInListedOrderUntilOneHits)
{
    TempTree tree;
    RunHarness run;
    run.job.SourceFile = tree.Write("s.csv", LfLines({"XY,XZ", "Q,Q"}));
    run.job.ResultFile = tree.Path("r.txt");
    run.job.SearchKind = 1;
    run.job.SearchCol = GetParam().SearchCol;
    run.Add("X", "XY");
    run.Run();
    EXPECT_EQ(run.HitCount, GetParam().hits);
    EXPECT_EQ(run.SkipCount, GetParam().skips);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldSearchOrder,
                         ::testing::Values(FieldSearchCase{"2,1", 1, 0},  // field 2 hits, field 1 never tested
                                           FieldSearchCase{"1,2", 1, 1},  // field 1 cancelled, then field 2 hits
                                           FieldSearchCase{"1,1", 0, 2},  // a field listed twice is tested twice
                                           FieldSearchCase{"1", 0, 1},
                                           FieldSearchCase{"9", 0, 0}));  // a field no record has is empty

TEST_P(ExtractionOutput, GroupingByConditionWritesEachConditionsHitsInTurnAndSkipsDisabledOnes)
{
    Source(LfLines({"A1", "B1", "AB", "B2"}));
    run.job.ListSeq = 1;
    run.Add("B");
    run.Add("A").SearchNotUse = 1;
    run.Add("A");
    run.Run();
    EXPECT_EQ(Result(), CrLfLines({"B1", "AB", "B2", "A1", "AB"}));
    EXPECT_EQ(run.HitCount, 5);
    // Every pass reads the file, the disabled condition's too.
    EXPECT_EQ(run.progress.files.size(), 3u);
}

TEST_P(ExtractionOutput, WithoutGroupingARecordHitByManyConditionsIsWrittenOnce)
{
    Source(LfLines({"A1", "B1", "AB", "B2"}));
    run.Add("B");
    run.Add("A");
    run.Run();
    EXPECT_EQ(Result(), CrLfLines({"A1", "B1", "AB", "B2"}));
}

struct FindBreakCase {
    int ListSeq;
    std::vector<std::string> expected;
};

void PrintTo(const FindBreakCase& c, std::ostream* out) { *out << "ListSeq " << c.ListSeq; }

class FindBreak : public ::testing::TestWithParam<FindBreakCase> {};

TEST_P(FindBreak, StopsEachPassAfterItsFirstHit)
{
    TempTree tree;
    RunHarness run;
    run.job.SourceFile = tree.Write("s.txt", LfLines({"x", "B1", "A1", "B2", "A2"}));
    run.job.ResultFile = tree.Path("r.txt");
    run.job.FindBreak = 1;
    run.job.ListSeq = GetParam().ListSeq;
    run.Add("A");
    run.Add("B");
    run.Run();
    EXPECT_EQ(TempTree::Read(run.job.ResultFile), CrLfLines(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, FindBreak,
                         ::testing::Values(FindBreakCase{0, {"B1"}},         // one line per file
                                           FindBreakCase{1, {"A1", "B1"}}));  // one line per condition

TEST_P(ExtractionOutput, ExclusionsCancelHitsAndTheSummaryCountsThem)
{
    Source(LfLines({"AX", "AY", "ABX", "BAX"}));
    run.Add("A", "A*X");
    run.Run();
    EXPECT_EQ(Result(), CrLfLines({"AY", "BAX"}));
    EXPECT_EQ(run.SkipCount, 2);
    ASSERT_FALSE(run.Prompts().empty());
    EXPECT_NE(run.Prompts().back().find(Sjis(" 2 件のデータをスキップしました。")), std::string::npos);
}

TEST_P(ExtractionOutput, NoExclusionsSettingWritesEveryHit)
{
    Source(LfLines({"AX", "AY", "ABX", "BAX"}));
    run.job.AllSkipNoUse = 1;
    run.Add("A", "A*X");
    run.Run();
    EXPECT_EQ(Result(), CrLfLines({"AX", "AY", "ABX", "BAX"}));
    EXPECT_EQ(run.SkipCount, 0);
}

TEST_P(ExtractionOutput, ProgressIsToldTheFileItsRecordsAndEveryHit)
{
    Source(LfLines({"A", "b", "A"}));
    run.Add("A");
    run.Run();
    ASSERT_EQ(run.progress.files.size(), 1u);
    EXPECT_EQ(run.progress.files[0].path, run.job.SourceFile);
    EXPECT_EQ(run.progress.files[0].fileNumber, 1);
    EXPECT_EQ(run.progress.files[0].fileTotal, 1);
    EXPECT_EQ(run.progress.recordTotals, std::vector<int>{3});
    EXPECT_EQ(run.progress.hitCounts, (std::vector<int>{1, 2}));
    EXPECT_EQ(run.progress.pumps, 1);
    EXPECT_EQ(run.repaints, 1);
}

TEST_P(ExtractionOutput, CancelAtThePumpBeforeRecord101KeepsExactlyTheHitsOfTheFirstHundred)
{
    std::vector<std::string> lines;
    std::vector<std::string> expected;
    for (int n = 1; n <= 250; ++n) {
        lines.push_back((n % 3 == 0 ? "hit " : "miss ") + std::to_string(n));
        if (n % 3 == 0 && n <= 100)
            expected.push_back(lines.back());
    }
    Source(LfLines(lines));
    run.progress.cancelAtPump = 2;
    run.Add("hit");
    const RunOutcome outcome = run.Run();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.filesDone, 1);
    EXPECT_EQ(Result(), CrLfLines(expected));
    EXPECT_EQ(run.HitCount, 33);
    // The summary follows a cancelled run too, and the screen saver comes back.
    EXPECT_NE(run.Prompts().back().find(Sjis(" 33 件のデータを")), std::string::npos);
    EXPECT_TRUE(run.Logged("screen saver restored"));
}

INSTANTIATE_TEST_SUITE_P(MemoryAndDisk, ExtractionOutput, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param == 1 ? "InMemory" : "FromDisk"; });

}  // namespace
