// The same job gives the same result file, counts and messages whether the
// source is held in memory or read from disk during the scan.

#include <gtest/gtest.h>

#include <functional>

#include "RunHarness.h"
#include "TempTree.h"

namespace {

// A small CSV with quotes, a comment, an empty line, double-byte text, a short
// record and a CR LF line end.
std::string MixedSource()
{
    return LfLines({"id,name,note", "1,\"Tanaka, T\",A", "#2,skip,A", "", Sjis("3,山田,ＡＢ"), "4,abc",
                    "5,\"x\"\"y\",Ab\r", "6,a|b,zz"});
}

struct Job {
    const char* name;
    std::function<void(RunHarness&)> setUp;
    std::vector<std::string> expected;  // result lines; "@" stands for the source path
    int skips;
};

void PrintTo(const Job& job, std::ostream* out) { *out << job.name; }

class MemoryMode : public ::testing::TestWithParam<Job> {};

TEST_P(MemoryMode, GivesTheSameResultAsReadingFromDisk)
{
    TempTree tree;
    std::vector<std::string> expected;
    const std::string source = tree.Write("source.csv", MixedSource());
    for (std::string line : GetParam().expected) {
        if (line.front() == '@')
            line = source + line.substr(1);
        expected.push_back(line);
    }
    for (int OnMemory : {1, 0}) {
        SCOPED_TRACE(OnMemory == 1 ? "in memory" : "from disk");
        RunHarness run;
        run.job.SourceFile = source;
        run.job.ResultFile = tree.Path("result.txt");
        run.job.OnMemory = OnMemory;
        GetParam().setUp(run);
        const RunOutcome outcome = run.Run();
        ASSERT_EQ(outcome.check, RunCheck::Passed);
        EXPECT_EQ(TempTree::Read(run.job.ResultFile), CrLfLines(expected));
        EXPECT_EQ(run.SkipCount, GetParam().skips);
        EXPECT_EQ(run.HitCount, static_cast<int>(expected.size()));
        EXPECT_EQ(run.survey.SourceLines.size(), OnMemory == 1 ? 8u : 0u);
    }
}

const Job Jobs[] = {
    {"Lines", [](RunHarness& r) { r.Add("A"); },
     {"1,\"Tanaka, T\",A", "#2,skip,A", "5,\"x\"\"y\",Ab"}, 0},
    {"CommentsSkipped", [](RunHarness& r) { r.job.Coment = 1; r.Add("A"); },
     {"1,\"Tanaka, T\",A", "5,\"x\"\"y\",Ab"}, 0},
    {"IgnoringCase", [](RunHarness& r) { r.job.UppChk = 0; r.Add("ab"); },
     {"4,abc", "5,\"x\"\"y\",Ab"}, 0},
    {"TagJump", [](RunHarness& r) { r.job.PickMode = 1; r.Add("山田"); },
     {"@(5):" + Sjis("3,山田,ＡＢ")}, 0},
    {"FieldSearchAndOutput",
     [](RunHarness& r) { r.job.SearchKind = 1; r.job.SearchCol = "3"; r.job.PickMode = 2; r.job.KeyCol = 2; r.Add("A*", "Ab"); },
     {"\"Tanaka, T\"", "skip"}, 1},
    {"WildcardWholeField", [](RunHarness& r) { r.job.SearchKind = 1; r.job.SearchCol = "2"; r.job.PickMode = 2; r.job.KeyCol = 1; r.Add("\"*\""); },
     {"1", "5"}, 0},
    {"GroupedByCondition", [](RunHarness& r) { r.job.ListSeq = 1; r.Add("zz"); r.Add("T"); },
     {"6,a|b,zz", "1,\"Tanaka, T\",A"}, 0},
    {"FirstHitOnly", [](RunHarness& r) { r.job.FindBreak = 1; r.Add("a"); }, {"id,name,note"}, 0},
    {"BarDelimitedAsPlainText", [](RunHarness& r) { r.job.FileKind = 3; r.job.Coment = 1; r.Add("b"); },
     {"4,abc", "5,\"x\"\"y\",Ab", "6,a|b,zz"}, 0},
    {"OtherDelimiter",
     [](RunHarness& r) { r.job.FileKind = 4; r.job.EtcDelim = "|"; r.job.SearchKind = 1; r.job.SearchCol = "2"; r.Add("b*"); },
     {"6,a|b,zz"}, 0},
    {"Exclusions", [](RunHarness& r) { r.Add("a", "*abc*,*zz"); }, {"id,name,note", "1,\"Tanaka, T\",A"}, 2},
    {"KeywordClass", [](RunHarness& r) { r.job.SearchKind = 1; r.job.SearchCol = "3"; r.Add("@全角大文字@"); }, {Sjis("3,山田,ＡＢ")}, 0},
};

INSTANTIATE_TEST_SUITE_P(Jobs, MemoryMode, ::testing::ValuesIn(Jobs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
