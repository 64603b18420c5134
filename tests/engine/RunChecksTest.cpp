// The checks before a run: each refusal with its message and focus, nothing
// created, the screen saver and the counters untouched.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RunHarness.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace {

struct CheckCase {
    const char* name;
    std::function<void(RunHarness&, const TempTree&)> setUp;
    RunCheck check;
    const char* message;  // UTF-8; "%s" stands for the file concerned
    int focus;
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

// A run that would pass: file mode, a CSV source of three fields, one condition.
void ValidJob(RunHarness& run, const TempTree& tree)
{
    run.job.SourceFile = tree.Write("source.csv", "a,b,c\nd,e,f\n");
    run.job.ResultFile = tree.Path("result.txt");
    run.Add("b");
}

void DirectoryJob(RunHarness& run, const TempTree& tree)
{
    run.job.DirMode = 1;
    run.job.SourceFile.clear();
    run.job.SearchDir = tree.Path("");
    run.job.SearchFile = "*.csv";
}

class RunChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RunChecks, RefuseTheRunWithTheirMessageAndFocusBeforeAnythingIsCreated)
{
    TempTree tree;
    RunHarness run;
    ValidJob(run, tree);
    GetParam().setUp(run, tree);
    run.HitCount = 7;
    run.SkipCount = 8;

    const RunOutcome outcome = run.Run();

    EXPECT_EQ(outcome.check, GetParam().check);
    EXPECT_EQ(outcome.focusControl, GetParam().focus);
    EXPECT_EQ(FocusControlOf(GetParam().check), GetParam().focus);
    ASSERT_FALSE(run.prompter.prompts.empty());
    const PromptRecord& last = run.prompter.prompts.back();
    const std::string& named = GetParam().check == RunCheck::SourceSurveyFailed ? run.job.SourceFile : run.job.ResultFile;
    EXPECT_EQ(last.text, msg::FillIn(Sjis(GetParam().message), {named}));
    EXPECT_EQ(last.icon, platform::MessageIcon::Stop);
    EXPECT_EQ(last.buttons, platform::MessageButtons::Ok);
    EXPECT_FALSE(std::filesystem::exists(tree.Path("result.txt")));
    EXPECT_FALSE(run.Logged("screen saver off"));
    EXPECT_FALSE(run.Logged("screen saver restored"));
    EXPECT_EQ(run.progress.pumps, 0);
    EXPECT_EQ(run.HitCount, 7);
    EXPECT_EQ(run.SkipCount, 8);
}

const CheckCase Cases[] = {
    {"NoSearchDir", [](RunHarness& r, const TempTree& t) { DirectoryJob(r, t); r.job.SearchDir.clear(); },
     RunCheck::NoSearchDir, "ディレクトリを入力して下さい。", 1010},
    {"NoSearchFile", [](RunHarness& r, const TempTree& t) { DirectoryJob(r, t); r.job.SearchFile.clear(); },
     RunCheck::NoSearchFile, "検索ファイル名を入力して下さい。", 1011},
    {"NoSourceFile", [](RunHarness& r, const TempTree&) { r.job.SourceFile.clear(); },
     RunCheck::NoSourceFile, "元データファイルを入力して下さい。", 1012},
    {"NoResultFile", [](RunHarness& r, const TempTree&) { r.job.ResultFile.clear(); },
     RunCheck::NoResultFile, "抽出結果ファイルを入力して下さい。", 1022},
    {"OutputFieldZero", [](RunHarness& r, const TempTree&) { r.job.PickMode = 2; r.job.KeyCol = 0; },
     RunCheck::OutputFieldOutOfRange, "抽出位置は、１以上ファイルの項目数以下で入力して下さい。", 1002},
    {"OutputFieldBeyondTheFile", [](RunHarness& r, const TempTree&) { r.job.PickMode = 2; r.job.KeyCol = 4; },
     RunCheck::OutputFieldOutOfRange, "抽出位置は、１以上ファイルの項目数以下で入力して下さい。", 1002},
    {"OutputFieldZeroInDirectoryMode",
     [](RunHarness& r, const TempTree& t) { DirectoryJob(r, t); r.job.PickMode = 2; r.job.KeyCol = 0; },
     RunCheck::OutputFieldOutOfRange, "抽出位置は、１以上ファイルの項目数以下で入力して下さい。", 1002},
    {"FieldSearchInTextMode", [](RunHarness& r, const TempTree&) { r.job.FileKind = 3; r.job.SearchKind = 1; r.job.SearchCol = "1"; },
     RunCheck::FieldSearchInTextMode, "テキストモードでは項目指定は出来ません。", 1005},
    {"NoSearchFields", [](RunHarness& r, const TempTree&) { r.job.SearchKind = 1; },
     RunCheck::NoSearchFields, "項目番号を入力して下さい。", 1005},
    {"SearchFieldZero", [](RunHarness& r, const TempTree&) { r.job.SearchKind = 1; r.job.SearchCol = "1,0"; },
     RunCheck::BadSearchFields, "項目番号を入力して下さい。", 1005},
    {"SearchFieldNegative", [](RunHarness& r, const TempTree&) { r.job.SearchKind = 1; r.job.SearchCol = "-2"; },
     RunCheck::BadSearchFields, "項目番号を入力して下さい。", 1005},
    {"SearchFieldWithoutDigits", [](RunHarness& r, const TempTree&) { r.job.SearchKind = 1; r.job.SearchCol = "2,x"; },
     RunCheck::BadSearchFields, "項目番号を入力して下さい。", 1005},
    {"SearchFieldsEndingInAComma", [](RunHarness& r, const TempTree&) { r.job.SearchKind = 1; r.job.SearchCol = "2,"; },
     RunCheck::BadSearchFields, "項目番号を入力して下さい。", 1005},
    {"NoConditions", [](RunHarness& r, const TempTree&) { r.list.DeleteAll(); },
     RunCheck::NoConditions, "検索文字列をリストＢＯＸに追加して下さい。", 0},
    {"ResultIsTheSource", [](RunHarness& r, const TempTree&) { r.job.ResultFile = r.job.SourceFile; },
     RunCheck::ResultIsSource, "%s ファイルがオープン出来ません。", 1022},
    {"ResultIsALinkToTheSource",
     [](RunHarness& r, const TempTree& t) {
         std::filesystem::create_symlink(r.job.SourceFile, t.Path("link.csv"));
         r.job.ResultFile = t.Path("link.csv");
     },
     RunCheck::ResultIsSource, "%s ファイルがオープン出来ません。", 1022},
    {"ResultInAMissingFolder", [](RunHarness& r, const TempTree& t) { r.job.ResultFile = t.Path("none/result.txt"); },
     RunCheck::ResultNotCreated, "%s ファイルがオープン出来ません。", 0},
    {"MissingSource", [](RunHarness& r, const TempTree& t) { r.job.SourceFile = t.Path("none.csv"); },
     RunCheck::SourceSurveyFailed, "%sは存在しません。再確認して下さい。", 1012},
};

INSTANTIATE_TEST_SUITE_P(Cases, RunChecks, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunChecksOrder, TheFirstFailingCheckInOrderIsTheOneReported)
{
    TempTree tree;
    RunHarness run;
    run.job.SourceFile = tree.Write("source.csv", "a,b\n");
    run.job.PickMode = 2;
    run.job.KeyCol = 0;
    run.job.SearchKind = 1;
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(outcome.check, RunCheck::NoResultFile);
    EXPECT_EQ(run.Prompts(), std::vector<std::string>{Sjis("抽出結果ファイルを入力して下さい。")});
}

TEST(RunChecksOrder, TheSourceIsSurveyedBeforeTheResultFileIsChecked)
{
    TempTree tree;
    RunHarness run;
    run.job.SourceFile = tree.Write("source.csv", "a,b\na,b,c\n");
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(outcome.check, RunCheck::NoResultFile);
    EXPECT_EQ(run.survey.RecordCount, 2);
    EXPECT_EQ(run.Prompts(), (std::vector<std::string>{Sjis("項目数が不揃いです。最小(2列)、最大(3列)です。"),
                                                       Sjis("抽出結果ファイルを入力して下さい。")}));
}

TEST(RunChecksOrder, AResultNamingTheSourceLeavesTheSourceUntouched)
{
    TempTree tree;
    RunHarness run;
    const std::string bytes = "keep,me\r\nplease,too\r\n";
    run.job.SourceFile = tree.Write("source.csv", bytes);
    std::filesystem::create_hard_link(run.job.SourceFile, tree.Path("same.csv"));
    run.job.ResultFile = tree.Path("same.csv");
    run.Add("e");
    for (int OnMemory : {1, 0}) {
        run.job.OnMemory = OnMemory;
        EXPECT_EQ(run.Run().check, RunCheck::ResultIsSource);
        EXPECT_EQ(TempTree::Read(run.job.SourceFile), bytes);
    }
}

TEST(RunChecksOrder, DirectoryModeRunsAFieldOutputBeyondALastSurveysFieldCount)
{
    TempTree tree;
    RunHarness run;
    tree.Write("data/a.csv", "x,A,1,2,3\ny,A\n");
    run.job.DirMode = 1;
    run.job.SearchDir = tree.Path("data");
    run.job.SearchFile = "*.csv";
    run.job.ResultFile = tree.Path("result.txt");
    run.job.PickMode = 2;
    run.job.KeyCol = 5;
    run.survey.MaxFieldCount = 0;  // as after an earlier directory run
    run.Add("A");
    EXPECT_EQ(run.Run().check, RunCheck::Passed);
    // The second record has no fifth field: an empty line.
    EXPECT_EQ(TempTree::Read(run.job.ResultFile), CrLfLines({"3", ""}));
}

}  // namespace

namespace {

// A survey that fails ends a file-mode run before anything is created, so the
// records an earlier survey left in memory are never searched.
class FailedSurvey : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Valid());
        run.job.ResultFile = tree.Path("result.txt");
        run.job.FileKind = 1;
        run.survey.SourceLines = {"stale A"};
        run.survey.RecordCount = 1;
        run.survey.MaxFieldCount = 1;
        run.Add("A");
    }
    void ExpectNothingDone(const RunOutcome& outcome)
    {
        EXPECT_EQ(outcome.check, RunCheck::SourceSurveyFailed);
        EXPECT_EQ(outcome.focusControl, 1012);
        EXPECT_FALSE(std::filesystem::exists(run.job.ResultFile));
        EXPECT_FALSE(run.Logged("screen saver off"));
        EXPECT_EQ(run.progress.pumps, 0);
    }

    TempTree tree;
    RunHarness run;
};

TEST_F(FailedSurvey, ADeclinedMemoryQuestionEndsTheRun)
{
    run.job.SourceFile = tree.Write("big.csv", "A,1\n");
    std::filesystem::resize_file(run.job.SourceFile, std::uintmax_t{1} << 43);  // sparse
    run.prompter.defaultAnswer = platform::MessageAnswer::No;
    ExpectNothingDone(run.Run());
    EXPECT_EQ(run.Prompts(), std::vector<std::string>{msg::MemoryQuestionText});
    EXPECT_EQ(run.survey.SourceLines, std::vector<std::string>{"stale A"});
}

TEST_F(FailedSurvey, ASourceThatCannotBeOpenedEndsTheRun)
{
    run.job.SourceFile = tree.MakeFolder("folder.csv");
    for (int OnMemory : {1, 0}) {
        run.job.OnMemory = OnMemory;
        run.prompter.prompts.clear();
        ExpectNothingDone(run.Run());
        EXPECT_EQ(run.Prompts().size(), 1u);
    }
}

}  // namespace
